// A notification service that prints what it is sent, one line each with the time on the clock
// it runs on: for watching the program's reminders on a private session bus,
//   dbus-run-session -- sh -c 'build/bin/notifycatcher & build/bin/vendarion'
#include "fakenotifications.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    FakeNotifications service;
    if (!service.registerOnSessionBus()) {
        std::fputs("notifycatcher: the name org.freedesktop.Notifications is taken\n", stderr);
        return 1;
    }
    QObject::connect(&service, &FakeNotifications::received,
                     [](const QString &summary, const QString &body) {
                         std::printf("%s  %s | %s\n",
                                     qPrintable(QDateTime::currentDateTime().toString(
                                         QStringLiteral("yyyy-MM-dd HH:mm:ss"))),
                                     qPrintable(summary), qPrintable(body));
                         std::fflush(stdout);
                     });
    return app.exec();
}
