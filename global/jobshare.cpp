#include "global/jobshare.h"

#include <QThreadPool>
#include <QtConcurrent>

namespace global {

namespace {

// Shared with the helper, which may outlive the call: it holds its own reference and touches
// the jobs only while one is left to take, which is never after shareJobs() has returned.
struct Share
{
    explicit Share(const QVector<std::function<void()>> &list)
        : jobs(list)
    {}

    // Takes and runs jobs until none is left.
    void work()
    {
        QMutexLocker locker(&mutex);
        while (next < jobs.size()) {
            const int i = next++;
            locker.unlock();
            jobs.at(i)();
            locker.relock();
            if (++done == jobs.size())
                finished.wakeAll();
        }
    }

    void waitForAll()
    {
        QMutexLocker locker(&mutex);
        while (done < jobs.size())
            finished.wait(&mutex);
    }

    const QVector<std::function<void()>> jobs;
    QMutex mutex;
    QWaitCondition finished;
    int next = 0;
    int done = 0;
};

} // namespace

void shareJobs(const QVector<std::function<void()>> &jobs)
{
    if (jobs.size() < 2) {
        for (const auto &job : jobs)
            job();
        return;
    }
    auto share = std::make_shared<Share>(jobs);
    QtConcurrent::run(QThreadPool::globalInstance(), [share] { share->work(); });
    share->work();
    share->waitForAll();
}

} // namespace global
