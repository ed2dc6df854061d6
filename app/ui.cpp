#include "app/ui.h"

#include "app/companion.h"
#include "app/logging.h"
#include "app/resourceguard.h"
#include "app/scaling.h"
#include "app/scenebackend.h"
#include "global/object.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPointer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QStandardPaths>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QToolTip>
#include <QUrl>

#include <memory>
#include <new>
#include <utility>

namespace {

QPointer<UI> s_instance;

const QString DebugGroup = QStringLiteral("debug");
const QString WindowGroup = QStringLiteral("window");
const QString MoonAsInSkyKey = QStringLiteral("moonAsInSky");
const QString SaveFolderKey = QStringLiteral("saveFolder");

// A dialog of the window's stands centred over it, not somewhere on the screen. Placed, not made
// the window's transient: the platform keeps a modal dialog above the program's windows anyway,
// and closing a transient made it hand the focus back in a way an X server without a window
// manager refuses.
void placeOver(QWidget *dialog, QWindow *window)
{
    dialog->adjustSize();
    dialog->move(window->geometry().center() - QPoint(dialog->width() / 2, dialog->height() / 2));
}

void writeSetting(const QString &group, const QString &key, const QVariant &value)
{
    global::Object::instance()->writeSetting(group, key, value);
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

    m_scaling = new WindowScaling(this);
    connect(m_scaling, &WindowScaling::scaleChanged, this, &UI::scaleChanged);
    connect(m_scaling, &WindowScaling::pppChanged, this, &UI::pppChanged);
    connect(m_scaling, &WindowScaling::scaleIndexChanged, this, &UI::scaleIndexChanged);
    connect(m_scaling, &WindowScaling::unscaledWidthChanged, this, &UI::unscaledWidthChanged);
    connect(m_scaling, &WindowScaling::unscaledHeightChanged, this, &UI::unscaledHeightChanged);
    connect(m_scaling, &WindowScaling::scaleChanged, this, &UI::scaleWidgets);
    m_dates.setLocales(m_localizer.locale(), m_localizer.namesLocale());

    // A minute's look is enough for a day's change, and it also notices one that happened
    // while the computer slept.
    m_todayTimer = new QTimer(this);
    m_todayTimer->setInterval(60 * 1000);
    connect(m_todayTimer, &QTimer::timeout, this, &UI::updateToday);
    m_todayTimer->start();
    m_today = m_dates.dayOf(QDateTime::currentDateTime());
}

UI::~UI() = default;

UI *UI::instance()
{
    if (!s_instance)
        new UI();
    return s_instance;
}

void UI::setupWindow(bool shown)
{
    m_scaling->attach();
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

    QGuiApplication::setFont(QFont(QStringLiteral("Arial"), ui::referencePointSize(scale())));

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
    qCDebug(lcApp).noquote()
        << QStringLiteral("font size: %1 px").arg(m_scaling->referencePixelSize());

    m_scaling->restore(shown);
    scaleWidgets();

    // Nothing of the companion holds back the first frame.
    if (!shown) {
        qCDebug(lcApp).noquote() << QStringLiteral("window: started in the tray, hidden");
        QTimer::singleShot(0, this, [] { Companion::instance()->start(true); });
        return;
    }
    auto started = std::make_shared<QMetaObject::Connection>();
    *started = connect(this, &QQuickWindow::frameSwapped, this, [this, started] {
        disconnect(*started);
        QTimer::singleShot(0, this, [] { Companion::instance()->start(false); });
    });
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

int UI::storedMinimumWidth() const
{
    return ui::DesignWidth;
}

int UI::storedMinimumHeight() const
{
    return ui::DesignHeight;
}

void UI::setLanguage(const QString &language)
{
    if (!m_localizer.setLanguage(language))
        return;
    m_dates.setLocales(m_localizer.locale(), m_localizer.namesLocale());
    emit languageChanged();
    // Every binding that shows a translated text reads it again.
    engine()->retranslate();
}

void UI::setTimeZone(const QString &timeZone)
{
    if (!m_dates.setTimeZone(timeZone))
        return;
    emit timeZoneChanged(m_dates.timeZone());
    updateToday();
}

void UI::updateToday()
{
    const QDateTime today = m_dates.dayOf(QDateTime::currentDateTime());
    if (today == m_today)
        return;
    m_today = today;
    emit todayChanged(today);
}

bool UI::moonAsInSky() const
{
    return global::Object::instance()->readSetting(WindowGroup, MoonAsInSkyKey, false).toBool();
}

void UI::setMoonAsInSky(bool value)
{
    if (value == moonAsInSky())
        return;
    writeSetting(WindowGroup, MoonAsInSkyKey, value);
    emit moonAsInSkyChanged(value);
}

bool UI::event(QEvent *e)
{
    if (e->type() == QEvent::Close) {
        m_scaling->storeGeometry();
        if (m_hideOnClose) {
            e->ignore();
            hide();
            return true;
        }
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

void UI::showMessageBox(const QString &title, const QString &message)
{
    showBox(QMessageBox::Warning, title, message);
}

void UI::showInformation(const QString &title, const QString &message)
{
    showBox(QMessageBox::Information, title, message);
}

void UI::showBox(int icon, const QString &title, const QString &message)
{
    // With text the user can select and copy (an address, say).
    QMessageBox box(QMessageBox::Icon(icon), title, message, QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::NoButton);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The style draws its sign at one size; at the window's scale it would look shrunk.
    if (auto *sign = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"))) {
        const QStyle::StandardPixmap pixmap = icon == QMessageBox::Information
                                                  ? QStyle::SP_MessageBoxInformation
                                                  : QStyle::SP_MessageBoxWarning;
        const int side = qRound(box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize) * ppp());
        sign->setPixmap(box.style()->standardIcon(pixmap).pixmap(side, side));
    }
    placeOver(&box, this);
    box.exec();
}

QUrl UI::chooseSaveFile(const QString &title, const QString &proposedName, const QString &filter)
{
    auto *settings = global::Object::instance();
    QString folder = settings->readSetting(WindowGroup, SaveFolderKey, QString()).toString();
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QFileDialog dialog(nullptr, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(proposedName);
    placeOver(&dialog, this);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QUrl();
    const QString file = dialog.selectedFiles().constFirst();
    settings->writeSetting(WindowGroup, SaveFolderKey, QFileInfo(file).absolutePath());
    return QUrl::fromLocalFile(file);
}

namespace {

// Tooltips are widgets: without the widgets' application object (a test of the scene alone)
// there are none.
bool widgetsRun()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr;
}

} // namespace

void UI::showToolTip(QQuickItem *item, const QString &text)
{
    if (!item || !item->window() || text.isEmpty() || !widgetsRun())
        return;
    const QPointF below = item->mapToScene(QPointF(item->width() / 2, item->height()));
    QToolTip::showText(item->window()->mapToGlobal(below.toPoint()), text);
}

void UI::hideToolTip()
{
    if (widgetsRun())
        QToolTip::hideText();
}

void UI::scaleWidgets()
{
    if (!widgetsRun())
        return;
    const QFont font(QStringLiteral("Arial"), ui::referencePointSize(scale()));
    for (const char *widget : {"QDialog", "QTipLabel"})
        QApplication::setFont(font, widget);
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
