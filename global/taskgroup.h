#pragma once

#include <QFuture>
#include <QMutex>
#include <QVector>
#include <QtConcurrent>

#include <algorithm>
#include <atomic>

namespace global {

// The pool tasks an object started, so that the object can close them before it goes: a task
// must never outlive the objects it uses. Tasks still queued at closing give up without running;
// running ones are waited for.
class TaskGroup
{
public:
    ~TaskGroup() { closeAndWait(); }

    template<typename Task>
    void run(Task task)
    {
        QMutexLocker lock(&m_mutex);
        m_tasks.erase(std::remove_if(m_tasks.begin(), m_tasks.end(),
                                     [](const QFuture<void> &done) { return done.isFinished(); }),
                      m_tasks.end());
        m_tasks.append(QtConcurrent::run([this, task] {
            if (!m_closing)
                task();
        }));
    }

    // Waiting on a task that has not started yet may run it right here; it then gives up at once.
    void closeAndWait()
    {
        m_closing = true;
        QVector<QFuture<void>> tasks;
        {
            QMutexLocker lock(&m_mutex);
            tasks.swap(m_tasks);
        }
        for (QFuture<void> &task : tasks)
            task.waitForFinished();
    }

private:
    QMutex m_mutex;
    QVector<QFuture<void>> m_tasks;
    std::atomic<bool> m_closing{false};
};

} // namespace global
