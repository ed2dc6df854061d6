#include "app/tray.h"

#include "app/logging.h"
#include "app/moonicon.h"

#include <QCoreApplication>
#include <QIcon>

#include <cmath>

namespace {

// Texts are marked where they stand, with their context, and translated here.
QString say(const char *text)
{
    return QCoreApplication::translate("Tray", text);
}

constexpr int WatchMs = 60 * 1000;

} // namespace

Tray::Tray(QObject *parent)
    : QObject(parent)
{
    m_show = m_menu.addAction(QString(), this, &Tray::showRequested);
    m_menu.addSeparator();
    for (int i = 0; i < reminders::OutlookEvents; ++i) {
        QAction *action = m_menu.addAction(QString());
        action->setVisible(false);
        m_events.append(action);
        connect(action, &QAction::triggered, this, [this, i] {
            if (i < m_outlook.next.size())
                emit momentRequested(m_outlook.next.at(i).start);
        });
    }
    m_menu.addSeparator();
    m_reminders = m_menu.addAction(QString(), this, &Tray::remindersRequested);
    m_quit = m_menu.addAction(QString(), this, &Tray::quitRequested);
    retranslate();
    m_icon.setContextMenu(&m_menu);
    m_icon.setIcon(QIcon(QPixmap::fromImage(ui::moonIcon(0.25, false, 64))));
    connect(&m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
                    emit showRequested();
            });
    connect(&m_icon, &QSystemTrayIcon::messageClicked, this, [this] {
        if (m_messageMoment.isValid())
            emit momentRequested(m_messageMoment);
        else
            emit showRequested();
    });
    m_watch.setInterval(WatchMs);
    m_watch.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_watch, &QTimer::timeout, this, [this] {
        if (!m_outlook.changes.isValid() || !(QDateTime::currentDateTimeUtc() < m_outlook.changes))
            refresh();
    });
}

Tray::~Tray()
{
    m_tasks.close();
}

void Tray::setVisible(bool visible)
{
    if (visible == m_icon.isVisible())
        return;
    m_icon.setVisible(visible);
    if (visible) {
        m_watch.start();
        refresh();
    } else {
        m_watch.stop();
    }
}

void Tray::setSky(const astro::Sky &sky, int kinds)
{
    m_sky = sky;
    m_kinds = kinds;
    if (m_icon.isVisible())
        refresh();
}

void Tray::setLocale(const QLocale &locale)
{
    m_locale = locale;
    retranslate();
    if (m_icon.isVisible())
        show(m_generation, m_outlook);
}

void Tray::showMessage(const reminders::Notice &notice)
{
    m_messageMoment = notice.moment;
    m_icon.showMessage(notice.summary, notice.body, m_icon.icon());
}

void Tray::retranslate()
{
    m_show->setText(say(QT_TRANSLATE_NOOP("Tray", "Show")));
    m_reminders->setText(say(QT_TRANSLATE_NOOP("Tray", "Reminders...")));
    m_quit->setText(say(QT_TRANSLATE_NOOP("Tray", "Quit")));
}

void Tray::refresh()
{
    const int generation = ++m_generation;
    const astro::Sky sky = m_sky;
    const int kinds = m_kinds;
    m_tasks.run([this, generation, sky, kinds] {
        const reminders::Outlook outlook
            = reminders::outlookAt(sky, QDateTime::currentDateTimeUtc(), kinds);
        QMetaObject::invokeMethod(
            this, [this, generation, outlook] { show(generation, outlook); }, Qt::QueuedConnection);
    });
}

void Tray::show(int generation, const reminders::Outlook &outlook)
{
    if (generation != m_generation)
        return;
    m_outlook = outlook;
    if (!outlook.valid) {
        // Outside the ephemeris files: tried again in an hour.
        m_outlook.changes = outlook.at.addSecs(3600);
        return;
    }
    m_icon.setIcon(QIcon(
        QPixmap::fromImage(ui::moonIcon(outlook.phase, m_sky.observer.latitude() < 0.0, 64))));
    m_icon.setToolTip(toolTipOf(outlook, m_sky.zone, m_locale));
    for (int i = 0; i < m_events.size(); ++i) {
        const bool shown = i < outlook.next.size();
        m_events.at(i)->setVisible(shown);
        if (shown) {
            m_events.at(i)->setText(
                reminders::describe(outlook.next.at(i), false, m_sky.zone, m_locale, outlook.at));
        }
    }
}

QString Tray::toolTipOf(const reminders::Outlook &o, const astro::Zone &zone, const QLocale &locale)
{
    QStringList lines;
    lines << say(QT_TRANSLATE_NOOP("Tray", "Lunar day %1, %2, %3% lit"))
                 .arg(o.lunarDay)
                 .arg(reminders::phaseName(o.phase))
                 .arg(std::lround(o.illumination * 100.0));
    lines << reminders::moonInSign(o.sign);
    const ical::Event &v = o.voidOfCourse;
    if (v.start.isValid() && !(o.at < v.start))
        lines << say(QT_TRANSLATE_NOOP("Tray", "Void of course now, until %1"))
                     .arg(reminders::timeText(v.end, zone, locale, o.at));
    else if (v.start.isValid())
        lines << reminders::describe(v, false, zone, locale, o.at);
    return lines.join(QLatin1Char('\n'));
}
