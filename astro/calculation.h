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
#include <QVector>

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
    // The phase instants, the sign changes and the void of course exist twice: exact searches
    // (each instant solved to well under a second, then cut to the minute during which it
    // falls) and the literal halving search and minute-by-minute walks, kept as the reference
    // for tests and benchmarks.
    enum class Algorithm { Fast, Literal };

    // What one computation reads throughout: the body, the observer and the clock. A setter
    // that runs meanwhile changes the next computation, never half of one.
    struct Sky
    {
        int body = 1;
        Position observer;
        Zone zone;
    };

    explicit Calculation(QObject *parent = nullptr);
    // Stops the users' loops at their next check and waits for every worker that uses this
    // calculation.
    ~Calculation() override;

    QString body() const;
    CalculationMethod method() const;
    Position observer() const;
    QVector3D observerVector() const;
    int bodyNumber() const;
    Sky sky() const;
    // The clock on which days start and results are read.
    Zone zone() const { return Zone(); }

    void setBody(const QString &body);
    void setMethod(const CalculationMethod &method);
    void setObserver(const Position &observer);
    void setObserverVector(const QVector3D &vector);

    void setAlgorithm(Algorithm algorithm) { m_algorithm = algorithm; }
    Algorithm algorithm() const { return m_algorithm; }

    // Starts the full ephemeris of a moment on the thread pool: beginEphemeris(), then
    // ephemerisCalculated() with an ephemeris the receiver owns, or ephemerisFailed() when the
    // library could not complete it.
    Q_INVOKABLE void fullEphemeris(const QDateTime &time);
    // The same on the calling thread; the caller owns the result. Null (and a log line) when the
    // library could not complete it (outside its data files).
    Ephemeris *computeEphemeris(const QDateTime &time);
    // True when the ephemeris was computed for the observer and zone set now: a result that
    // arrives after a change of place or zone belongs to the one before.
    Q_INVOKABLE bool isCurrent(astro::Ephemeris *e) const;

    Position bodyPosition(double jd);
    Phenomena bodyPhenomena(double jd);
    double phaseAt(double jd);
    int zodiacAt(double jd);
    double ayanamsaAt(double jd);
    // Fills what the calendar's and the search's reduced ephemerides hold: the moment, the new
    // moons around it, and there the body's longitude, its phase and the sidereal offset, read
    // under one lock.
    void fillReduced(Ephemeris *e, const Sky &sky, const QDateTime &time,
                     const QDateTime &prevNewMoon, const QDateTime &nextNewMoon);
    // The literal halving search for a phase instant (the reference).
    double phaseTime(double jd, double target, double resolution, bool backwards);
    // The phase instant at or after (before) the moment, to the minute. The resolution applies
    // to the literal search only; the exact one always solves to well under a second.
    QDateTime nextPhase(const QDateTime &time, double target, double resolution);
    QDateTime prevPhase(const QDateTime &time, double target, double resolution);
    QDateTime nextPhase(const Sky &sky, const QDateTime &time, double target, double resolution);
    QDateTime prevPhase(const Sky &sky, const QDateTime &time, double target, double resolution);
    QDateTime risingAfter(const QDateTime &time);
    QDateTime settingAfter(const QDateTime &time);
    QDateTime upperTransitAfter(const QDateTime &time);
    QDateTime lowerTransitAfter(const QDateTime &time);
    // The next rising (setting) after the Julian day for the sky's body and observer; invalid
    // when there is none (the body stays above or below the horizon).
    QDateTime risingAfter(const Sky &sky, double jd);
    QDateTime settingAfter(const Sky &sky, double jd);
    // Appends the minutes during which the body enters a new sign, from `from` up to `to`.
    // Stops early when *cancel becomes true.
    void zodiacChanges(const QDateTime &from, const QDateTime &to, QList<QDateTime> &changes,
                       const std::atomic<bool> *cancel = nullptr);
    void zodiacChanges(const Sky &sky, const QDateTime &from, const QDateTime &to,
                       QList<QDateTime> &changes, const std::atomic<bool> *cancel = nullptr);
    // The instants (Julian days) at which the body enters a new sign between two Julian days.
    QVector<double> signChanges(const Sky &sky, double from, double to,
                                const std::atomic<bool> *cancel);
    // The interval from the Moon's last exact aspect before `ingress` up to `ingress`.
    // The search goes back at most four days; beyond that the interval is invalid (zodiac -1).
    VoidOfCourse voidOfCourse(const QDateTime &ingress);
    VoidOfCourse voidOfCourse(const QDateTime &ingress, int maxMinutes);
    VoidOfCourse voidOfCourse(const Sky &sky, const QDateTime &ingress, int maxMinutes);
    // The same from the ingress's instant (from signChanges).
    VoidOfCourse voidBefore(const Sky &sky, double ingress, int maxMinutes = 4 * 1440);
    // The minute during which the body crosses the sign boundary it crosses at the instant t
    // (from signChanges), as the interval ends and the calendar name it.
    QDateTime ingressMinute(const Sky &sky, double t);
    // The sign of the body at the Julian day, 0 Aries .. 11 Pisces.
    int zodiacOf(const Sky &sky, double jd);

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
    void ephemerisFailed(QDateTime time);

private:
    Position positionOf(int body, double jd);
    double phaseOf(const Sky &sky, double jd);
    double tropicalLongitude(const Sky &sky, double jd);
    template<typename G>
    QDateTime minuteOf(G g, double t, const Zone &zone);
    QDateTime phaseInstant(const Sky &sky, double jd, double p0, double target, double resolution,
                           bool backwards);
    double phaseTimeLiteral(const Sky &sky, double jd, double target, double resolution,
                            bool backwards);
    QDateTime eventAfter(const Sky &sky,
                         std::optional<double> (*call)(int, double, const Position &), double jd);
    void zodiacChangesLiteral(const Sky &sky, const QDateTime &from, const QDateTime &to,
                              QList<QDateTime> &changes, const std::atomic<bool> *cancel);
    VoidOfCourse voidOfCourseLiteral(const Sky &sky, const QDateTime &ingress, int maxMinutes);
    VoidOfCourse voidResult(const Sky &sky, const QDateTime &start, const QDateTime &ingress,
                            int maxMinutes);

    mutable QMutex m_lock;
    int m_bodyNumber = Planet::MOON;
    QString m_body = QStringLiteral("moon");
    CalculationMethod m_method;
    Position m_observer;

    std::atomic<Algorithm> m_algorithm{Algorithm::Fast};
    global::TaskGroup m_users;
};

} // namespace astro
