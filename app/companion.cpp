#include "app/companion.h"

#include "app/autostart.h"
#include "app/logging.h"
#include "app/tray.h"
#include "app/ui.h"
#include "astro/calculation.h"
#include "global/object.h"
#include "reminders/notifier.h"
#include "reminders/planner.h"
#include "reminders/text.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPointer>
#include <QQmlEngine>
#include <QQuickItem>

#include <new>

namespace {

QPointer<Companion> s_instance;

const QString WindowGroup = QStringLiteral("window");
const QString KeepInTrayKey = QStringLiteral("keepInTray");

QString pickLabel(ical::Kind kind, const QString &key)
{
    switch (kind) {
    case ical::Void:
        return key == QLatin1String("end") ? QCoreApplication::translate("Reminders", "ends")
                                           : QCoreApplication::translate("Reminders", "begins");
    case ical::Ingress:
        for (int sign = 0; sign < 12; ++sign) {
            if (ical::signName(sign).toLower() == key)
                return reminders::signLabel(sign);
        }
        return key;
    case ical::Phase: {
        const QStringList keys = reminders::kindNamed(QStringLiteral("phase"))->picks;
        // At the middle of each quarter's name range of the panel's table.
        return reminders::phaseName(keys.indexOf(key) * 0.25 + 0.001);
    }
    default:
        return key;
    }
}

} // namespace

Companion::Companion()
{
    if (s_instance)
        throw std::bad_alloc();
    s_instance = this;
    QQmlEngine::setObjectOwnership(this, QQmlEngine::CppOwnership);
}

Companion::~Companion() = default;

Companion *Companion::instance()
{
    if (!s_instance)
        new Companion();
    return s_instance;
}

void Companion::start(bool hidden)
{
    if (m_started)
        return;
    m_started = true;
    m_startedHidden = hidden;
    m_choice = reminders::Choice::load();

    m_planner = std::make_unique<reminders::Planner>();
    connect(m_planner.get(), &reminders::Planner::due, this, &Companion::remind);
    followCalculation();
    m_planner->setChoice(m_choice);
    m_planner->start();

    connect(UI::instance(), &UI::languageChanged, this, [this] {
        if (m_tray)
            m_tray->setLocale(QLocale());
        emit remindersChanged();
    });
    updateTray();
}

void Companion::followCalculation()
{
    // The scene's one calculation: the place and zone the window computes in.
    QObject *root = UI::instance()->rootObject();
    m_calculation = root ? root->property("calculation").value<astro::Calculation *>() : nullptr;
    if (!m_calculation) {
        qCWarning(lcApp).noquote()
            << QStringLiteral("reminders: the scene has no calculation; this computer's zone "
                              "and the place 0, 0 are used");
        return;
    }
    const auto follow = [this] {
        if (!m_calculation)
            return;
        m_planner->setPlace(m_calculation->observer());
        m_planner->setZone(m_calculation->zone());
        showSkyInTray();
    };
    connect(m_calculation, &astro::Calculation::observerChanged, this, follow);
    connect(m_calculation, &astro::Calculation::zoneChanged, this, follow);
    follow();
}

bool Companion::trayAvailable() const
{
    return Tray::available();
}

bool Companion::keepInTray() const
{
    return global::Object::instance()->readSetting(WindowGroup, KeepInTrayKey, false).toBool();
}

void Companion::setKeepInTray(bool keep)
{
    if (keep == keepInTray())
        return;
    global::Object::instance()->writeSetting(WindowGroup, KeepInTrayKey, keep);
    emit keepInTrayChanged(keep);
    updateTray();
}

bool Companion::startWithDesktop() const
{
    return ui::autostartEnabled();
}

void Companion::setStartWithDesktop(bool start)
{
    if (start != startWithDesktop())
        ui::setAutostart(start, QCoreApplication::applicationFilePath());
    // What the file says now, whether or not it could be written.
    emit startWithDesktopChanged(startWithDesktop());
}

QVariantList Companion::reminderKinds() const
{
    QVariantList list;
    for (const reminders::KindInfo &info : reminders::kinds()) {
        const QString name = reminders::nameOf(info.kind);
        const QStringList picked = m_choice.picked(name);
        QVariantList picks;
        for (const QString &key : info.picks) {
            picks.append(
                QVariantMap{{QStringLiteral("key"), key},
                            {QStringLiteral("label"), pickLabel(info.kind, key)},
                            {QStringLiteral("on"), picked.isEmpty() || picked.contains(key)}});
        }
        list.append(QVariantMap{
            {QStringLiteral("name"), name},
            {QStringLiteral("label"), QCoreApplication::translate("Reminders", info.label)},
            {QStringLiteral("on"), bool(m_choice.kinds & info.kind)},
            {QStringLiteral("lead"), m_choice.leadOf(name)},
            {QStringLiteral("picks"), picks}});
    }
    return list;
}

QVariantList Companion::leadMinutes() const
{
    QVariantList list;
    for (int minutes : reminders::leadChoices())
        list.append(minutes);
    return list;
}

void Companion::setReminderOn(const QString &kind, bool on)
{
    const reminders::KindInfo *info = reminders::kindNamed(kind);
    if (!info)
        return;
    reminders::Choice choice = m_choice;
    choice.kinds = on ? (choice.kinds | info->kind) : (choice.kinds & ~info->kind);
    changeChoice(choice);
}

void Companion::setReminderLead(const QString &kind, int minutes)
{
    if (!reminders::kindNamed(kind) || minutes < 0 || minutes > reminders::MaximumLead)
        return;
    reminders::Choice choice = m_choice;
    choice.leads.insert(kind, minutes);
    changeChoice(choice);
}

void Companion::setReminderPick(const QString &kind, const QString &key, bool on)
{
    const reminders::KindInfo *info = reminders::kindNamed(kind);
    if (!info || !info->picks.contains(key))
        return;
    reminders::Choice choice = m_choice;
    QStringList picked = choice.picked(kind);
    if (picked.isEmpty())
        picked = info->picks;
    if (on && !picked.contains(key))
        picked.append(key);
    else if (!on)
        picked.removeAll(key);
    if (picked.isEmpty())
        return;
    // All of them is written as none, which stays "all" when the list grows.
    choice.picks.insert(kind, picked.size() == info->picks.size() ? QStringList() : picked);
    changeChoice(choice);
}

void Companion::changeChoice(const reminders::Choice &choice)
{
    if (choice == m_choice)
        return;
    m_choice = choice;
    m_choice.save();
    if (m_planner)
        m_planner->setChoice(m_choice);
    showSkyInTray();
    emit remindersChanged();
}

void Companion::remind(const reminders::Reminder &reminder)
{
    const astro::Zone zone = m_planner->zone();
    const reminders::Notice notice
        = reminders::noticeOf(reminder, zone, QLocale(), QDateTime::currentDateTime());
    qCDebug(lcApp).noquote() << QStringLiteral("reminders: %1").arg(notice.summary);
    if (!m_notifier) {
        m_notifier = std::make_unique<reminders::Notifier>();
        m_notifier->setIcon(QGuiApplication::windowIcon().pixmap(64).toImage());
        connect(m_notifier.get(), &reminders::Notifier::activated, this, &Companion::showMoment);
        connect(m_notifier.get(), &reminders::Notifier::notShown, this, &Companion::showInTray);
    }
    m_notifier->show(notice);
}

void Companion::showInTray(const reminders::Notice &notice)
{
    if (!Tray::available()) {
        qCWarning(lcApp).noquote()
            << QStringLiteral("reminders: neither a notification service nor a tray to show "
                              "\"%1\"")
                   .arg(notice.summary);
        return;
    }
    m_trayCarriesReminders = true;
    updateTray();
    m_tray->showMessage(notice);
}

void Companion::showMoment(const QDateTime &moment)
{
    UI::instance()->bringToFront();
    emit momentRequested(moment);
}

void Companion::updateTray()
{
    if (!m_started)
        return;
    // A start in the tray stays there even before the desktop's tray is up (the autostart entry
    // may run first); the icon shows once it is.
    const bool resident = m_startedHidden || (keepInTray() && Tray::available());
    // Closing the window hides it while the program stays in the tray; a hidden window is then
    // no reason to end either, nor is the last of the tray's menus closing.
    UI::instance()->setHideOnClose(resident);
    QGuiApplication::setQuitOnLastWindowClosed(!resident);
    const bool shown = resident || m_trayCarriesReminders;
    if (shown && !m_tray) {
        m_tray = std::make_unique<Tray>();
        m_tray->setLocale(QLocale());
        showSkyInTray();
        connect(m_tray.get(), &Tray::showRequested, UI::instance(), &UI::bringToFront);
        connect(m_tray.get(), &Tray::momentRequested, this, &Companion::showMoment);
        connect(m_tray.get(), &Tray::remindersRequested, this, [this] {
            UI::instance()->bringToFront();
            emit remindersRequested();
        });
        connect(m_tray.get(), &Tray::quitRequested, this, &Companion::quit);
    }
    if (m_tray)
        m_tray->setVisible(shown);
}

void Companion::showSkyInTray()
{
    // The menu lists the kinds reminded of, or those a calendar file holds by default.
    if (m_tray && m_calculation)
        m_tray->setSky(m_calculation->sky(), m_choice.kinds ? m_choice.kinds : ical::DefaultKinds);
}

void Companion::quit()
{
    // The window's close stores its geometry, as any close does.
    UI::instance()->setHideOnClose(false);
    if (UI::instance()->isVisible())
        UI::instance()->close();
    QCoreApplication::quit();
}
