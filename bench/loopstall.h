#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

// How long the event loop goes without running a short timer: the longest pause a user of the
// window would feel while the measured work runs beside it.
class LoopStallProbe
{
public:
    LoopStallProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.elapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_overLimit += now - m_last > m_limit;
            m_last = now;
        });
    }

    // Starts afresh, ticking every intervalMs; stalls longer than limitMs are also counted.
    void start(int intervalMs, qint64 limitMs = 50)
    {
        m_limit = limitMs;
        m_last = m_longest = 0;
        m_overLimit = 0;
        m_clock.start();
        m_timer.start(intervalMs);
    }
    void stop() { m_timer.stop(); }

    qint64 longest() const { return m_longest; }
    int overLimit() const { return m_overLimit; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
    qint64 m_limit = 50;
    int m_overLimit = 0;
};
