#include "astro/calculation.h"

#include "astro/compute.h"
#include "astro/library.h"
#include "astro/logging.h"
#include "astro/moonevents.h"

#include <QQmlEngine>

#include <algorithm>
#include <cmath>

namespace astro {

Calculation::Calculation(QObject *parent)
    : QObject(parent)
{}

Calculation::~Calculation()
{
    m_workers.close();
}

QString Calculation::body() const
{
    QMutexLocker locker(&m_lock);
    return m_body;
}

CalculationMethod Calculation::method() const
{
    QMutexLocker locker(&m_lock);
    return m_method;
}

Position Calculation::observer() const
{
    QMutexLocker locker(&m_lock);
    return m_observer;
}

QVector3D Calculation::observerVector() const
{
    QMutexLocker locker(&m_lock);
    return QVector3D(float(m_observer.longitude()), float(m_observer.latitude()),
                     float(m_observer.altitude()));
}

int Calculation::bodyNumber() const
{
    QMutexLocker locker(&m_lock);
    return m_bodyNumber;
}

// The setters announce a change only after releasing the lock: a receiver connected directly
// (a declarative binding reading `observer`, say) calls straight back into the getters, which
// take the same non-recursive lock and would otherwise hang the interface thread.
void Calculation::setBody(const QString &body)
{
    QMutexLocker locker(&m_lock);
    if (body == m_body)
        return;
    const int number = astro::bodyNumber(body);
    if (number < 0) {
        qCDebug(lcAstro).noquote() << QStringLiteral("invalid body '%1'").arg(body);
        return;
    }
    m_bodyNumber = std::clamp(number, 0, int(Planet::LAST));
    m_body = body;
    locker.unlock();
    emit bodyChanged(body);
}

void Calculation::setMethod(const CalculationMethod &method)
{
    QMutexLocker locker(&m_lock);
    if (method == m_method)
        return;
    m_method = method;
    locker.unlock();
    emit methodChanged(method);
}

void Calculation::setObserver(const Position &observer)
{
    // A place off the globe (or not a number) would make every later result meaningless.
    const bool sane = std::isfinite(observer.longitude()) && std::isfinite(observer.latitude())
                      && std::isfinite(observer.altitude())
                      && std::fabs(observer.latitude()) <= 90.0
                      && std::fabs(observer.longitude()) <= 180.0;
    if (!sane) {
        qCDebug(lcAstro).noquote() << QStringLiteral("invalid observer %1, %2, %3 ignored")
                                          .arg(observer.longitude())
                                          .arg(observer.latitude())
                                          .arg(observer.altitude());
        return;
    }
    QMutexLocker locker(&m_lock);
    if (observer.longitude() == m_observer.longitude()
        && observer.latitude() == m_observer.latitude()
        && observer.altitude() == m_observer.altitude())
        return;
    m_observer = observer;
    locker.unlock();
    emit observerChanged(observer);
    emit observerVectorChanged(QVector3D(float(observer.longitude()), float(observer.latitude()),
                                         float(observer.altitude())));
}

void Calculation::setObserverVector(const QVector3D &vector)
{
    setObserver(Position(vector.x(), vector.y(), vector.z()));
}

Zone Calculation::zone() const
{
    QMutexLocker locker(&m_lock);
    return m_zone;
}

QString Calculation::zoneId() const
{
    return QString::fromUtf8(zone().id());
}

void Calculation::setZone(const QString &ianaId)
{
    std::optional<Zone> zone = Zone::named(ianaId.toUtf8());
    if (!zone) {
        qCWarning(lcAstro).noquote()
            << QStringLiteral("unknown time zone '%1', showing this computer's").arg(ianaId);
        zone = Zone::system();
    }
    QMutexLocker locker(&m_lock);
    if (zone->id() == m_zone.id())
        return;
    m_zone = *zone;
    locker.unlock();
    emit zoneChanged(QString::fromUtf8(zone->id()));
}

void Calculation::fullEphemeris(const QDateTime &time)
{
    if (!time.isValid())
        return;
    m_workers.run([this, time, sky = sky()] {
        emit beginEphemeris();
        std::unique_ptr<Ephemeris> ephemeris = computeEphemeris(sky, time);
        if (!ephemeris) {
            emit ephemerisFailed(time);
            return;
        }
        // Published to the interface's thread; the declarative engine frees it once nothing
        // refers to it any more.
        ephemeris->moveToThread(thread());
        QQmlEngine::setObjectOwnership(ephemeris.get(), QQmlEngine::JavaScriptOwnership);
        emit ephemerisCalculated(ephemeris.release());
    });
}

int Calculation::outlook(const QDateTime &time)
{
    const int request = ++m_outlooks;
    if (!time.isValid())
        return request;
    m_workers.run([this, request, time, sky = sky()] {
        // A later request has been made meanwhile: nobody waits for this one.
        if (request != m_outlooks)
            return;
        QVariantMap result;
        if (const std::optional<Outlook> o = outlookFrom(sky, julianDay(time))) {
            result.insert(QStringLiteral("distanceKm"), o->distanceKm);
            const std::pair<const char *, const std::optional<MoonEvent> &> events[]
                = {{"perigee", o->perigee}, {"apogee", o->apogee}, {"eclipse", o->eclipse}};
            for (const auto &[name, event] : events) {
                if (event)
                    result.insert(QLatin1String(name), toVariant(sky, *event));
            }
        }
        emit outlookCalculated(request, result);
    });
    return request;
}

Sky Calculation::sky() const
{
    QMutexLocker locker(&m_lock);
    return Sky{m_bodyNumber, m_observer, m_zone};
}

bool Calculation::isCurrent(Ephemeris *e) const
{
    return e && isCurrentSky(e->observer(), QString::fromUtf8(e->zone()));
}

bool Calculation::isCurrentSky(const Position &observer, const QString &zone) const
{
    return observer == this->observer() && zone.toUtf8() == this->zone().id();
}

} // namespace astro
