#include "astro/searches.h"

#include "astro/library.h"
#include "astro/logging.h"
#include "astro/rules.h"
#include "astro/solver.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace astro {

namespace {

// The Moon's topocentric speed reaches about 21.5 degrees a day and its speed relative to a
// retrograde Mercury about 23; no body pair comes near 36 degrees a day, the bound the void
// search prunes with. A day-long step of the sign scan therefore never crosses more than one
// sign boundary (21.5 < 30).
constexpr double MaxMoonSpeed = 21.5;     // degrees a day
constexpr double MaxRelativeSpeed = 36.0; // degrees a day
constexpr double NominalRelativeSpeed = 12.2;
// The Moon is sampled daily for its sign changes; other bodies turn back and are sampled hourly.
constexpr double MoonSampleStep = 1.0;        // days
constexpr double BodySampleStep = 1.0 / 24.0; // days
// A body other than the Moon reaches a phase within its synodic period (Mars's, the longest,
// is 780 days); the search samples it daily up to this far.
constexpr double PhaseSearchStep = 1.0;    // days
constexpr double PhaseSearchLimit = 800.0; // days

// The Moon's angle ahead of a body, in degrees, at which an aspect is exact: the aspect angles
// on both sides of the circle.
const double AspectLevels[] = {0.0, 60.0, 90.0, 120.0, 180.0, 240.0, 270.0, 300.0};
const int AspectBodies[]
    = {Planet::SUN,    Planet::MERCURY, Planet::VENUS,   Planet::MARS, Planet::JUPITER,
       Planet::SATURN, Planet::URANUS,  Planet::NEPTUNE, Planet::PLUTO};

// x - 360 k, the nearest to 0: -180 to 180.
double aroundZero(double degrees)
{
    return degrees - 360.0 * std::round(degrees / 360.0);
}

// The fraction x - k nearest to 0: -0.5 to 0.5.
double aroundZeroFraction(double x)
{
    return x - std::round(x);
}

// The sign boundary above a longitude.
double boundaryAfter(double longitude)
{
    return normalizedDegrees(SignWidth * (std::floor(longitude / SignWidth) + 1.0));
}

// The minute during which g crosses zero: at its start g is not yet above zero, at its end it
// is. The solved instant may lie a hair to either side of a minute's boundary depending on
// where the solving started; g itself settles those cases, so every search names the same
// minute.
template<typename G>
QDateTime minuteOf(G g, double t, const Zone &zone)
{
    QDateTime m = localTime(t, zone);
    const double start = julianDay(m);
    if (t - start < SecondInDays) {
        if (g(start) > 0.0)
            m = m.addSecs(-SecondsPerMinute);
    } else if (start + MinuteInDays - t < SecondInDays) {
        const QDateTime next = m.addSecs(SecondsPerMinute);
        if (!(g(julianDay(next)) > 0.0))
            m = next;
    }
    return m;
}

} // namespace

PhaseInstants::PhaseInstants(const Sky &sky, double jd)
    : m_sky(sky)
    , m_jd(jd)
    , m_phase(phaseOf(sky, jd))
{}

double PhaseInstants::instant(double target, Direction direction) const
{
    target -= std::floor(target);
    // The Moon's elongation grows steadily, a whole circle a lunation; the planets' turns back.
    return m_sky.body == Planet::MOON ? movingInstant(target, direction)
                                      : bracketedInstant(target, direction);
}

double PhaseInstants::movingInstant(double target, Direction direction) const
{
    auto g = [&](double t) { return aroundZeroFraction(phaseOf(m_sky, t) - target); };
    // A guess from the mean rate is within a day of the crossing.
    const double slope = 1.0 / SynodicMonth;
    double ahead = target - m_phase;
    ahead -= std::floor(ahead);
    const bool backwards = direction == Direction::Backward;
    const double guess = backwards ? m_jd - (ahead > 0.0 ? 1.0 - ahead : 0.0) * SynodicMonth
                                   : m_jd + ahead * SynodicMonth;
    double t = solveCrossing(g, guess, g(guess), slope).t;
    // The crossing of the moment itself counts as both the previous and the next one.
    if (!backwards && t < m_jd - InstantTolerance) {
        const double later = t + SynodicMonth;
        t = solveCrossing(g, later, g(later), slope).t;
    }
    if (backwards && t > m_jd + InstantTolerance) {
        const double earlier = t - SynodicMonth;
        t = solveCrossing(g, earlier, g(earlier), slope).t;
    }
    return t;
}

double PhaseInstants::bracketedInstant(double target, Direction direction) const
{
    auto g = [&](double t) { return aroundZeroFraction(phaseOf(m_sky, t) - target); };
    const double step = direction == Direction::Forward ? PhaseSearchStep : -PhaseSearchStep;
    double a = m_jd;
    double ga = aroundZeroFraction(m_phase - target);
    if (ga == 0.0)
        return a;
    for (double walked = 0.0; walked < PhaseSearchLimit; walked += PhaseSearchStep) {
        const double b = a + step;
        const double gb = g(b);
        if (gb == 0.0)
            return b;
        // A crossing changes the sign of g between small values; a jump by about one is the
        // phase passing the opposite of the target.
        if ((ga < 0.0) != (gb < 0.0) && std::fabs(gb - ga) < 0.5) {
            const double lo = std::min(a, b), hi = std::max(a, b);
            const double gLo = lo == a ? ga : gb, gHi = lo == a ? gb : ga;
            const double rising = gHi > gLo ? 1.0 : -1.0;
            auto oriented = [&](double t) { return rising * g(t); };
            const double guess = lo + (hi - lo) * (-gLo) / (gHi - gLo);
            const double slope = std::fabs(gHi - gLo) / (hi - lo);
            // Oriented so that it grows through zero: below it at lo, above at hi.
            const double t = solveCrossing(oriented, guess, oriented(guess), slope, lo, hi).t;
            return std::clamp(t, lo, hi);
        }
        a = b;
        ga = gb;
    }
    return std::nan("");
}

QDateTime PhaseInstants::minute(double target, Direction direction) const
{
    const double t = instant(target, direction);
    if (!std::isfinite(t))
        return QDateTime();
    if (m_sky.body != Planet::MOON)
        return localTime(t, m_sky.zone);
    target -= std::floor(target);
    return minuteOf([&](double x) { return aroundZeroFraction(phaseOf(m_sky, x) - target); }, t,
                    m_sky.zone);
}

QDateTime phaseMinute(const Sky &sky, const QDateTime &from, double target, Direction direction)
{
    return PhaseInstants(sky, julianDay(from)).minute(target, direction);
}

QVector<Ingress> ingressesBetween(const Sky &sky, const QVector<LongitudeSample> &samples,
                                  const std::atomic<bool> *cancel)
{
    QVector<Ingress> result;
    for (int i = 1; i < samples.size(); ++i) {
        if (cancel && *cancel)
            break;
        const LongitudeSample &a = samples.at(i - 1);
        const LongitudeSample &b = samples.at(i);
        if (zodiacIndex(a.longitude, 0.0) == zodiacIndex(b.longitude, 0.0) || !(b.jd > a.jd))
            continue;
        Ingress ingress;
        ingress.forward = aroundZero(b.longitude - a.longitude) >= 0.0;
        ingress.boundary
            = ingress.forward ? boundaryAfter(a.longitude) : boundaryAfter(b.longitude);
        const int at = int(std::lround(ingress.boundary / SignWidth)) % Signs;
        ingress.sign = ingress.forward ? at : previousSign(at);
        const double direction = ingress.forward ? 1.0 : -1.0;
        auto g = [&](double t) {
            return direction * aroundZero(tropicalLongitude(sky, t) - ingress.boundary);
        };
        const double ga = direction * aroundZero(a.longitude - ingress.boundary);
        const double gb = direction * aroundZero(b.longitude - ingress.boundary);
        double guess = a.jd + (b.jd - a.jd) * (-ga) / (gb - ga);
        if (!(guess > a.jd && guess < b.jd))
            guess = (a.jd + b.jd) / 2.0;
        const Root root = solveCrossing(g, guess, g(guess), (gb - ga) / (b.jd - a.jd), a.jd, b.jd);
        ingress.instant = std::clamp(root.t, a.jd, b.jd);
        ingress.speed = root.slope;
        result.append(ingress);
    }
    return result;
}

QVector<Ingress> ingresses(const Sky &sky, double from, double to, const std::atomic<bool> *cancel)
{
    if (!(to > from))
        return {};
    const double step = sky.body == Planet::MOON ? MoonSampleStep : BodySampleStep;
    QVector<LongitudeSample> samples;
    samples.reserve(int((to - from) / step) + 2);
    for (double t = from;; t = std::min(t + step, to)) {
        if (cancel && *cancel)
            return {};
        samples.append({t, tropicalLongitude(sky, t)});
        if (!(t < to))
            break;
    }
    return ingressesBetween(sky, samples, cancel);
}

QDateTime ingressMinute(const Sky &sky, const Ingress &ingress)
{
    const double direction = ingress.forward ? 1.0 : -1.0;
    return minuteOf(
        [&](double t) {
            return direction * aroundZero(tropicalLongitude(sky, t) - ingress.boundary);
        },
        ingress.instant, sky.zone);
}

// The void of course starts at the Moon's last exact aspect before the ingress. For one body
// the angle D = (Moon - body) mod 360 shrinks steadily going back (the Moon outruns every
// body), so the last aspect with it is the crossing of the largest aspect level A at or below D
// at the ingress, solved as the instant at which D - A reaches 0. The latest of the nine
// crossings wins. The body whose D lies nearest above its level usually does; once one crossing
// is solved, another body needs solving only where its D has not yet passed its level at that
// instant, and not even that where the fastest approach could not make it later.
VoidOfCourse voidBefore(const Sky &sky, const Ingress &ingress, int maxMinutes)
{
    if (maxMinutes < 1)
        return {};
    const double at = ingress.instant;
    auto moonAt = [&](double t) { return calcPosition(Planet::MOON, t, sky.observer).longitude(); };
    auto bodyAt
        = [&](int body, double t) { return calcPosition(body, t, sky.observer).longitude(); };
    struct Candidate
    {
        int body;
        double level; // the aspect level crossed last
        double gap;   // how far D lies above it at the ingress, degrees
    };
    std::vector<Candidate> candidates;
    const double moon = moonAt(at);
    for (int body : AspectBodies) {
        const double d = normalizedDegrees(moon - bodyAt(body, at));
        double level = 0.0;
        for (double a : AspectLevels) {
            if (a <= d)
                level = a;
        }
        candidates.push_back({body, level, d - level});
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate &a, const Candidate &b) { return a.gap < b.gap; });

    // The first guess follows the Moon at the rate it crossed the boundary with.
    const double rate
        = sky.body == Planet::MOON && ingress.speed > 0.0 ? ingress.speed : NominalRelativeSpeed;
    double best = -HUGE_VAL;
    double moonAtBest = std::nan("");
    std::optional<Candidate> winner;
    for (const Candidate &c : candidates) {
        if (at - c.gap / MaxRelativeSpeed <= best)
            break;
        auto g = [&](double t) { return aroundZero(moonAt(t) - bodyAt(c.body, t) - c.level); };
        if (winner) {
            if (std::isnan(moonAtBest))
                moonAtBest = moonAt(best);
            if (aroundZero(moonAtBest - bodyAt(c.body, best) - c.level) > 0.0)
                continue;
        }
        double t = at;
        if (c.gap > 0.0)
            t = std::min(solveCrossing(g, at, c.gap, rate, winner ? best : -HUGE_VAL, at).t, at);
        if (t > best) {
            best = t;
            moonAtBest = std::nan("");
            winner = c;
        }
    }

    const QDateTime end = ingressMinute(sky, ingress);
    QDateTime start;
    if (winner) {
        const Candidate w = *winner;
        start = std::min(
            end,
            minuteOf([&](double t) { return aroundZero(moonAt(t) - bodyAt(w.body, t) - w.level); },
                     best, sky.zone));
    }
    if (!start.isValid() || start.secsTo(end) > qint64(SecondsPerMinute) * maxMinutes) {
        qCDebug(lcAstro).noquote()
            << QStringLiteral("no lunar aspect within %1 minutes before %2, no void of course")
                   .arg(maxMinutes)
                   .arg(end.toString(Qt::ISODate));
        return {};
    }
    VoidOfCourse v;
    v.start = start;
    v.end = end;
    // The Moon needs more than a day and a third for a sign: a void that starts later than
    // that before its ingress starts in the sign it leaves.
    const double length = at - julianDay(start);
    v.zodiac = sky.body == Planet::MOON && ingress.forward && length < SignWidth / MaxMoonSpeed
                   ? previousSign(ingress.sign)
                   : signAt(sky, julianDay(start));
    return v;
}

QDateTime horizonEventAfter(const Sky &sky, HorizonEvent event, double jd)
{
    std::optional<double> t;
    switch (event) {
    case HorizonEvent::Rising:
        t = calcRising(sky.body, jd, sky.observer);
        break;
    case HorizonEvent::Setting:
        t = calcSetting(sky.body, jd, sky.observer);
        break;
    case HorizonEvent::UpperTransit:
        t = calcUpperTransit(sky.body, jd, sky.observer);
        break;
    case HorizonEvent::LowerTransit:
        t = calcLowerTransit(sky.body, jd, sky.observer);
        break;
    }
    return t ? localTime(*t, sky.zone) : QDateTime();
}

} // namespace astro
