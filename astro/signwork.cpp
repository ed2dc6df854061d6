#include "astro/signwork.h"

namespace astro {

SignWork::SignWork(const Sky &sky, double from, double to, const std::atomic<bool> *stop)
    : m_sky(sky)
    , m_from(from)
    , m_to(to)
    , m_stop(stop)
{}

void SignWork::help()
{
    if (stopped())
        return;
    if (!m_scanTaken.exchange(true))
        scan(nullptr);
    takeVoids();
}

SignWork::Result SignWork::finish(const QVector<LongitudeSample> &samples)
{
    if (!m_scanTaken.exchange(true))
        scan(&samples);
    takeVoids();
    QMutexLocker locker(&m_mutex);
    while (m_voidsDone < m_nextVoid)
        m_changed.wait(&m_mutex);
    m_finished = true;
    return {m_ingresses, m_voids};
}

void SignWork::scan(const QVector<LongitudeSample> *samples)
{
    QVector<Ingress> found;
    if (!stopped())
        found = samples ? ingressesBetween(m_sky, *samples, m_stop)
                        : ingresses(m_sky, m_from, m_to, m_stop);
    QMutexLocker locker(&m_mutex);
    m_ingresses = found;
    m_voids.resize(found.size());
    m_scanned = true;
    m_changed.wakeAll();
}

void SignWork::takeVoids()
{
    QMutexLocker locker(&m_mutex);
    // The scan was taken by a thread that is running it.
    while (!m_scanned)
        m_changed.wait(&m_mutex);
    while (m_nextVoid < m_ingresses.size() && !stopped()) {
        const int i = m_nextVoid++;
        const Ingress ingress = m_ingresses.at(i);
        locker.unlock();
        const VoidOfCourse v = voidBefore(m_sky, ingress);
        locker.relock();
        m_voids[i] = v;
        ++m_voidsDone;
        m_changed.wakeAll();
    }
}

} // namespace astro
