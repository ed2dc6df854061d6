#pragma once

#include "astro/calculationmethod.h"
#include "astro/ephemeris.h"
#include "astro/phenomena.h"
#include "astro/planet.h"
#include "astro/position.h"
#include "astro/voidofcourse.h"
#include "astro/zone.h"
#include "global/taskgroup.h"

#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QVector3D>

#include <atomic>
#include <optional>

namespace astro {

// The engine's entry point: which body, which observer, and the computing operations on which
// the full ephemeris, the calendar and the search are built. Every library call that depends
// on the observer is made under the lock: where the library keeps one observer for the whole
// process (builds without thread-local storage), setting it and the call that follows must not
// interleave with another thread's.
class Calculation : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString body READ body WRITE setBody NOTIFY bodyChanged)
    Q_PROPERTY(CalculationMethod method READ method WRITE setMethod NOTIFY methodChanged)
    Q_PROPERTY(Position observer READ observer WRITE setObserver NOTIFY observerChanged)
    Q_PROPERTY(QVector3D observerVector READ observerVector WRITE setObserverVector NOTIFY
                   observerVectorChanged)

public:
    // The sign-change scan and the void-of-course walk exist twice: a fast search and the
    // literal minute-by-minute walk that defines the result. Both return the same minutes; the
    // literal one is kept as the reference for tests and benchmarks.
    enum class Algorithm { Fast, Literal };

    explicit Calculation(QObject *parent = nullptr);
    // Stops the users' loops at their next check and waits for every worker that uses this
    // calculation.
    ~Calculation() override;

    QString body() const;
    CalculationMethod method() const;
    Position observer() const;
    QVector3D observerVector() const;
    int bodyNumber() const;

    void setBody(const QString &body);
    void setMethod(const CalculationMethod &method);
    void setObserver(const Position &observer);
    void setObserverVector(const QVector3D &vector);

    // The clock on which days start and results are read.
    Zone zone() const { return Zone(); }

    void setAlgorithm(Algorithm algorithm) { m_algorithm = algorithm; }
    Algorithm algorithm() const { return m_algorithm; }

    // Starts the full ephemeris of a moment on the thread pool: beginEphemeris(), then
    // ephemerisCalculated() with an ephemeris the receiver owns.
    Q_INVOKABLE void fullEphemeris(const QDateTime &time);
    // The same on the calling thread; the caller owns the result.
    Ephemeris *computeEphemeris(const QDateTime &time);

    Position bodyPosition(double jd);
    Phenomena bodyPhenomena(double jd);
    double phaseAt(double jd);
    int zodiacAt(double jd);
    double ayanamsaAt(double jd);
    // Fills what the calendar's and the search's reduced ephemerides hold: the moment, the new
    // moons around it, and there the body's longitude, its phase and the sidereal offset, read
    // under one lock (the numbers of bodyPosition(), phaseAt() and ayanamsaAt(), one body call
    // fewer).
    void fillReduced(Ephemeris *e, const QDateTime &time, const QDateTime &prevNewMoon,
                     const QDateTime &nextNewMoon);
    double phaseTime(double jd, double target, double resolution, bool backwards);
    QDateTime nextPhase(const QDateTime &time, double target, double resolution);
    QDateTime prevPhase(const QDateTime &time, double target, double resolution);
    QDateTime risingAfter(const QDateTime &time);
    QDateTime settingAfter(const QDateTime &time);
    QDateTime upperTransitAfter(const QDateTime &time);
    QDateTime lowerTransitAfter(const QDateTime &time);
    // Appends the minutes at which the body enters a new sign, found on an hourly grid from
    // `from` up to `to`. Stops early when *cancel becomes true.
    void zodiacChanges(const QDateTime &from, const QDateTime &to, QList<QDateTime> &changes,
                       const std::atomic<bool> *cancel = nullptr);
    // The interval from the Moon's last exact aspect before `ingress` up to `ingress`.
    // The walk goes back at most four days; beyond that the interval is invalid (zodiac -1).
    VoidOfCourse voidOfCourse(const QDateTime &ingress);
    VoidOfCourse voidOfCourse(const QDateTime &ingress, int maxMinutes);

    // Workers of other objects (calendar, search) register while they use this calculation,
    // so that its destructor waits for them; they poll isClosing() to stop early.
    void beginUse() { m_users.begin(); }
    void endUse() { m_users.end(); }
    bool isClosing() const { return m_users.isClosing(); }

signals:
    void bodyChanged(QString body);
    void methodChanged(CalculationMethod method);
    void observerChanged(Position observer);
    void observerVectorChanged(QVector3D observerVector);
    void beginEphemeris();
    void ephemerisCalculated(Ephemeris *ephe);

private:
    struct Longitudes;

    Position positionOf(int body, double jd);
    QDateTime eventAfter(std::optional<double> (*call)(int, double, const Position &),
                         const QDateTime &time);

    void zodiacChangesLiteral(const QDateTime &from, const QDateTime &to, QList<QDateTime> &changes,
                              const std::atomic<bool> *cancel);
    void zodiacChangesFast(const QDateTime &from, const QDateTime &to, QList<QDateTime> &changes,
                           const std::atomic<bool> *cancel);
    VoidOfCourse voidOfCourseLiteral(const QDateTime &ingress, int maxMinutes);
    VoidOfCourse voidOfCourseFast(const QDateTime &ingress, int maxMinutes);
    VoidOfCourse voidResult(const QDateTime &ingress, int minutesBack, int maxMinutes);

    mutable QMutex m_lock;
    int m_bodyNumber = Planet::MOON;
    QString m_body = QStringLiteral("moon");
    CalculationMethod m_method;
    Position m_observer;

    std::atomic<Algorithm> m_algorithm{Algorithm::Fast};
    global::TaskGroup m_users;
};

} // namespace astro
