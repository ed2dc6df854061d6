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

// The void-of-course walk gives up this many minutes before the ingress.
constexpr int MaxWalkMinutes = 4 * 1440;
// The Moon's topocentric speed reaches about 21.5 degrees a day and its speed relative to a
// retrograde Mercury about 23; no body pair comes near 36 degrees a day (0.025 per minute),
// which is the bound the fast searches prune with. A day-long step of the sign scan therefore
// never crosses more than one sign boundary (21.5 < 30), and a minute step never jumps over
// an aspect window (0.016 < 2 x 0.01).
constexpr double MaxRelativeSpeed = 0.025; // degrees per minute
constexpr double NominalRelativeSpeed = 0.0085;
constexpr int SignScanStep = 1440; // minutes
// The Moon's topocentric elongation from the Sun grows by at most about 21.5 - 0.95 degrees a
// day, 0.057 of the circle; 0.07 leaves a wide margin.
constexpr double MaxPhaseRate = 0.07;
const double AspectLevels[] = {0.0, 60.0, 90.0, 120.0, 180.0, 240.0, 270.0, 300.0};

struct Probe
{
    double value; // grows with the index; used only to aim the next probe
    bool reached; // the exact predicate
};

// The first grid index in (lo, hi] at which a monotone predicate holds, given that it fails at
// lo and holds at hi. Each round aims by linear interpolation of the probe values and checks
// the neighbour on the far side too, so a good aim ends the search with a certified adjacent
// pair; a round that does not halve the bracket is followed by a bisection.
template<typename F>
int firstReached(int lo, double loValue, int hi, double hiValue, double level, F probe)
{
    auto take = [&](int index, const Probe &p) {
        if (p.reached) {
            hi = index;
            hiValue = p.value;
        } else {
            lo = index;
            loValue = p.value;
        }
    };
    while (hi - lo > 1) {
        const int width = hi - lo;
        int c = lo + width / 2;
        const double span = hiValue - loValue;
        if (span > 0.0 && std::isfinite(span))
            c = lo + int(std::ceil((level - loValue) / span * width));
        c = std::clamp(c, lo + 1, hi - 1);
        const Probe p = probe(c);
        take(c, p);
        const int neighbour = p.reached ? c - 1 : c + 1;
        if (neighbour > lo && neighbour < hi)
            take(neighbour, probe(neighbour));
        if (hi - lo > 1 && hi - lo > width / 2) {
            const int mid = lo + (hi - lo) / 2;
            take(mid, probe(mid));
        }
    }
    return hi;
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
        // Published to the interface's thread; the declarative engine frees it once nothing
        // refers to it any more.
        ephemeris->moveToThread(thread());
        QQmlEngine::setObjectOwnership(ephemeris, QQmlEngine::JavaScriptOwnership);
        emit ephemerisCalculated(ephemeris);
    });
}

Ephemeris *Calculation::computeEphemeris(const QDateTime &time)
{
    auto *e = new Ephemeris;
    e->setTime(time);
    if (!time.isValid())
        return e;

    e->setPrevNewMoon(prevPhase(time, 0.0, 86400));
    e->setNextNewMoon(nextPhase(time, 0.0, 86400));
    e->setPrevFirstQuarter(prevPhase(time, 0.25, 1440));
    e->setNextFirstQuarter(nextPhase(time, 0.25, 1440));
    e->setPrevFullMoon(prevPhase(time, 0.5, 1440));
    e->setNextFullMoon(nextPhase(time, 0.5, 1440));
    e->setPrevThirdQuarter(prevPhase(time, 0.75, 1440));
    e->setNextThirdQuarter(nextPhase(time, 0.75, 1440));

    e->setNextRising(risingAfter(time));
    e->setNextSetting(settingAfter(time));
    e->setUpperTransit(upperTransitAfter(time));
    e->setLowerTransit(lowerTransitAfter(time));
    if (!e->nextRising().isValid() || !e->nextSetting().isValid() || !e->upperTransit().isValid()
        || !e->lowerTransit().isValid()) {
        qCDebug(lcAstro).noquote()
            << QStringLiteral("no rising, setting or transit found after %1 at latitude %2")
                   .arg(time.toString(Qt::ISODate))
                   .arg(observer().latitude());
    }

    // A day step keeps the wall-clock time across a clock change, where a step of 24 hours
    // would move it by the change.
    const Zone zone = this->zone();
    e->setPrevMidDay(wholeMinute(zone.addDays(time, -1)));
    e->setNextMidDay(wholeMinute(zone.addDays(time, 1)));
    const double jd = julianDay(time);

    const QDate date = zone.toZone(time).date();
    QList<QDateTime> changes;
    zodiacChanges(zone.startOfDay(date), zone.startOfDay(date.addDays(2)), changes);

    e->setLongitude(bodyPosition(jd).longitude());
    e->setIllumination(bodyPhenomena(jd).illumination);
    e->setPhase(phaseAt(jd));
    e->setAyanamsa(ayanamsaAt(jd));

    if (!changes.isEmpty()) {
        const VoidOfCourse v = voidOfCourse(changes.first());
        e->setVoidStart(v.start);
        e->setVoidEnd(v.end);
        e->setVoidZodiac(v.zodiac);
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

double Calculation::phaseAt(double jd)
{
    QMutexLocker locker(&m_lock);
    const double body = calcPosition(m_bodyNumber, jd, m_observer).longitude();
    const double sun = calcPosition(Planet::SUN, jd, m_observer).longitude();
    locker.unlock();
    return phaseFraction(body, sun);
}

int Calculation::zodiacAt(double jd)
{
    QMutexLocker locker(&m_lock);
    const double longitude = calcPosition(m_bodyNumber, jd, m_observer).longitude();
    const double offset = calcAyanamsa(jd);
    locker.unlock();
    return zodiacIndex(longitude, offset);
}

double Calculation::ayanamsaAt(double jd)
{
    QMutexLocker locker(&m_lock);
    return calcAyanamsa(jd);
}

void Calculation::fillReduced(Ephemeris *e, const QDateTime &time, const QDateTime &prevNewMoon,
                              const QDateTime &nextNewMoon)
{
    const double jd = julianDay(time);
    QMutexLocker locker(&m_lock);
    const double body = calcPosition(m_bodyNumber, jd, m_observer).longitude();
    const double sun = calcPosition(Planet::SUN, jd, m_observer).longitude();
    const double offset = calcAyanamsa(jd);
    locker.unlock();
    e->setTime(time);
    e->setPrevNewMoon(prevNewMoon);
    e->setNextNewMoon(nextNewMoon);
    e->setLongitude(body);
    e->setPhase(phaseFraction(body, sun));
    e->setAyanamsa(offset);
}

double Calculation::phaseTime(double jd, double target, double resolution, bool backwards)
{
    QMutexLocker locker(&m_lock);
    if (target >= 1.0)
        target -= std::floor(target);
    const double eps = 1.0 / resolution;
    const int body = m_bodyNumber;
    const Position observer = m_observer;
    const bool monotone = body == Planet::MOON && m_algorithm == Algorithm::Fast;

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
        const double a = calcPosition(body, t, observer).longitude();
        const double b = calcPosition(Planet::SUN, t, observer).longitude();
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
            const double c = f(t);
            const double d0 = std::fabs(c - target);
            // The Moon's phase grows strictly, by less than MaxPhaseRate a day. Where no new
            // moon can fall between t and t + h, the phase there exceeds c, so when c is at or
            // above the target that side is strictly farther than the centre and can neither
            // be the least nor tie with it: it need not be computed. The same holds for the
            // left side when c is at or below the target. The rounds move exactly as if all
            // three points were computed.
            const double reach = MaxPhaseRate * h;
            const bool skipRight = monotone && c >= target && c + reach < 1.0;
            const bool skipLeft = monotone && c <= target && c - reach > 0.0;
            const double dm = skipLeft ? HUGE_VAL : std::fabs(f(t - h) - target);
            const double dp = skipRight ? HUGE_VAL : std::fabs(f(t + h) - target);
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

QDateTime Calculation::nextPhase(const QDateTime &time, double target, double resolution)
{
    return localTime(phaseTime(julianDay(time), target, resolution, false));
}

QDateTime Calculation::prevPhase(const QDateTime &time, double target, double resolution)
{
    return localTime(phaseTime(julianDay(time), target, resolution, true));
}

QDateTime Calculation::eventAfter(std::optional<double> (*call)(int, double, const Position &),
                                  const QDateTime &time)
{
    const double jd = julianDay(time);
    QMutexLocker locker(&m_lock);
    const std::optional<double> event = call(m_bodyNumber, jd, m_observer);
    locker.unlock();
    return event ? localTime(*event) : QDateTime();
}

QDateTime Calculation::risingAfter(const QDateTime &time)
{
    return eventAfter(calcRising, time);
}

QDateTime Calculation::settingAfter(const QDateTime &time)
{
    return eventAfter(calcSetting, time);
}

QDateTime Calculation::upperTransitAfter(const QDateTime &time)
{
    return eventAfter(calcUpperTransit, time);
}

QDateTime Calculation::lowerTransitAfter(const QDateTime &time)
{
    return eventAfter(calcLowerTransit, time);
}

void Calculation::zodiacChanges(const QDateTime &from, const QDateTime &to,
                                QList<QDateTime> &changes, const std::atomic<bool> *cancel)
{
    if (!from.isValid() || !to.isValid())
        return;
    // The fast scan relies on the Moon's longitude growing steadily; other bodies (Mercury
    // turns retrograde) take the literal walk.
    if (m_algorithm == Algorithm::Fast && bodyNumber() == Planet::MOON)
        zodiacChangesFast(from, to, changes, cancel);
    else
        zodiacChangesLiteral(from, to, changes, cancel);
}

void Calculation::zodiacChangesLiteral(const QDateTime &from, const QDateTime &to,
                                       QList<QDateTime> &changes, const std::atomic<bool> *cancel)
{
    // The same instants in UTC: stepping a local date-time costs a zone look-up each time.
    const QDateTime start = from.toUTC();
    const QDateTime end = to.toUTC();
    int prev = zodiacAt(julianDay(start));
    for (QDateTime cur = start; cur <= end; cur = cur.addSecs(3600)) {
        if ((cancel && *cancel) || isClosing())
            return;
        const int s = zodiacAt(julianDay(cur));
        if (s == prev)
            continue;
        int s2 = prev;
        for (QDateTime t = cur.addSecs(-3600); t <= cur; t = t.addSecs(60)) {
            s2 = zodiacAt(julianDay(t));
            if (s2 != prev) {
                changes.append(t.toLocalTime());
                break;
            }
        }
        prev = s2;
    }
}

// The literal scan samples the sign every hour from `from` and, at a change, takes the first
// whole minute (counted from `from`) with the new sign. With a steadily growing longitude that
// is simply the first grid minute after each boundary crossing up to the last grid hour, so we
// step a day at a time (never more than one boundary) and pin each crossing down to an
// adjacent pair of minutes, the later with the new sign and the earlier with the old.
void Calculation::zodiacChangesFast(const QDateTime &from, const QDateTime &to,
                                    QList<QDateTime> &changes, const std::atomic<bool> *cancel)
{
    const qint64 span = from.secsTo(to);
    if (span < 0)
        return;
    const int last = int(std::min<qint64>(span / 3600, 24 * 366 * 10)) * 60;

    struct Sample
    {
        double longitude; // tropical, 0 to 360
        int sign;
    };
    const QDateTime start = from.toUTC();
    QHash<int, Sample> known;
    auto sample = [&](int minute) {
        auto it = known.constFind(minute);
        if (it != known.constEnd())
            return *it;
        const double jd = julianDay(start.addSecs(60LL * minute));
        QMutexLocker locker(&m_lock);
        const double longitude = calcPosition(m_bodyNumber, jd, m_observer).longitude();
        const double offset = calcAyanamsa(jd);
        locker.unlock();
        return *known.insert(
            minute, Sample{normalizedDegrees(longitude + offset), zodiacIndex(longitude, offset)});
    };

    int lo = 0;
    while (lo < last) {
        if ((cancel && *cancel) || isClosing())
            return;
        const Sample low = sample(lo);
        const int hi = std::min(lo + SignScanStep, last);
        const Sample high = sample(hi);
        if (high.sign == low.sign) {
            lo = hi;
            continue;
        }
        const double level = SignWidth * (low.sign + 1) - low.longitude;
        lo = firstReached(
            lo, 0.0, hi, normalizedDegrees(high.longitude - low.longitude), level, [&](int m) {
                const Sample s = sample(m);
                return Probe{normalizedDegrees(s.longitude - low.longitude), s.sign != low.sign};
            });
        changes.append(from.addSecs(60LL * lo));
    }
}

VoidOfCourse Calculation::voidOfCourse(const QDateTime &ingress)
{
    return voidOfCourse(ingress, MaxWalkMinutes);
}

VoidOfCourse Calculation::voidOfCourse(const QDateTime &ingress, int maxMinutes)
{
    if (!ingress.isValid() || maxMinutes < 1)
        return {};
    return m_algorithm == Algorithm::Fast ? voidOfCourseFast(ingress, maxMinutes)
                                          : voidOfCourseLiteral(ingress, maxMinutes);
}

VoidOfCourse Calculation::voidResult(const QDateTime &ingress, int minutesBack, int maxMinutes)
{
    if (minutesBack > maxMinutes) {
        qCDebug(lcAstro).noquote()
            << QStringLiteral("no lunar aspect within %1 minutes before %2, no void of course")
                   .arg(maxMinutes)
                   .arg(ingress.toString(Qt::ISODate));
        return {};
    }
    VoidOfCourse v;
    v.start = ingress.addSecs(-60LL * minutesBack);
    v.end = ingress;
    v.zodiac = zodiacAt(julianDay(v.start));
    return v;
}

VoidOfCourse Calculation::voidOfCourseLiteral(const QDateTime &ingress, int maxMinutes)
{
    const QDateTime end = ingress.toUTC();
    int k = 1;
    for (; k <= maxMinutes; ++k) {
        const double jd = julianDay(end.addSecs(-60LL * k));
        double longitudes[10];
        for (int body = 0; body < 10; ++body)
            longitudes[body] = positionOf(body, jd).longitude();
        const double others[9]
            = {longitudes[0], longitudes[2], longitudes[3], longitudes[4], longitudes[5],
               longitudes[6], longitudes[7], longitudes[8], longitudes[9]};
        if (hasAspect(longitudes[1], others, 9))
            break;
    }
    return voidResult(ingress, k, maxMinutes);
}

// The literal walk steps back a minute at a time until the Moon is within 0.01 degrees of an
// aspect with any body. For one body the angle D = (Moon - body) mod 360 shrinks strictly going
// back, by less than 0.02 degrees a minute, so the first aspect met going back is the largest
// aspect angle A with A + 0.01 <= D at the start, and the first minute inside its window is the
// first minute at which D has fallen below A + 0.01 (it cannot jump the 0.02-wide window). That
// is a monotone crossing: aim at it, certify it with an adjacent pair of minutes tested by the
// literal rule, and take the earliest-found (latest in time) over the nine bodies. A body whose
// crossing cannot come before the best so far, even at the largest possible speed, is never
// refined. Should a certificate fail, the literal walk decides.
VoidOfCourse Calculation::voidOfCourseFast(const QDateTime &ingress, int maxMinutes)
{
    const QDateTime end = ingress.toUTC();
    QHash<int, double> jds;
    QHash<int, double> moon;
    auto jdAt = [&](int k) {
        auto it = jds.constFind(k);
        if (it != jds.constEnd())
            return *it;
        return *jds.insert(k, julianDay(end.addSecs(-60LL * k)));
    };
    auto moonAt = [&](int k) {
        auto it = moon.constFind(k);
        if (it != moon.constEnd())
            return *it;
        return *moon.insert(k, positionOf(1, jdAt(k)).longitude());
    };

    const int bodies[9] = {0, 2, 3, 4, 5, 6, 7, 8, 9};
    double start[9];
    for (int i = 0; i < 9; ++i)
        start[i] = positionOf(bodies[i], jdAt(1)).longitude();
    if (hasAspect(moonAt(1), start, 9))
        return voidResult(ingress, 1, maxMinutes);

    struct Candidate
    {
        int body;
        double d0;    // D at the first minute
        double level; // how far D must fall to enter the window
        int earliest; // no crossing can come sooner
    };
    QVector<Candidate> candidates;
    for (int i = 0; i < 9; ++i) {
        const double d0 = normalizedDegrees(moonAt(1) - start[i]);
        double angle = 0.0;
        for (double a : AspectLevels) {
            if (a + AspectTolerance <= d0)
                angle = a;
        }
        const double level = d0 - (angle + AspectTolerance);
        candidates.append({bodies[i], d0, level, 1 + int(level / MaxRelativeSpeed)});
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate &a, const Candidate &b) { return a.earliest < b.earliest; });

    int best = maxMinutes + 1;
    for (const Candidate &c : candidates) {
        if (c.earliest >= best)
            break;
        auto probe = [&](int k) {
            const double fallen = normalizedDegrees(
                c.d0 - normalizedDegrees(moonAt(k) - positionOf(c.body, jdAt(k)).longitude()));
            return Probe{fallen, fallen > c.level};
        };
        const int upper = best - 1;
        // Bracket the crossing: aim with the nominal speed, then by the speed seen so far.
        int lo = 1;
        double loValue = 0.0;
        int hi = -1;
        double hiValue = 0.0;
        int aim
            = std::clamp(1 + int(c.level / NominalRelativeSpeed), std::max(c.earliest, 2), upper);
        while (hi < 0) {
            const Probe p = probe(aim);
            if (p.reached) {
                hi = aim;
                hiValue = p.value;
                break;
            }
            lo = aim;
            loValue = p.value;
            if (aim >= upper)
                break;
            const double speed = loValue > 0.0 ? loValue / (lo - 1) : NominalRelativeSpeed;
            aim = std::clamp(1 + int(c.level / speed * 1.02) + 2, lo + 1, upper);
        }
        if (hi < 0)
            continue;
        const int k = firstReached(lo, loValue, hi, hiValue, c.level, probe);
        const double inside = positionOf(c.body, jdAt(k)).longitude();
        const double before = positionOf(c.body, jdAt(k - 1)).longitude();
        if (!hasAspect(moonAt(k), &inside, 1) || hasAspect(moonAt(k - 1), &before, 1))
            return voidOfCourseLiteral(ingress, maxMinutes);
        best = std::min(best, k);
    }
    return voidResult(ingress, best, maxMinutes);
}

} // namespace astro
