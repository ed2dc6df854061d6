#pragma once

#include <QSharedMemory>
#include <QString>
#include <QSystemSemaphore>

// Keeps a second copy of the program from running: the first copy holds a small shared-memory
// segment, and a system-wide semaphore serialises the check-and-create across processes.
class InstanceGuard
{
public:
    explicit InstanceGuard(const QString &key);
    ~InstanceGuard();

    InstanceGuard(const InstanceGuard &) = delete;
    InstanceGuard &operator=(const InstanceGuard &) = delete;

    // True when this process may run; it then holds the segment for as long as the guard lives.
    bool tryAcquire();

    // Hex SHA-1 of the UTF-8 bytes of key followed by those of suffix.
    static QString guardKey(const QString &key, const QString &suffix);

private:
    const QString m_key;
    const QString m_lockKey;
    const QString m_memoryKey;
    QSharedMemory m_memory;
    QSystemSemaphore m_lock;
};
