#include "app/windowscaling.h"

#include "app/logging.h"
#include "app/scaling.h"
#include "global/object.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

const QString WindowGroup = QStringLiteral("window");
const QRect DefaultGeometry(0, 0, ui::DesignWidth, 600);

QVariant readSetting(const QString &key, const QVariant &fallback)
{
    return global::Object::instance()->readSetting(WindowGroup, key, fallback);
}

void writeSetting(const QString &key, const QVariant &value)
{
    global::Object::instance()->writeSetting(WindowGroup, key, value);
}

int pixelSizeOfReferenceFont(double scale)
{
    return QFontInfo(QFont(QStringLiteral("Arial"), ui::referencePointSize(scale))).pixelSize();
}

} // namespace

WindowScaling::WindowScaling(QWindow *window)
    : QObject(window)
    , m_window(window)
    , m_scaleOptions{QStringLiteral("Auto"), QStringLiteral("100%"), QStringLiteral("125%"),
                     QStringLiteral("150%"), QStringLiteral("200%"), QStringLiteral("250%"),
                     QStringLiteral("300%")}
{
    m_lastPpp = ppp();
}

void WindowScaling::attach()
{
    m_attached = true;
    connect(m_window, &QWindow::windowStateChanged, this, &WindowScaling::windowStateUpdate);
    for (auto changed :
         {&QWindow::xChanged, &QWindow::yChanged, &QWindow::widthChanged, &QWindow::heightChanged})
        connect(m_window, changed, this, &WindowScaling::geometryUpdate);
}

void WindowScaling::restore(bool show)
{
    // The stored size is in design pixels: lay it out at the current ppp, so a window on a
    // high-density screen comes back as large as it was closed.
    const QRect stored = storedGeometry();
    m_window->setGeometry(stored.x(), stored.y(), qRound(stored.width() * m_lastPpp),
                          qRound(stored.height() * m_lastPpp));

    const int scaleIndex = storedScaleIndex();
    setScaleIndex(1);
    setScaleIndex(scaleIndex);

    m_initialising = false;
    m_window->setWindowState(Qt::WindowState(storedWindowState()));
    if (!show)
        return;
    if (m_window->windowStates() & Qt::WindowMaximized)
        m_window->showMaximized();
    else
        m_window->show();
}

void WindowScaling::storeGeometry()
{
    applyGeometry(m_window->geometry());
}

double WindowScaling::ppp() const
{
    return pppForScale(m_scale);
}

double WindowScaling::pppForScale(double scale) const
{
    return pixelSizeOfReferenceFont(scale) / ui::ReferencePixelSize;
}

int WindowScaling::referencePixelSize() const
{
    return pixelSizeOfReferenceFont(m_scale);
}

void WindowScaling::setScaleIndex(int index)
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
            index, screen->availableGeometry().size(), m_window->frameMargins(),
            [&](int i) { return pppForScale(ui::optionScale(m_scaleOptions.at(i), base)); });
    }
    m_scaleIndex = index;
    updateScale(screen);

    writeSetting(QStringLiteral("scaleIndex"), m_scaleIndex);
    if (m_scaleIndex != oldIndex) {
        // The window follows before anyone hears of the new scale.
        if (m_attached)
            scaleUpdate();
        emit scaleChanged(m_scale);
    }
    emit scaleIndexChanged(m_scaleIndex);
}

// The screen the window was last stored on, or the primary one.
QScreen *WindowScaling::scaleScreen() const
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QVector<QRect> available;
    for (QScreen *s : screens)
        available.append(s->availableGeometry());
    const int found = ui::screenIndexAt(storedGeometry().topLeft(), available);
    return found >= 0 ? screens.at(found) : QGuiApplication::primaryScreen();
}

bool WindowScaling::scaleOptionFits(int index) const
{
    QScreen *screen = scaleScreen();
    if (!screen || index < 0 || index >= m_scaleOptions.size())
        return false;
    const double scale = ui::optionScale(m_scaleOptions.at(index), baseScaleOf(screen));
    return ui::scaleFits(pppForScale(scale), screen->availableGeometry().size(),
                         m_window->frameMargins());
}

double WindowScaling::baseScaleOf(QScreen *screen) const
{
    const double dpiRatio
        = screen ? screen->logicalDotsPerInch() / screen->physicalDotsPerInch() : 1.0;
    return ui::baseScale(pixelSizeOfReferenceFont(1.0), dpiRatio);
}

void WindowScaling::updateScale(QScreen *screen)
{
    m_scale = ui::optionScale(m_scaleOptions.value(m_scaleIndex), baseScaleOf(screen));
}

int WindowScaling::storedWindowState() const
{
    bool ok = false;
    const int state = readSetting(QStringLiteral("state"), 0).toInt(&ok);
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

int WindowScaling::storedScaleIndex() const
{
    bool ok = false;
    const int index = readSetting(QStringLiteral("scaleIndex"), 0).toInt(&ok);
    if (ok && index >= 0 && index < m_scaleOptions.size())
        return index;
    qCDebug(lcApp) << "window: ignoring the stored scale index";
    return 0;
}

QRect WindowScaling::storedGeometry() const
{
    const QVariant value = readSetting(QStringLiteral("geometry"), DefaultGeometry);
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

void WindowScaling::scaleUpdate()
{
    const double newPpp = ppp();
    m_window->setMinimumWidth(int(newPpp * ui::DesignWidth));
    m_window->setMinimumHeight(int(newPpp * ui::DesignHeight));
    const QRect g = m_window->geometry();
    // Rounded rather than truncated, so switching scales back and forth does not creep.
    applyGeometry(QRect(g.topLeft(), QSize(qRound(g.width() / m_lastPpp * newPpp),
                                           qRound(g.height() / m_lastPpp * newPpp))));
    emit pppChanged(newPpp);
    m_lastPpp = newPpp;
}

void WindowScaling::applyGeometry(const QRect &rect)
{
    if (m_window->windowStates() & Qt::WindowMaximized)
        return;
    QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        m_window->setGeometry(ui::clampToDesktop(rect, primary->availableVirtualGeometry(),
                                                 m_window->frameMargins()));
    else
        m_window->setGeometry(rect);
    const QRect g = m_window->geometry();
    const double currentPpp = ppp();
    writeSetting(
        QStringLiteral("geometry"),
        QRect(g.left(), g.top(), qRound(g.width() / currentPpp), qRound(g.height() / currentPpp)));
}

void WindowScaling::windowStateUpdate(Qt::WindowState state)
{
    if (m_initialising)
        return;
    // A minimised window is stored as a normal one, so it never comes back minimised.
    writeSetting(QStringLiteral("state"),
                 state == Qt::WindowMinimized ? int(Qt::WindowNoState) : int(state));
}

void WindowScaling::geometryUpdate()
{
    const int width = int(m_window->width() / m_scale);
    const int height = int(m_window->height() / m_scale);
    const bool widthChanged = width != m_unscaledWidth;
    const bool heightChanged = height != m_unscaledHeight;
    m_unscaledWidth = width;
    m_unscaledHeight = height;
    if (widthChanged)
        emit unscaledWidthChanged(width);
    if (heightChanged)
        emit unscaledHeightChanged(height);
}
