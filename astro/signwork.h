#pragma once

#include "astro/searches.h"

#include <QMutex>
#include <QVector>
#include <QWaitCondition>

#include <atomic>

namespace astro {

// The ingresses of a span and the void of course before each, shared between the thread that
// needs them and one helper on the thread pool: whichever comes first scans for the ingresses,
// then both take voids one at a time. The owner never waits for a helper that has not started
// (the pool may be busy): it does what is left itself. Held by a shared pointer, so that a
// helper that starts late finds it still there, and nothing left to do.
class SignWork
{
public:
    struct Result
    {
        QVector<Ingress> ingresses;
        QVector<VoidOfCourse> voids; // one for each ingress
    };

    // The span from one Julian day up to another; the work stops early once *stop is set.
    SignWork(const Sky &sky, double from, double to, const std::atomic<bool> *stop);

    // A helper's part: works until nothing is left to take.
    void help();
    // The owner's part, once it is free: the ingresses are found between the samples when no
    // helper has started scanning (they must reach from the span's start to its end). Waits for
    // the voids a helper has in hand; after it, a helper finds nothing to do.
    Result finish(const QVector<LongitudeSample> &samples);

private:
    bool stopped() const { return (m_stop && *m_stop) || m_finished; }
    void scan(const QVector<LongitudeSample> *samples);
    void takeVoids();

    const Sky m_sky;
    const double m_from;
    const double m_to;
    const std::atomic<bool> *m_stop;
    std::atomic<bool> m_scanTaken{false};
    std::atomic<bool> m_finished{false};

    QMutex m_mutex;
    QWaitCondition m_changed;
    bool m_scanned = false; // the ingresses are known
    int m_nextVoid = 0;     // the next void to take
    int m_voidsDone = 0;    // of those taken
    QVector<Ingress> m_ingresses;
    QVector<VoidOfCourse> m_voids;
};

} // namespace astro
