#include "app/ui.h"

#include "app/logging.h"
#include "app/resourceguard.h"
#include "app/scaling.h"
#include "app/scenebackend.h"
#include "astro/zone.h"
#include "global/object.h"

#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QScreen>
#include <QThread>
#include <QTranslator>
#include <QUrl>

#include <new>
#include <utility>

namespace {

QPointer<UI> s_instance;

const QString WindowGroup = QStringLiteral("window");
const QString DebugGroup = QStringLiteral("debug");
const QRect DefaultGeometry(0, 0, ui::DesignWidth, 600);

QVariant readSetting(const QString &group, const QString &key, const QVariant &fallback)
{
    return global::Object::instance()->readSetting(group, key, fallback);
}

void writeSetting(const QString &group, const QString &key, const QVariant &value)
{
    global::Object::instance()->writeSetting(group, key, value);
}

// A date and time read off a text, as that wall-clock time on the clock times are shown on.
QDateTime onClock(const astro::Zone &zone, const QDateTime &typed)
{
    return typed.isValid() ? zone.at(typed.date(), typed.time()) : typed;
}

int pixelSizeOfReferenceFont(double scale)
{
    return QFontInfo(QFont(QStringLiteral("Arial"), ui::referencePointSize(scale))).pixelSize();
}

QString glString(QOpenGLContext *context, GLenum name)
{
    if (!context)
        return QString();
    const auto text = reinterpret_cast<const char *>(context->functions()->glGetString(name));
    return text ? QString::fromLatin1(text) : QString();
}

} // namespace

UI::UI()
{
    if (s_instance)
        throw std::bad_alloc();
    s_instance = this;
    // The QML engine must never delete the window the native side also uses.
    QQmlEngine::setObjectOwnership(this, QQmlEngine::CppOwnership);

    m_scaleOptions
        = QStringList{QStringLiteral("Auto"), QStringLiteral("100%"), QStringLiteral("125%"),
                      QStringLiteral("150%"), QStringLiteral("200%"), QStringLiteral("250%"),
                      QStringLiteral("300%")};
    m_lastPpp = ppp();
    applyLanguage();
}

UI::~UI()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}

UI *UI::instance()
{
    if (!s_instance)
        new UI();
    return s_instance;
}

void UI::setupWindow()
{
    connect(this, &UI::scaleChanged, this, &UI::scaleUpdate);
    connect(this, &QWindow::windowStateChanged, this, &UI::windowStateUpdate);
    connect(this, &QWindow::xChanged, this, &UI::geometryUpdate);
    connect(this, &QWindow::yChanged, this, &UI::geometryUpdate);
    connect(this, &QWindow::widthChanged, this, &UI::geometryUpdate);
    connect(this, &QWindow::heightChanged, this, &UI::geometryUpdate);
    // The threaded render loop announces its context from the render thread, where that context
    // is current: read the strings there, then log and store them on the main thread.
    connect(
        this, &QQuickWindow::sceneGraphInitialized, this,
        [this] {
            // The software renderer has no driver to report.
            QOpenGLContext *context = QOpenGLContext::currentContext();
            if (!context)
                return;
            const QString vendor = glString(context, GL_VENDOR);
            const QString renderer = glString(context, GL_RENDERER);
            const QString version = glString(context, GL_VERSION);
            QMetaObject::invokeMethod(
                this, [=] { reportDriver(vendor, renderer, version); },
                QThread::currentThread() == thread() ? Qt::DirectConnection : Qt::QueuedConnection);
        },
        Qt::DirectConnection);

    QGuiApplication::setFont(QFont(QStringLiteral("Arial"), ui::referencePointSize(m_scale)));

    ResourceGuard::install(engine());
    setSceneContext(rootContext());

    setTitle(QStringLiteral("%1 %2 %3")
                 .arg(QStringLiteral("Harkel"), global::Object::product(),
                      QString::number(VENDARION_VERSION_MAJOR)));
    setSource(QUrl(QStringLiteral("qrc:/qml/Main.qml")));
    setResizeMode(QQuickView::SizeRootObjectToView);
    // Forced on the software renderer, an OpenGL surface leaves the window black.
    if (ui::sceneUsesOpenGL())
        setSurfaceType(QSurface::OpenGLSurface);
    qCDebug(lcApp).noquote() << QStringLiteral("font size: %1 px").arg(referencePixelSize());

    // The stored size is in design pixels: lay it out at the current ppp, so a window on a
    // high-density screen comes back as large as it was closed.
    const QRect stored = storedGeometry();
    setGeometry(stored.x(), stored.y(), qRound(stored.width() * m_lastPpp),
                qRound(stored.height() * m_lastPpp));

    const int scaleIndex = storedScaleIndex();
    setScaleIndex(1);
    setScaleIndex(scaleIndex);

    m_initialising = false;
    setWindowState(Qt::WindowState(storedWindowState()));
    if (windowStates() & Qt::WindowMaximized)
        showMaximized();
    else
        show();
}

void UI::bringToFront()
{
    qCDebug(lcApp).noquote() << QStringLiteral("window: brought to the front for a second start");
    // A maximised window keeps that state under the minimised one.
    setWindowStates(windowStates() & ~Qt::WindowMinimized);
    show();
    raise();
    requestActivate();
}

void UI::setSceneContext(QQmlContext *context)
{
#ifdef Q_OS_WIN
    context->setContextProperty(QStringLiteral("platform"), QStringLiteral("win"));
#elif defined(Q_OS_MACOS)
    context->setContextProperty(QStringLiteral("platform"), QStringLiteral("mac"));
#else
    context->setContextProperty(QStringLiteral("platform"), QStringLiteral("linux"));
#endif
    // A proper file URL (three slashes, not four, before an absolute Unix path) ending in "/res/".
    context->setContextProperty(
        QStringLiteral("resourcePath"),
        QUrl::fromLocalFile(global::Object::instance()->resourcePath()).toString());
}

double UI::ppp() const
{
    return pppForScale(m_scale);
}

double UI::pppForScale(double scale) const
{
    return pixelSizeOfReferenceFont(scale) / ui::ReferencePixelSize;
}

int UI::referencePixelSize() const
{
    return pixelSizeOfReferenceFont(m_scale);
}

void UI::setScaleIndex(int index)
{
    if (index == m_scaleIndex)
        return;
    if (index < 0 || index >= m_scaleOptions.size()) {
        qCDebug(lcApp).noquote() << QStringLiteral("ignoring scale index %1").arg(index);
        return;
    }
    const int oldIndex = m_scaleIndex;

    QScreen *screen = scaleScreen();
    if (screen) {
        const double base = baseScaleOf(screen);
        index = ui::fitScaleIndex(
            index, screen->availableGeometry().size(), frameMargins(),
            [&](int i) { return pppForScale(ui::optionScale(m_scaleOptions.at(i), base)); });
    }
    m_scaleIndex = index;
    updateScale(screen);

    writeSetting(WindowGroup, QStringLiteral("scaleIndex"), m_scaleIndex);
    if (m_scaleIndex != oldIndex)
        emit scaleChanged(m_scale);
    emit scaleIndexChanged(m_scaleIndex);
}

// The screen the window was last stored on, or the primary one.
QScreen *UI::scaleScreen() const
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QVector<QRect> available;
    for (QScreen *s : screens)
        available.append(s->availableGeometry());
    const int found = ui::screenIndexAt(storedGeometry().topLeft(), available);
    return found >= 0 ? screens.at(found) : QGuiApplication::primaryScreen();
}

bool UI::scaleOptionFits(int index) const
{
    QScreen *screen = scaleScreen();
    if (!screen || index < 0 || index >= m_scaleOptions.size())
        return false;
    const double scale = ui::optionScale(m_scaleOptions.at(index), baseScaleOf(screen));
    return ui::scaleFits(pppForScale(scale), screen->availableGeometry().size(), frameMargins());
}

double UI::baseScaleOf(QScreen *screen) const
{
    const double dpiRatio
        = screen ? screen->logicalDotsPerInch() / screen->physicalDotsPerInch() : 1.0;
    return ui::baseScale(pixelSizeOfReferenceFont(1.0), dpiRatio);
}

void UI::updateScale(QScreen *screen)
{
    m_scale = ui::optionScale(m_scaleOptions.value(m_scaleIndex), baseScaleOf(screen));
}

int UI::storedWindowState() const
{
    bool ok = false;
    const int state = readSetting(WindowGroup, QStringLiteral("state"), 0).toInt(&ok);
    switch (state) {
    case Qt::WindowNoState:
    case Qt::WindowMinimized:
    case Qt::WindowMaximized:
    case Qt::WindowFullScreen:
        if (ok)
            return state;
        break;
    default:
        break;
    }
    qCDebug(lcApp) << "window: ignoring the stored window state";
    return Qt::WindowNoState;
}

int UI::storedScaleIndex() const
{
    bool ok = false;
    const int index = readSetting(WindowGroup, QStringLiteral("scaleIndex"), 0).toInt(&ok);
    if (ok && index >= 0 && index < m_scaleOptions.size())
        return index;
    qCDebug(lcApp) << "window: ignoring the stored scale index";
    return 0;
}

int UI::storedMinimumWidth() const
{
    return ui::DesignWidth;
}

int UI::storedMinimumHeight() const
{
    return ui::DesignHeight;
}

QRect UI::storedGeometry() const
{
    const QVariant value = readSetting(WindowGroup, QStringLiteral("geometry"), DefaultGeometry);
    const QRect rect = value.toRect();
    // Far beyond any desktop, a rectangle only overflows the window's arithmetic. Its size is
    // taken from the edges in a wider type, as width() itself could overflow.
    constexpr qint64 limit = 100000;
    const qint64 width = qint64(rect.right()) - rect.left() + 1;
    const qint64 height = qint64(rect.bottom()) - rect.top() + 1;
    if (value.userType() == QMetaType::QRect && qAbs(qint64(rect.left())) <= limit
        && qAbs(qint64(rect.top())) <= limit && width > 0 && width <= limit && height > 0
        && height <= limit)
        return rect;
    qCDebug(lcApp) << "window: ignoring the stored geometry";
    return DefaultGeometry;
}

void UI::scaleUpdate(double)
{
    const double newPpp = ppp();
    setMinimumWidth(int(newPpp * ui::DesignWidth));
    setMinimumHeight(int(newPpp * ui::DesignHeight));
    const QRect g = geometry();
    // Rounded rather than truncated, so switching scales back and forth does not creep.
    applyGeometry(QRect(g.topLeft(), QSize(qRound(g.width() / m_lastPpp * newPpp),
                                           qRound(g.height() / m_lastPpp * newPpp))));
    emit pppChanged(newPpp);
    m_lastPpp = newPpp;
}

void UI::applyGeometry(const QRect &rect)
{
    if (windowStates() & Qt::WindowMaximized)
        return;
    QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        setGeometry(ui::clampToDesktop(rect, primary->availableVirtualGeometry(), frameMargins()));
    else
        setGeometry(rect);
    const QRect g = geometry();
    const double currentPpp = ppp();
    writeSetting(
        WindowGroup, QStringLiteral("geometry"),
        QRect(g.left(), g.top(), qRound(g.width() / currentPpp), qRound(g.height() / currentPpp)));
}

void UI::windowStateUpdate(Qt::WindowState state)
{
    if (m_initialising)
        return;
    // A minimised window is stored as a normal one, so it never comes back minimised.
    writeSetting(WindowGroup, QStringLiteral("state"),
                 state == Qt::WindowMinimized ? int(Qt::WindowNoState) : int(state));
}

void UI::geometryUpdate(int)
{
    const int width = int(this->width() / m_scale);
    const int height = int(this->height() / m_scale);
    const bool widthChanged = width != m_unscaledWidth;
    const bool heightChanged = height != m_unscaledHeight;
    m_unscaledWidth = width;
    m_unscaledHeight = height;
    if (widthChanged)
        emit unscaledWidthChanged(width);
    if (heightChanged)
        emit unscaledHeightChanged(height);
}

bool UI::event(QEvent *e)
{
    if (e->type() == QEvent::Close) {
        applyGeometry(geometry());
    } else if (e->type() == QEvent::MouseButtonPress) {
        // A click anywhere outside the focused item (a text field, say) takes its focus away.
        if (QQuickItem *item = activeFocusItem()) {
            const QRectF area = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
            if (!area.contains(static_cast<QMouseEvent *>(e)->windowPos()))
                item->setFocus(false);
        }
    }
    return QQuickView::event(e);
}

void UI::reportDriver(const QString &vendor, const QString &renderer, const QString &version)
{
    qCDebug(lcApp).noquote() << QStringLiteral("OpenGL vendor: %1 renderer: %2 version: %3")
                                    .arg(vendor, renderer, version);
    // A string the driver does not give is not stored as an empty one.
    const std::pair<const char *, QString> keys[]
        = {{"GLVendor", vendor}, {"GLRenderer", renderer}, {"GLVersion", version}};
    for (const auto &[key, value] : keys) {
        if (!value.isEmpty())
            writeSetting(DebugGroup, QLatin1String(key), value);
    }
}

QString UI::language() const
{
    const QString setting
        = readSetting(WindowGroup, QStringLiteral("language"), QString()).toString();
    if (setting.isEmpty() || ui::shippedLanguages().contains(setting))
        return setting;
    qCDebug(lcApp).noquote()
        << QStringLiteral("window: ignoring the stored language '%1'").arg(setting);
    return QString();
}

void UI::setLanguage(const QString &language)
{
    if (!language.isEmpty() && !ui::shippedLanguages().contains(language)) {
        qCDebug(lcApp).noquote() << QStringLiteral("window: no such language '%1'").arg(language);
        return;
    }
    if (language == this->language())
        return;
    writeSetting(WindowGroup, QStringLiteral("language"), language);
    applyLanguage();
}

QVariantMap UI::formats() const
{
    return {{QStringLiteral("date"), m_formats.date},
            {QStringLiteral("time"), m_formats.time},
            {QStringLiteral("dateTime"), m_formats.dateTime},
            {QStringLiteral("editor"), m_formats.editor},
            {QStringLiteral("day"), m_formats.day}};
}

void UI::applyLanguage()
{
    const QString setting = language();
    const QLocale system = QLocale::system();
    m_interfaceLanguage = ui::interfaceLanguage(setting, system.uiLanguages());
    m_locale = ui::interfaceLocale(setting, system);
    m_formats = ui::dateFormats(m_locale);
    // Qt's own controls (the date picker's calendar) follow the default locale.
    QLocale::setDefault(m_locale);

    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    // English is the source language: it needs no translation.
    if (m_interfaceLanguage != ui::shippedLanguages().first()) {
        auto translator = std::make_unique<QTranslator>();
        const QString file
            = QStringLiteral(":/translations/vendarion_%1.qm").arg(m_interfaceLanguage);
        if (translator->load(file)) {
            QCoreApplication::installTranslator(translator.get());
            m_translator = std::move(translator);
        } else {
            qCDebug(lcApp).noquote() << QStringLiteral("window: cannot load %1").arg(file);
        }
    }
    qCDebug(lcApp).noquote() << QStringLiteral("window: language %1, locale %2")
                                    .arg(m_interfaceLanguage, m_locale.name());
    emit languageChanged();
    // Every binding that shows a translated text reads it again.
    engine()->retranslate();
}

void UI::showMessageBox(const QString &title, const QString &message)
{
    // QMessageBox::warning, with text the user can select and copy (an address, say).
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::NoButton);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

void UI::hideMessageBox()
{
    m_messageBoxTitle.clear();
    m_messageBoxInfo.clear();
    m_messageBoxVisible = false;
    emit messageBoxTitleChanged(m_messageBoxTitle);
    emit messageBoxInfoChanged(m_messageBoxInfo);
    emit messageBoxVisibleChanged(m_messageBoxVisible);
}

QPoint UI::getAbsolutePosition(QQuickItem *item) const
{
    if (!item)
        return QPoint(0, 0);
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height())).topLeft().toPoint();
}

QDateTime UI::localTime() const
{
    return QDateTime::currentDateTime();
}

QString UI::formatDateTime(const QDateTime &value, const QString &format) const
{
    return m_zone.toZone(value).toString(format);
}

void UI::setTimeZone(const QString &timeZone)
{
    std::optional<astro::Zone> zone = astro::Zone::named(timeZone.toUtf8());
    if (!zone) {
        qCWarning(lcApp).noquote()
            << QStringLiteral("unknown time zone '%1', showing this computer's").arg(timeZone);
        zone = astro::Zone::system();
    }
    if (zone->id() == m_zone.id())
        return;
    m_zone = *zone;
    emit timeZoneChanged(this->timeZone());
}

QString UI::formatDay(const QDateTime &localMidnight, const QString &format) const
{
    return m_locale.toString(localMidnight.toLocalTime(), format);
}

QDateTime UI::parseDay(const QString &text, const QString &format) const
{
    const QDateTime typed = ui::readDateTime(text, format, m_locale);
    return typed.isValid() ? astro::Zone::system().startOfDay(typed.date()) : typed;
}

QDateTime UI::fromDay(const QDateTime &localMidnight) const
{
    if (!localMidnight.isValid())
        return QDateTime();
    return m_zone.startOfDay(localMidnight.toLocalTime().date());
}

QDateTime UI::dayOf(const QDateTime &time) const
{
    if (!time.isValid())
        return QDateTime();
    return QDateTime(m_zone.toZone(time).date(), QTime(12, 0), Qt::LocalTime);
}

QString UI::formatLocal(const QDateTime &value, const QString &format) const
{
    return m_locale.toString(m_zone.toZone(value), format);
}

QString UI::formatDegrees(double angle) const
{
    return ui::formatDegrees(angle);
}

bool UI::equalNoCase(const QString &a, const QString &b) const
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

QString UI::getClipboardText() const
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

int UI::fontSize(int size) const
{
    return size;
}

QDateTime UI::addDays(const QDateTime &value, int days) const
{
    return m_zone.addDays(value, days);
}

QDateTime UI::parseDateTime(const QString &text, const QString &format) const
{
    return onClock(m_zone, QDateTime::fromString(text, format));
}

QDateTime UI::addMonths(const QDateTime &value, int months) const
{
    const QDateTime shown = m_zone.toZone(value);
    return m_zone.at(shown.date().addMonths(months), shown.time());
}

QDateTime UI::fromDate(const QDateTime &utcMidnight) const
{
    if (!utcMidnight.isValid())
        return QDateTime();
    return m_zone.startOfDay(utcMidnight.toUTC().date());
}

QString UI::monthTitle(const QDateTime &value, const QString &localeName) const
{
    const QLocale locale(localeName);
    const QDate day = m_zone.toZone(value).date();
    // Stand-alone names are lower-case in some languages ("décembre"); a title starts with a
    // capital.
    const QString month = locale.standaloneMonthName(day.month());
    return locale.toUpper(month.left(1)) + month.mid(1) + QLatin1Char(' ')
           + locale.toString(day, QStringLiteral("yyyy"));
}

QDateTime UI::readDateTime(const QString &text, const QString &format) const
{
    return onClock(m_zone, ui::readDateTime(text, format, m_locale));
}

QDateTime UI::dateTimeOnDay(const QDateTime &time, const QDateTime &utcMidnight) const
{
    const QTime clock = m_zone.toZone(time).time();
    return m_zone.at(utcMidnight.toUTC().date(), QTime(clock.hour(), clock.minute()));
}
