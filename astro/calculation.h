#pragma once

#include "astro/calculationmethod.h"
#include "astro/ephemeris.h"
#include "astro/position.h"
#include "astro/sky.h"
#include "global/taskgroup.h"

#include <QDateTime>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <QVector3D>

#include <atomic>

namespace astro {

// The engine's face to the window: which body, which observer, and the full ephemeris of a
// moment computed on the thread pool. The computations themselves are the pure searches over a
// Sky (astro/searches.h, astro/compute.h); the calendar and the search take this object's sky
// when they start a run.
class Calculation : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString body READ body WRITE setBody NOTIFY bodyChanged)
    Q_PROPERTY(CalculationMethod method READ method WRITE setMethod NOTIFY methodChanged)
    Q_PROPERTY(Position observer READ observer WRITE setObserver NOTIFY observerChanged)
    Q_PROPERTY(QVector3D observerVector READ observerVector WRITE setObserverVector NOTIFY
                   observerVectorChanged)
    // The clock on which days start and results are read: an IANA id, or empty for this
    // computer's zone. An id this machine does not know is refused with a log line and leaves
    // this computer's zone.
    Q_PROPERTY(QString zone READ zoneId WRITE setZone NOTIFY zoneChanged)

public:
    explicit Calculation(QObject *parent = nullptr);
    // Waits for every ephemeris worker it started.
    ~Calculation() override;

    QString body() const;
    CalculationMethod method() const;
    Position observer() const;
    QVector3D observerVector() const;
    int bodyNumber() const;
    // The body, observer and clock a computation started now uses throughout.
    Sky sky() const;
    Zone zone() const;
    QString zoneId() const;

    void setBody(const QString &body);
    void setMethod(const CalculationMethod &method);
    void setObserver(const Position &observer);
    void setObserverVector(const QVector3D &vector);
    void setZone(const QString &ianaId);

    // Starts the full ephemeris of a moment on the thread pool for the sky set now:
    // beginEphemeris(), then ephemerisCalculated() with an ephemeris the receiver owns, or
    // ephemerisFailed() when the library could not complete it.
    Q_INVOKABLE void fullEphemeris(const QDateTime &time);
    // True when the ephemeris was computed for the observer and zone set now: a result that
    // arrives after a change of place or zone belongs to the one before.
    Q_INVOKABLE bool isCurrent(astro::Ephemeris *e) const;
    // The same for anything computed for an observer and a zone id.
    Q_INVOKABLE bool isCurrentSky(const astro::Position &observer, const QString &zone) const;
    // Starts, on the thread pool, what lies ahead of a moment for the sky set now (the Moon's
    // distance, its next perigee and apogee, the next eclipse: astro/moonevents.h). Returns the
    // request's number, which outlookCalculated() carries: a receiver takes the latest only.
    Q_INVOKABLE int outlook(const QDateTime &time);

signals:
    void bodyChanged(QString body);
    void methodChanged(CalculationMethod method);
    void observerChanged(Position observer);
    void observerVectorChanged(QVector3D observerVector);
    void zoneChanged(QString zone);
    void beginEphemeris();
    void ephemerisCalculated(Ephemeris *ephe);
    void ephemerisFailed(QDateTime time);
    // distanceKm, and perigee, apogee and eclipse as moonevents.h's toVariant() gives them
    // (absent when not found); empty when the library failed.
    void outlookCalculated(int request, QVariantMap outlook);

private:
    // Guards the fields: the window sets them while workers started before read the sky.
    mutable QMutex m_lock;
    int m_bodyNumber = Planet::MOON;
    QString m_body = QStringLiteral("moon");
    CalculationMethod m_method;
    Position m_observer;
    Zone m_zone = Zone::system();
    std::atomic<int> m_outlooks{0};
    global::TaskGroup m_workers;
};

} // namespace astro
