#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace global {

// Work the window starts on the thread pool and shows while it runs: busy, how far it has
// come, and how it ended. The owner calls begin() and end() on its own thread; workers report
// through a progress reporter, which hands whole percents over to that thread.
class BackgroundJob : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    // 0 to 1 while busy.
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)

public:
    bool busy() const { return m_busy; }
    double progress() const { return m_progress; }

signals:
    void busyChanged(bool busy);
    void progressChanged(double progress);
    // The work was done (ok), or not: with why not (in English, from the engine or the
    // system), or with nothing when it was cancelled. `file` names a file written, if any.
    void finished(bool ok, const QString &file, const QString &error);

protected:
    explicit BackgroundJob(QObject *parent = nullptr);

    void begin();
    void end(bool ok, const QString &file, const QString &error);
    void setProgress(double progress);
    // For one worker: called with the share done, 0 to 1, from its thread.
    std::function<void(double)> progressReporter();

private:
    bool m_busy = false;
    double m_progress = 0.0;
};

} // namespace global
