#pragma once

#include <QMutex>
#include <QThreadPool>
#include <QWaitCondition>
#include <QtConcurrent>

#include <atomic>

namespace global {

// The pool tasks that use an object, counted so that the object can wait for them before it
// goes: a task must never outlive the objects it uses. A task started through run() is counted
// from the moment it is queued; a worker started elsewhere that uses the object registers with
// begin() and end(). After close(), tasks still queued give up without running.
class TaskGroup
{
public:
    ~TaskGroup() { close(); }

    template<typename Task>
    void run(Task task)
    {
        begin();
        QtConcurrent::run(QThreadPool::globalInstance(), [this, task] {
            if (!m_closing)
                task();
            end();
        });
    }

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

    // Blocks until every task counted so far has ended.
    void waitForIdle()
    {
        QMutexLocker locker(&m_mutex);
        while (m_count > 0)
            m_idle.wait(&m_mutex);
    }

    void close()
    {
        m_closing = true;
        waitForIdle();
    }
    bool isClosing() const { return m_closing; }

private:
    QMutex m_mutex;
    QWaitCondition m_idle;
    int m_count = 0;
    std::atomic<bool> m_closing{false};
};

} // namespace global
