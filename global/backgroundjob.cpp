#include "global/backgroundjob.h"

#include <cmath>
#include <memory>

namespace global {

BackgroundJob::BackgroundJob(QObject *parent)
    : QObject(parent)
{}

void BackgroundJob::begin()
{
    m_busy = true;
    emit busyChanged(true);
    setProgress(0.0);
}

void BackgroundJob::end(bool ok, const QString &file, const QString &error)
{
    setProgress(ok ? 1.0 : m_progress);
    m_busy = false;
    emit busyChanged(false);
    emit finished(ok, file, error);
}

void BackgroundJob::setProgress(double progress)
{
    if (progress == m_progress)
        return;
    m_progress = progress;
    emit progressChanged(progress);
}

std::function<void(double)> BackgroundJob::progressReporter()
{
    // Whole percents only: the scene need not hear of every step.
    return [this, shown = std::make_shared<int>(0)](double done) {
        const int percent = int(std::floor(done * 100.0));
        if (percent == *shown)
            return;
        *shown = percent;
        QMetaObject::invokeMethod(
            this, [this, done] { setProgress(done); }, Qt::QueuedConnection);
    };
}

} // namespace global
