#include "astro/calculation.h"

#include "astro/library.h"
#include "astro/logging.h"
#include "astro/planet.h"
#include "astro/rules.h"

#include <QHash>
#include <QQmlEngine>
#include <QtConcurrent>

#include <algorithm>
#include <cmath>

namespace astro {

namespace {

// The void-of-course search gives up this many minutes before the ingress.
constexpr int MaxWalkMinutes = 4 * 1440;
// The Moon's topocentric speed reaches about 21.5 degrees a day and its speed relative to a
// retrograde Mercury about 23; no body pair comes near 36 degrees a day, the bound the void
// search prunes with. A day-long step of the sign scan therefore never crosses more than one
// sign boundary (21.5 < 30).
constexpr double MaxRelativeSpeed = 36.0; // degrees a day
constexpr double NominalRelativeSpeed = 12.2;
const double AspectLevels[] = {0.0, 60.0, 90.0, 120.0, 180.0, 240.0, 270.0, 300.0};
// Instants are solved to well under a second before they are cut to their minute.
constexpr double InstantTolerance = 1e-6; // days, 0.09 s
constexpr double Second = 1.0 / 86400.0;

// x - 360 k, the nearest to 0: -180 to 180.
double aroundZero(double degrees)
{
    return degrees - 360.0 * std::round(degrees / 360.0);
}

// The instant at which g, a function of the Julian day that grows through zero there, is 0,
// starting from a guess and the slope expected (units a day). Secant steps, kept inside the
// bracket that the values seen so far give and halving it when a step would leave it. The
// functions are smooth and nearly linear over a day, so a guess within a day takes four or
// five values.
template<typename G>
double solveCrossing(G g, double t0, double slope)
{
    double g0 = g(t0);
    if (g0 == 0.0 || !std::isfinite(g0))
        return t0;
    double lo = -HUGE_VAL, hi = HUGE_VAL;
    auto bracket = [&](double t, double v) {
        if (v < 0.0)
            lo = std::max(lo, t);
        else
            hi = std::min(hi, t);
    };
    bracket(t0, g0);
    double t1 = t0 - g0 / slope;
    for (int i = 0; i < 50; ++i) {
        const double g1 = g(t1);
        if (g1 == 0.0 || !std::isfinite(g1))
            return t1;
        bracket(t1, g1);
        double s = (g1 - g0) / (t1 - t0);
        if (!(s > 0.0) || !std::isfinite(s))
            s = slope;
        double t2 = t1 - g1 / s;
        const bool bracketed = std::isfinite(lo) && std::isfinite(hi);
        if (bracketed && !(t2 > lo && t2 < hi))
            t2 = (lo + hi) / 2.0;
        if (std::fabs(t2 - t1) < InstantTolerance || (bracketed && hi - lo < InstantTolerance))
            return t2;
        t0 = t1;
        g0 = g1;
        t1 = t2;
    }
    return t1;
}

} // namespace

Calculation::Calculation(QObject *parent)
    : QObject(parent)
{}

Calculation::~Calculation()
{
    m_users.close();
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

void Calculation::fullEphemeris(const QDateTime &time)
{
    m_users.run([this, time] {
        if (!time.isValid())
            return;
        emit beginEphemeris();
        Ephemeris *ephemeris = computeEphemeris(time);
        if (!ephemeris) {
            emit ephemerisFailed(time);
            return;
        }
        // Published to the interface's thread; the declarative engine frees it once nothing
        // refers to it any more.
        ephemeris->moveToThread(thread());
        QQmlEngine::setObjectOwnership(ephemeris, QQmlEngine::JavaScriptOwnership);
        emit ephemerisCalculated(ephemeris);
    });
}

Calculation::Sky Calculation::sky() const
{
    QMutexLocker locker(&m_lock);
    return Sky{m_bodyNumber, m_observer, Zone()};
}

bool Calculation::isCurrent(Ephemeris *e) const
{
    return e && e->observer() == observer() && e->zone() == zone().id();
}

Ephemeris *Calculation::computeEphemeris(const QDateTime &time)
{
    auto *e = new Ephemeris;
    e->setTime(time);
    if (!time.isValid())
        return e;
    // One body, observer and clock for the whole ephemeris, recorded in it.
    const Sky sky = this->sky();
    e->setObserver(sky.observer);
    e->setZone(sky.zone.id());
    const int failures = libraryFailures();

    const double jd = julianDay(time);
    double longitude = 0.0, sun = 0.0, offset = 0.0;
    {
        QMutexLocker locker(&m_lock);
        longitude = calcPosition(sky.body, jd, sky.observer).longitude();
        sun = calcPosition(Planet::SUN, jd, sky.observer).longitude();
        offset = calcAyanamsa(jd);
        e->setIllumination(calcPhenomena(sky.body, jd, sky.observer).illumination);
    }
    const double phase = phaseFraction(longitude, sun);
    e->setLongitude(longitude);
    e->setPhase(phase);
    e->setAyanamsa(offset);

    // The new moons decide the lunar day: the literal search takes them to the second.
    auto instant = [&](double target, double resolution, bool backwards) {
        return phaseInstant(sky, jd, phase, target, resolution, backwards);
    };
    e->setPrevNewMoon(instant(0.0, 86400, true));
    e->setNextNewMoon(instant(0.0, 86400, false));
    e->setPrevFirstQuarter(instant(0.25, 1440, true));
    e->setNextFirstQuarter(instant(0.25, 1440, false));
    e->setPrevFullMoon(instant(0.5, 1440, true));
    e->setNextFullMoon(instant(0.5, 1440, false));
    e->setPrevThirdQuarter(instant(0.75, 1440, true));
    e->setNextThirdQuarter(instant(0.75, 1440, false));

    e->setNextRising(eventAfter(sky, calcRising, jd));
    e->setNextSetting(eventAfter(sky, calcSetting, jd));
    e->setUpperTransit(eventAfter(sky, calcUpperTransit, jd));
    e->setLowerTransit(eventAfter(sky, calcLowerTransit, jd));
    if (!e->nextRising().isValid() || !e->nextSetting().isValid() || !e->upperTransit().isValid()
        || !e->lowerTransit().isValid()) {
        qCDebug(lcAstro).noquote()
            << QStringLiteral("no rising, setting or transit found after %1 at latitude %2")
                   .arg(time.toString(Qt::ISODate))
                   .arg(sky.observer.latitude());
    }

    // A day step keeps the wall-clock time across a clock change, where a step of 24 hours
    // would move it by the change.
    e->setPrevMidDay(wholeMinute(sky.zone.addDays(time, -1)));
    e->setNextMidDay(wholeMinute(sky.zone.addDays(time, 1)));

    const QDate date = sky.zone.toZone(time).date();
    const QVector<double> changes
        = signChanges(sky, julianDay(sky.zone.startOfDay(date)),
                      julianDay(sky.zone.startOfDay(date.addDays(2))), nullptr);
    if (!changes.isEmpty()) {
        const VoidOfCourse v = voidBefore(sky, changes.first(), MaxWalkMinutes);
        e->setVoidStart(v.start);
        e->setVoidEnd(v.end);
        e->setVoidZodiac(v.zodiac);
    }

    // A result the library could not complete (outside its data files) is no result.
    if (libraryFailures() != failures) {
        qCDebug(lcAstro).noquote() << QStringLiteral("the ephemeris of %1 could not be completed")
                                          .arg(time.toString(Qt::ISODate));
        delete e;
        return nullptr;
    }
    return e;
}

Position Calculation::positionOf(int body, double jd)
{
    QMutexLocker locker(&m_lock);
    return calcPosition(body, jd, m_observer);
}

Position Calculation::bodyPosition(double jd)
{
    QMutexLocker locker(&m_lock);
    return calcPosition(m_bodyNumber, jd, m_observer);
}

Phenomena Calculation::bodyPhenomena(double jd)
{
    QMutexLocker locker(&m_lock);
    return calcPhenomena(m_bodyNumber, jd, m_observer);
}

double Calculation::phaseOf(const Sky &sky, double jd)
{
    QMutexLocker locker(&m_lock);
    const double body = calcPosition(sky.body, jd, sky.observer).longitude();
    const double sun = calcPosition(Planet::SUN, jd, sky.observer).longitude();
    locker.unlock();
    return phaseFraction(body, sun);
}

double Calculation::phaseAt(double jd)
{
    return phaseOf(sky(), jd);
}

double Calculation::tropicalLongitude(const Sky &sky, double jd)
{
    QMutexLocker locker(&m_lock);
    const double longitude = calcPosition(sky.body, jd, sky.observer).longitude();
    const double offset = calcAyanamsa(jd);
    locker.unlock();
    return normalizedDegrees(longitude + offset);
}

int Calculation::zodiacOf(const Sky &sky, double jd)
{
    return std::min(int(tropicalLongitude(sky, jd) / SignWidth), 11);
}

int Calculation::zodiacAt(double jd)
{
    return zodiacOf(sky(), jd);
}

double Calculation::ayanamsaAt(double jd)
{
    QMutexLocker locker(&m_lock);
    return calcAyanamsa(jd);
}

void Calculation::fillReduced(Ephemeris *e, const Sky &sky, const QDateTime &time,
                              const QDateTime &prevNewMoon, const QDateTime &nextNewMoon)
{
    const double jd = julianDay(time);
    QMutexLocker locker(&m_lock);
    const double body = calcPosition(sky.body, jd, sky.observer).longitude();
    const double sun = calcPosition(Planet::SUN, jd, sky.observer).longitude();
    const double offset = calcAyanamsa(jd);
    locker.unlock();
    e->setTime(time);
    e->setObserver(sky.observer);
    e->setZone(sky.zone.id());
    e->setPrevNewMoon(prevNewMoon);
    e->setNextNewMoon(nextNewMoon);
    e->setLongitude(body);
    e->setPhase(phaseFraction(body, sun));
    e->setAyanamsa(offset);
}

template<typename G>
QDateTime Calculation::minuteOf(G g, double t, const Zone &zone)
{
    // The minute during which g crosses zero: at its start g is not yet above zero, at its
    // end it is. The solved instant may lie a hair to either side of a minute's boundary
    // depending on where the solving started; g itself settles those cases, so every search
    // names the same minute.
    QDateTime m = localTime(t, zone);
    const double start = julianDay(m);
    if (t - start < Second) {
        if (g(start) > 0.0)
            m = m.addSecs(-60);
    } else if (start + 60.0 * Second - t < Second) {
        const QDateTime next = m.addSecs(60);
        if (!(g(julianDay(next)) > 0.0))
            m = next;
    }
    return m;
}

QDateTime Calculation::phaseInstant(const Sky &sky, double jd, double p0, double target,
                                    double resolution, bool backwards)
{
    if (target >= 1.0)
        target -= std::floor(target);
    // Other bodies' elongations turn back (Mercury, Venus); the literal halving search is
    // the one defined for them, and the reference for the Moon's.
    if (sky.body != Planet::MOON || m_algorithm == Algorithm::Literal)
        return localTime(phaseTimeLiteral(sky, jd, target, resolution, backwards), sky.zone);

    // The elongation grows steadily, a whole circle a lunation: a guess from the mean rate is
    // within a day of the crossing.
    auto g = [&](double t) {
        const double d = phaseOf(sky, t) - target;
        return d - std::round(d);
    };
    const double slope = 1.0 / SynodicMonth;
    double ahead = target - p0;
    ahead -= std::floor(ahead);
    double t = backwards ? jd - (ahead > 0.0 ? 1.0 - ahead : 0.0) * SynodicMonth
                         : jd + ahead * SynodicMonth;
    t = solveCrossing(g, t, slope);
    // The crossing of the moment itself counts as both the previous and the next one.
    if (!backwards && t < jd - InstantTolerance)
        t = solveCrossing(g, t + SynodicMonth, slope);
    if (backwards && t > jd + InstantTolerance)
        t = solveCrossing(g, t - SynodicMonth, slope);
    return minuteOf(g, t, sky.zone);
}

double Calculation::phaseTime(double jd, double target, double resolution, bool backwards)
{
    return phaseTimeLiteral(sky(), jd, target, resolution, backwards);
}

double Calculation::phaseTimeLiteral(const Sky &sky, double jd, double target, double resolution,
                                     bool backwards)
{
    QMutexLocker locker(&m_lock);
    if (target >= 1.0)
        target -= std::floor(target);
    const double eps = 1.0 / resolution;

    // Each round re-evaluates its centre, which the round before evaluated already as one of
    // its three points; remembering the last few values changes nothing in the results and
    // saves a third of the library calls.
    struct Known
    {
        double t = std::nan("");
        double f = 0.0;
    } known[4];
    int next = 0;
    auto f = [&](double t) {
        for (const Known &k : known) {
            if (k.t == t)
                return k.f;
        }
        const double a = calcPosition(sky.body, t, sky.observer).longitude();
        const double b = calcPosition(Planet::SUN, t, sky.observer).longitude();
        const double value = phaseFraction(a, b);
        known[next] = {t, value};
        next = (next + 1) % 4;
        return value;
    };

    const double p0 = f(jd);
    double t = jd - p0 * SynodicMonth + target * SynodicMonth;
    if (!backwards && p0 > target)
        t += SynodicMonth;
    if (backwards && target > p0)
        t -= SynodicMonth;

    double step = 5.0;
    if (step > eps) {
        for (int i = 0; i < 100; ++i) {
            const double h = step / 2.0;
            const double d0 = std::fabs(f(t) - target);
            const double dm = std::fabs(f(t - h) - target);
            const double dp = std::fabs(f(t + h) - target);
            const double m = std::min({d0, dm, dp});
            if (m == dm)
                t = t - h;
            if (m == dp)
                t = t + h;
            step = h;
            if (h <= eps)
                break;
        }
    }
    return t;
}

QDateTime Calculation::nextPhase(const Sky &sky, const QDateTime &time, double target,
                                 double resolution)
{
    const double jd = julianDay(time);
    return phaseInstant(sky, jd, phaseOf(sky, jd), target, resolution, false);
}

QDateTime Calculation::prevPhase(const Sky &sky, const QDateTime &time, double target,
                                 double resolution)
{
    const double jd = julianDay(time);
    return phaseInstant(sky, jd, phaseOf(sky, jd), target, resolution, true);
}

QDateTime Calculation::nextPhase(const QDateTime &time, double target, double resolution)
{
    return nextPhase(sky(), time, target, resolution);
}

QDateTime Calculation::prevPhase(const QDateTime &time, double target, double resolution)
{
    return prevPhase(sky(), time, target, resolution);
}

QDateTime Calculation::eventAfter(const Sky &sky,
                                  std::optional<double> (*call)(int, double, const Position &),
                                  double jd)
{
    QMutexLocker locker(&m_lock);
    const std::optional<double> event = call(sky.body, jd, sky.observer);
    locker.unlock();
    return event ? localTime(*event, sky.zone) : QDateTime();
}

QDateTime Calculation::risingAfter(const QDateTime &time)
{
    return eventAfter(sky(), calcRising, julianDay(time));
}

QDateTime Calculation::settingAfter(const QDateTime &time)
{
    return eventAfter(sky(), calcSetting, julianDay(time));
}

QDateTime Calculation::upperTransitAfter(const QDateTime &time)
{
    return eventAfter(sky(), calcUpperTransit, julianDay(time));
}

QDateTime Calculation::lowerTransitAfter(const QDateTime &time)
{
    return eventAfter(sky(), calcLowerTransit, julianDay(time));
}

QDateTime Calculation::risingAfter(const Sky &sky, double jd)
{
    return eventAfter(sky, calcRising, jd);
}

QDateTime Calculation::settingAfter(const Sky &sky, double jd)
{
    return eventAfter(sky, calcSetting, jd);
}

void Calculation::zodiacChanges(const QDateTime &from, const QDateTime &to,
                                QList<QDateTime> &changes, const std::atomic<bool> *cancel)
{
    zodiacChanges(sky(), from, to, changes, cancel);
}

void Calculation::zodiacChanges(const Sky &sky, const QDateTime &from, const QDateTime &to,
                                QList<QDateTime> &changes, const std::atomic<bool> *cancel)
{
    if (!from.isValid() || !to.isValid())
        return;
    if (m_algorithm == Algorithm::Literal) {
        zodiacChangesLiteral(sky, from, to, changes, cancel);
        return;
    }
    for (double t : signChanges(sky, julianDay(from), julianDay(to), cancel))
        changes.append(ingressMinute(sky, t));
}

void Calculation::zodiacChangesLiteral(const Sky &sky, const QDateTime &from, const QDateTime &to,
                                       QList<QDateTime> &changes, const std::atomic<bool> *cancel)
{
    // The same instants in UTC: stepping a local date-time costs a zone look-up each time.
    const QDateTime start = from.toUTC();
    const QDateTime end = to.toUTC();
    int prev = zodiacOf(sky, julianDay(start));
    for (QDateTime cur = start; cur <= end; cur = cur.addSecs(3600)) {
        if ((cancel && *cancel) || isClosing())
            return;
        const int s = zodiacOf(sky, julianDay(cur));
        if (s == prev)
            continue;
        int s2 = prev;
        for (QDateTime t = cur.addSecs(-3600); t <= cur; t = t.addSecs(60)) {
            s2 = zodiacOf(sky, julianDay(t));
            if (s2 != prev) {
                changes.append(sky.zone.toZone(t));
                break;
            }
        }
        prev = s2;
    }
}

// The sign boundary a crossing between two longitudes passes: the boundary above `from`.
static double boundaryAfter(double from)
{
    return normalizedDegrees(SignWidth * (std::floor(from / SignWidth) + 1.0));
}

QDateTime Calculation::ingressMinute(const Sky &sky, double t)
{
    const double boundary = boundaryAfter(tropicalLongitude(sky, t - 60.0 * Second));
    return minuteOf([&](double x) { return aroundZero(tropicalLongitude(sky, x) - boundary); }, t,
                    sky.zone);
}

// The body's tropical longitude sampled a day apart (a day never crosses two boundaries, and
// the longitude never turns back for the Moon), each crossing then solved for its instant.
// Other bodies turn retrograde; they are sampled every hour and may cross back and forth.
QVector<double> Calculation::signChanges(const Sky &sky, double from, double to,
                                         const std::atomic<bool> *cancel)
{
    QVector<double> result;
    if (!(to > from))
        return result;
    const double step = sky.body == Planet::MOON ? 1.0 : 1.0 / 24.0;
    double a = from;
    double la = tropicalLongitude(sky, a);
    while (a < to) {
        if ((cancel && *cancel) || isClosing())
            break;
        const double b = std::min(a + step, to);
        const double lb = tropicalLongitude(sky, b);
        const int sa = std::min(int(la / SignWidth), 11);
        const int sb = std::min(int(lb / SignWidth), 11);
        if (sa != sb) {
            const bool forward = aroundZero(lb - la) >= 0.0;
            const double boundary = forward ? boundaryAfter(la) : boundaryAfter(lb);
            const double direction = forward ? 1.0 : -1.0;
            auto g = [&](double t) {
                return direction * aroundZero(tropicalLongitude(sky, t) - boundary);
            };
            const double ga = g(a), gb = g(b);
            double guess = a + (b - a) * (-ga) / (gb - ga);
            if (!std::isfinite(guess))
                guess = (a + b) / 2.0;
            const double t = solveCrossing(g, guess, (gb - ga) / (b - a));
            result.append(std::clamp(t, a, b));
        }
        a = b;
        la = lb;
    }
    return result;
}

VoidOfCourse Calculation::voidOfCourse(const QDateTime &ingress)
{
    return voidOfCourse(ingress, MaxWalkMinutes);
}

VoidOfCourse Calculation::voidOfCourse(const QDateTime &ingress, int maxMinutes)
{
    return voidOfCourse(sky(), ingress, maxMinutes);
}

VoidOfCourse Calculation::voidOfCourse(const Sky &sky, const QDateTime &ingress, int maxMinutes)
{
    if (!ingress.isValid() || maxMinutes < 1)
        return {};
    if (m_algorithm == Algorithm::Literal)
        return voidOfCourseLiteral(sky, ingress, maxMinutes);
    // The minute names the ingress; the search starts from its instant within that minute.
    const double start = julianDay(ingress);
    const QVector<double> within = signChanges(sky, start, start + 60.0 * Second, nullptr);
    return voidBefore(sky, within.isEmpty() ? start : within.first(), maxMinutes);
}

VoidOfCourse Calculation::voidResult(const Sky &sky, const QDateTime &start,
                                     const QDateTime &ingress, int maxMinutes)
{
    if (!start.isValid()) {
        qCDebug(lcAstro).noquote()
            << QStringLiteral("no lunar aspect within %1 minutes before %2, no void of course")
                   .arg(maxMinutes)
                   .arg(ingress.toString(Qt::ISODate));
        return {};
    }
    VoidOfCourse v;
    v.start = start;
    v.end = ingress;
    v.zodiac = zodiacOf(sky, julianDay(v.start));
    return v;
}

VoidOfCourse Calculation::voidOfCourseLiteral(const Sky &sky, const QDateTime &ingress,
                                              int maxMinutes)
{
    const QDateTime end = ingress.toUTC();
    int k = 1;
    for (; k <= maxMinutes; ++k) {
        const double jd = julianDay(end.addSecs(-60LL * k));
        double longitudes[10];
        {
            QMutexLocker locker(&m_lock);
            for (int body = 0; body < 10; ++body)
                longitudes[body] = calcPosition(body, jd, sky.observer).longitude();
        }
        const double others[9]
            = {longitudes[0], longitudes[2], longitudes[3], longitudes[4], longitudes[5],
               longitudes[6], longitudes[7], longitudes[8], longitudes[9]};
        if (hasAspect(longitudes[1], others, 9))
            break;
    }
    return voidResult(sky, k > maxMinutes ? QDateTime() : sky.zone.toZone(end.addSecs(-60LL * k)),
                      ingress, maxMinutes);
}

// The void of course starts at the Moon's last exact aspect before the ingress. For one body
// the angle D = (Moon - body) mod 360 shrinks steadily going back (the Moon outruns every
// body), so the last aspect with it is the crossing of the largest aspect angle A at or below D
// at the ingress, solved as the instant at which D - A reaches 0. The latest of the nine
// crossings wins; a body whose crossing cannot be later than the best so far, even at the
// largest relative speed, is not solved.
VoidOfCourse Calculation::voidBefore(const Sky &sky, double ingress, int maxMinutes)
{
    const int bodies[9]
        = {Planet::SUN,    Planet::MERCURY, Planet::VENUS,   Planet::MARS, Planet::JUPITER,
           Planet::SATURN, Planet::URANUS,  Planet::NEPTUNE, Planet::PLUTO};
    auto moonAndBody = [&](int body, double t) {
        QMutexLocker locker(&m_lock);
        const double moon = calcPosition(Planet::MOON, t, sky.observer).longitude();
        return normalizedDegrees(moon - calcPosition(body, t, sky.observer).longitude());
    };
    struct Candidate
    {
        int body;
        double angle; // the aspect angle crossed last
        double gap;   // how far D lies above it at the ingress, degrees
    };
    QVector<Candidate> candidates;
    for (int body : bodies) {
        const double d = moonAndBody(body, ingress);
        double angle = 0.0;
        for (double a : AspectLevels) {
            if (a <= d)
                angle = a;
        }
        candidates.append({body, angle, d - angle});
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate &a, const Candidate &b) { return a.gap < b.gap; });

    double best = -HUGE_VAL;
    const Candidate *winner = nullptr;
    for (const Candidate &c : candidates) {
        if (ingress - c.gap / MaxRelativeSpeed <= best)
            break;
        auto g = [&](double t) { return aroundZero(moonAndBody(c.body, t) - c.angle); };
        double t = c.gap == 0.0 ? ingress
                                : solveCrossing(g, ingress - c.gap / NominalRelativeSpeed,
                                                NominalRelativeSpeed);
        t = std::min(t, ingress);
        if (t > best) {
            best = t;
            winner = &c;
        }
    }
    const QDateTime end = ingressMinute(sky, ingress);
    if (!winner)
        return voidResult(sky, QDateTime(), end, maxMinutes);
    const QDateTime start = std::min(
        end,
        minuteOf([&](double t) { return aroundZero(moonAndBody(winner->body, t) - winner->angle); },
                 best, sky.zone));
    return voidResult(sky, start.secsTo(end) > 60LL * maxMinutes ? QDateTime() : start, end,
                      maxMinutes);
}

} // namespace astro
