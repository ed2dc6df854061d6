#pragma once

#include <QMutex>
#include <QWaitCondition>

namespace astro {

// Counts the pool tasks an object started, so that its destructor can wait for them: a task
// must never outlive the objects it uses.
class WorkerCount
{
public:
    void begin()
    {
        QMutexLocker locker(&m_mutex);
        ++m_count;
    }
    void end()
    {
        QMutexLocker locker(&m_mutex);
        if (--m_count == 0)
            m_idle.wakeAll();
    }
    void waitForIdle()
    {
        QMutexLocker locker(&m_mutex);
        while (m_count > 0)
            m_idle.wait(&m_mutex);
    }

private:
    QMutex m_mutex;
    QWaitCondition m_idle;
    int m_count = 0;
};

} // namespace astro
