#include "app/instanceguard.h"

#include "app/logging.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

void log(const QString &line)
{
    qCDebug(lcApp).noquote() << QStringLiteral("instance guard: ") + line;
}

#ifdef Q_OS_UNIX
// Why a folder will not do as a private one, or an empty text when it will: it must be a
// directory itself (a link could be turned elsewhere), this user's, and closed to everyone else.
QString whyNotPrivate(const QString &path)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("missing");
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("not a directory");
    if (info.st_uid != ::geteuid())
        return QStringLiteral("owned by another user");
    if (info.st_mode & (S_IRWXG | S_IRWXO))
        return QStringLiteral("open to other users");
    return {};
}
#endif

} // namespace

InstanceGuard::InstanceGuard(const QString &key)
    : m_key(key)
{}

InstanceGuard::~InstanceGuard()
{
    // The socket goes first: a start that finds no lock must not find a server either.
    m_server.reset();
    m_lock.reset();
}

QString InstanceGuard::privateFolder()
{
#ifdef Q_OS_UNIX
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString problem = whyNotPrivate(runtime);
    if (!runtime.isEmpty() && problem.isEmpty())
        return runtime;
    const QString fallback
        = QDir::tempPath() + QStringLiteral("/vendarion-%1").arg(ulong(::geteuid()));
    if (runtime.isEmpty())
        log(QStringLiteral("no runtime folder is set, using %1").arg(fallback));
    else
        log(QStringLiteral("the runtime folder %1 is %2, using %3")
                .arg(runtime, problem, fallback));
    // Made closed from the start. When the name is taken, what is there is checked like any
    // other folder: another user may have planted it, and it is then not used.
    ::mkdir(QFile::encodeName(fallback).constData(), 0700);
    problem = whyNotPrivate(fallback);
    if (problem.isEmpty())
        return fallback;
    log(QStringLiteral("%1 is %2, running without a guard").arg(fallback, problem));
    return {};
#else
    // The temporary folder is the user's own here.
    return QDir::tempPath();
#endif
}

bool InstanceGuard::tryAcquire()
{
    if (m_lock)
        return true;
    m_folder = privateFolder();
    // Better a second copy now and then than a program that a stranger can keep from starting.
    if (m_folder.isEmpty())
        return true;

    const QString lockName = m_folder + QLatin1Char('/') + m_key + QStringLiteral(".lock");
    auto lock = std::make_unique<QLockFile>(lockName);
    // The lock is held for the whole run; it is stale only once its holder has gone.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        listen();
        return true;
    }
    if (lock->error() != QLockFile::LockFailedError) {
        log(QStringLiteral("cannot create %1, running without a guard").arg(lockName));
        return true;
    }

    // The copy that holds the lock may be a moment away from listening.
    const QString name = socketName();
    for (int attempt = 0; attempt < 20; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(500)) {
            socket.disconnectFromServer();
            return false;
        }
        QThread::msleep(50);
    }
    log(QStringLiteral("another copy holds %1 but does not answer").arg(lockName));
    return false;
}

void InstanceGuard::listen()
{
    const QString name = socketName();
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // This copy holds the lock, so a socket already there is what a killed copy left behind.
    QLocalServer::removeServer(name);
    if (!m_server->listen(name)) {
        log(QStringLiteral("cannot listen on %1 (%2), a later start will not show this window")
                .arg(name, m_server->errorString()));
        m_server.reset();
        return;
    }
    // A connection is the whole request: only this user can reach the socket.
    QObject::connect(m_server.get(), &QLocalServer::newConnection, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection())
            socket->deleteLater();
        if (m_activate)
            m_activate();
    });
}

QString InstanceGuard::socketName() const
{
#ifdef Q_OS_UNIX
    return m_folder + QLatin1Char('/') + m_key + QStringLiteral(".socket");
#else
    // Local servers elsewhere are named pipes, which take a plain name and no path.
    return m_key;
#endif
}

void InstanceGuard::setActivationHandler(std::function<void()> handler)
{
    m_activate = std::move(handler);
}
