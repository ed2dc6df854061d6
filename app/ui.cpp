#include "app/ui.h"

#include "app/companion.h"
#include "app/logging.h"
#include "app/resourceguard.h"
#include "app/scaling.h"
#include "app/scenebackend.h"
#include "global/object.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPointer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <new>
#include <utility>

namespace {

QPointer<UI> s_instance;

const QString DebugGroup = QStringLiteral("debug");

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
    m_dates.setLocale(m_localizer.locale());
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
    m_dates.setLocale(m_localizer.locale());
    emit languageChanged();
    // Every binding that shows a translated text reads it again.
    engine()->retranslate();
}

void UI::setTimeZone(const QString &timeZone)
{
    if (m_dates.setTimeZone(timeZone))
        emit timeZoneChanged(m_dates.timeZone());
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
