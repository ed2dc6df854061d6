#include "app/instanceguard.h"

#include <QCryptographicHash>

InstanceGuard::InstanceGuard(const QString &key)
    : m_key(key)
    , m_lockKey(guardKey(key, QStringLiteral("_memoryLockKey")))
    , m_memoryKey(guardKey(key, QStringLiteral("_sharedMemoryKey")))
    , m_memory(m_memoryKey)
    , m_lock(m_lockKey, 1, QSystemSemaphore::Open)
{
    // A copy that crashed on Unix leaves its segment behind with nobody attached. Attaching and
    // detaching once makes us its last user, and the segment goes away with the detach.
    m_lock.acquire();
    {
        QSharedMemory leftover(m_memoryKey);
        leftover.attach();
    }
    m_lock.release();
}

InstanceGuard::~InstanceGuard()
{
    m_lock.acquire();
    if (m_memory.isAttached())
        m_memory.detach();
    m_lock.release();
}

bool InstanceGuard::tryAcquire()
{
    if (!m_memory.isAttached()) {
        m_lock.acquire();
        const bool running = m_memory.attach();
        if (running)
            m_memory.detach();
        m_lock.release();
        if (running)
            return false;
    }

    m_lock.acquire();
    const bool created = m_memory.create(8);
    m_lock.release();
    if (created)
        return true;

    m_lock.acquire();
    if (m_memory.isAttached())
        m_memory.detach();
    m_lock.release();
    return false;
}

QString InstanceGuard::guardKey(const QString &key, const QString &suffix)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(key.toUtf8());
    hash.addData(suffix.toUtf8());
    return QString::fromLatin1(hash.result().toHex());
}
