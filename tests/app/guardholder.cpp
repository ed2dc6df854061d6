// Holds an instance guard for the guard test: prints "acquired" or "refused"; when it acquired
// the guard it prints "shown" whenever a later start asks for its window, and keeps the guard
// until its standard input closes.
#include "app/instanceguard.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    InstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    if (!guard.tryAcquire()) {
        std::puts("refused");
        return 0;
    }
    std::puts("acquired");
    std::fflush(stdout);
    guard.setActivationHandler([] {
        std::puts("shown");
        std::fflush(stdout);
    });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            app.quit();
    });
    return app.exec();
}
