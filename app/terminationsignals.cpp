#include "app/terminationsignals.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWindow>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int s_pipe[2] = {-1, -1};

// Only async-signal-safe work here: hand the signal to the event loop through the socket.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[0], &byte, 1);
}

} // namespace

void closeOnTerminationSignals(QWindow *window)
{
    if (s_pipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, s_pipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(s_pipe[1], QSocketNotifier::Read, qApp);
    QPointer<QWindow> target(window);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [target] {
        char byte;
        [[maybe_unused]] const ssize_t read = ::read(s_pipe[1], &byte, 1);
        if (target && target->isVisible())
            target->close();
        else
            QCoreApplication::quit();
    });

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

#else

void closeOnTerminationSignals(QWindow *) {}

#endif
