#include "astro/apsides.h"

#include "astro/library.h"
#include "astro/planet.h"
#include "astro/solver.h"

#include <algorithm>

namespace astro {

namespace {

// Perigee and apogee lie about two weeks apart, and the distance's rate changes its sign only
// there: a daily sample never holds two of them.
constexpr double SampleStep = 1.0; // days

double rateAt(double jd)
{
    return calcGeocentricDistance(Planet::MOON, jd).rate;
}

// The apsis between two samples whose rates have opposite signs: a perigee where the distance
// turns from falling to rising.
Apsis solveApsis(double a, double rateA, double b, double rateB)
{
    Apsis apsis;
    apsis.kind = rateA < 0.0 ? Apsis::Kind::Perigee : Apsis::Kind::Apogee;
    // Oriented so that it grows through zero, as the solver wants.
    const double sign = apsis.kind == Apsis::Kind::Perigee ? 1.0 : -1.0;
    auto g = [&](double t) { return sign * rateAt(t); };
    const double ga = sign * rateA, gb = sign * rateB;
    double guess = a + (b - a) * (-ga) / (gb - ga);
    if (!(guess > a && guess < b))
        guess = (a + b) / 2.0;
    const Root root = solveCrossing(g, guess, g(guess), (gb - ga) / (b - a), a, b);
    apsis.instant = std::clamp(root.t, a, b);
    apsis.distanceKm = moonDistanceKm(apsis.instant);
    return apsis;
}

} // namespace

double moonDistanceKm(double jd)
{
    return calcGeocentricDistance(Planet::MOON, jd).au * KilometresPerAu;
}

QVector<Apsis> apsidesBetween(double from, double to, const std::atomic<bool> *cancel)
{
    QVector<Apsis> result;
    if (!(to > from))
        return result;
    double a = from;
    double rateA = rateAt(a);
    while (a < to) {
        if (cancel && *cancel)
            break;
        const double b = std::min(a + SampleStep, to);
        const double rateB = rateAt(b);
        if ((rateA < 0.0) != (rateB < 0.0)) {
            const Apsis apsis = solveApsis(a, rateA, b, rateB);
            if (apsis.instant < to)
                result.append(apsis);
        }
        a = b;
        rateA = rateB;
    }
    return result;
}

std::optional<Apsis> nextApsis(double jd, Apsis::Kind kind)
{
    const int failures = libraryFailures();
    for (const Apsis &apsis : apsidesBetween(jd, jd + ApsisSearchDays)) {
        if (apsis.kind == kind)
            return libraryFailures() == failures ? std::optional<Apsis>(apsis) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace astro
