#include "app/terminationsignals.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int s_pipe[2] = {-1, -1};
QPointer<QWindow> s_target;

// Only async-signal-safe work here: hand the signal to the event loop through the socket.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[0], &byte, 1);
}

// A modal dialog blocks the window's close, and one with an event loop of its own (a message
// box) holds the program in that loop: each is dismissed first, as the user would. A dialog that
// will not go is given up on after a few tries rather than waited for.
void dismissModalDialogs()
{
    for (int tries = 0; tries < 16; ++tries) {
        if (QWidget *widget = QApplication::activeModalWidget()) {
            if (auto *dialog = qobject_cast<QDialog *>(widget))
                dialog->reject();
            else
                widget->close();
        } else if (QWindow *window = QGuiApplication::modalWindow()) {
            window->close();
        } else {
            return;
        }
    }
}

void onRequestToEnd()
{
    char byte;
    [[maybe_unused]] const ssize_t read = ::read(s_pipe[1], &byte, 1);
    dismissModalDialogs();
    if (s_target && s_target->isVisible())
        s_target->close();
    // Its close may have been refused, only hidden it in the tray, or it never showed (a start
    // in the tray): the loops end all the same.
    QCoreApplication::quit();
}

} // namespace

void closeOnTerminationSignals(QWindow *window)
{
    s_target = window;
    if (s_pipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, s_pipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(s_pipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, onRequestToEnd);

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
