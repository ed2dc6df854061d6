// Holds an instance guard for the guard test: prints "acquired" or "refused", and when it
// acquired the guard keeps it until its standard input closes.
#include "app/instanceguard.h"

#include <QCoreApplication>

#include <cstdio>

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
    while (std::getchar() != EOF) {
    }
    return 0;
}
