#include "app/scenebackend.h"

#include "app/logging.h"

#include <QOpenGLContext>
#include <QQuickWindow>
#include <QSGRendererInterface>

namespace ui {

namespace {

// The platform's own complaint about a context it cannot make is the question being asked here,
// not news: the answer is told in one line of ours.
void dropLine(QtMsgType, const QMessageLogContext &, const QString &) {}

bool openGLContextCanBeMade()
{
    const QtMessageHandler previous = qInstallMessageHandler(dropLine);
    QOpenGLContext context;
    const bool made = context.create();
    qInstallMessageHandler(previous);
    return made;
}

} // namespace

void chooseSceneBackend()
{
    // Qt reads these itself; a backend asked for is left to it.
    for (const char *variable : {"QMLSCENE_DEVICE", "QT_QUICK_BACKEND"}) {
        const QString requested = qEnvironmentVariable(variable);
        if (!requested.isEmpty()) {
            qCDebug(lcApp).noquote()
                << QStringLiteral("window: drawing with the scene graph backend \"%1\" that %2 "
                                  "names")
                       .arg(requested, QLatin1String(variable));
            return;
        }
    }
    if (openGLContextCanBeMade())
        return;
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    qCDebug(lcApp).noquote() << QStringLiteral(
        "window: no OpenGL context can be made, drawing with Qt Quick's software renderer");
}

bool sceneUsesOpenGL()
{
    // Empty for the default, which is OpenGL; a backend that could not be loaded falls back to
    // it too.
    const QString backend = QQuickWindow::sceneGraphBackend();
    return backend.isEmpty() || backend == QLatin1String("opengl");
}

} // namespace ui
