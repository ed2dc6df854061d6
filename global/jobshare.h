#pragma once

#include <QMutex>
#include <QVector>
#include <QWaitCondition>

#include <functional>
#include <memory>

namespace global {

// Runs a list of independent jobs on the calling thread and one helper from the thread pool at
// once, each job taken by whichever is free, and returns when all have run. The caller never
// waits for a helper that has not started (the pool may be busy): it runs what is left itself,
// and a helper that starts late finds nothing to take. Jobs must not wait for one another.
void shareJobs(const QVector<std::function<void()>> &jobs);

} // namespace global
