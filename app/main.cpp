#include "app/companion.h"
#include "app/instanceguard.h"
#include "app/logging.h"
#include "app/modules.h"
#include "app/scenebackend.h"
#include "app/terminationsignals.h"
#include "app/ui.h"
#include "astro/library.h"
#include "global/object.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Without a display the platform layer would abort with a terse message; say what to do instead.
bool displayMissing()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

// The icon theme's, when the program is installed with its icons; else the same drawing built in.
QIcon programIcon()
{
    QIcon builtIn;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/icons/%1x%1/vendarion.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QStringLiteral("vendarion"), builtIn);
}

} // namespace

int main(int argc, char **argv)
{
    installLogHandler();
#ifdef Q_OS_WIN
    qCDebug(lcApp).noquote() << QStringLiteral("SetProcessDPIAware: %1")
                                    .arg(SetProcessDPIAware() ? QStringLiteral("true")
                                                              : QStringLiteral("false"));
#endif
    if (displayMissing()) {
        std::fputs("vendarion: no display found. Start it from a desktop session, or without "
                   "one under a virtual display: xvfb-run ./vendarion\n",
                   stderr);
        return 1;
    }

    // The window scales itself; the framework's own high-DPI scaling would scale twice.
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    auto app = std::make_unique<QApplication>(argc, argv);
    // Once there is an application object: the guard's socket is served by its event loop.
    auto guard = std::make_unique<InstanceGuard>(QStringLiteral("Harkel_Vendarion"));
    if (!guard->tryAcquire())
        return 0;
    // The desktop puts the window under the menu entry vendarion.desktop: on Wayland by this
    // name, on X11 by the window class, which is the program's file name, "vendarion".
    QGuiApplication::setDesktopFileName(QStringLiteral("vendarion"));
    QGuiApplication::setWindowIcon(programIcon());
    qCDebug(lcApp).noquote()
        << QStringLiteral("app path is '%1'").arg(QCoreApplication::applicationDirPath());
    qCDebug(lcApp).noquote() << global::Object::resourceFolderReport();

    astro::setupEphemeris();
    installModules();
    // Before the first Qt Quick window.
    ui::chooseSceneBackend();
    // Before the window shows, so that an early request to end is not the default, abrupt end;
    // it is acted on once the event loop runs.
    closeOnTerminationSignals(UI::instance());
    // Started by the desktop's autostart entry: in the tray, without the window.
    UI::instance()->setupWindow(!QCoreApplication::arguments().contains(QStringLiteral("--tray")));
    guard->setActivationHandler([] { UI::instance()->bringToFront(); });

    const int result = app->exec();

    // The window goes before the application object, and the settings written while it closed
    // reach the disk before the process ends. The companion's tray and timers go first.
    delete Companion::instance();
    delete UI::instance();
    delete global::Object::instance();
    guard.reset();
    app.reset();
    return result;
}
