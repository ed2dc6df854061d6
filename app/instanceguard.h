#pragma once

#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;

// Keeps a second copy of the program from running for the same user. The first copy holds a
// lock file in the user's private runtime folder and listens on a local socket beside it; a
// second start finds the lock taken, asks the first copy through the socket to show its window,
// and ends. Another user has another runtime folder, so one user's copy never stops another's,
// and nobody else can create, open or hold the objects in it.
//
// Needs the application object: the lock file records the program, and the socket is served by
// the event loop.
class InstanceGuard
{
public:
    explicit InstanceGuard(const QString &key);
    ~InstanceGuard();

    InstanceGuard(const InstanceGuard &) = delete;
    InstanceGuard &operator=(const InstanceGuard &) = delete;

    // True when this process may run; it then holds the lock for as long as the guard lives.
    // False when another copy of this user holds it; that copy has been asked to show itself.
    bool tryAcquire();

    // Called on the main thread whenever a later start asks this copy to show itself.
    void setActivationHandler(std::function<void()> handler);

    // The folder that holds the lock and the socket: the runtime folder when it is a directory
    // of this user's that nobody else may enter, otherwise a folder of that kind made in the
    // temporary folder. Empty, with a log line, when neither can be had.
    static QString privateFolder();

private:
    void listen();
    QString socketName() const;

    const QString m_key;
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
    std::function<void()> m_activate;
};
