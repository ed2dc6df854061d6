#include "astro/sky.h"

#include "astro/library.h"
#include "astro/rules.h"

#include <cmath>

namespace astro {

namespace {

// The offset changes by about 50 seconds of arc a year, smoothly but for the nutation's short
// terms: between two values a quarter of a day apart it is a straight line to within 2e-7
// degrees, which moves no instant of the Moon by more than 2 ms. The library's own call costs
// as much as half a position, and the searches ask for it at every sample.
constexpr double OffsetStep = 0.25; // days

struct OffsetCell
{
    double start = std::nan("");
    double first = 0.0;
    double last = 0.0;
};

} // namespace

double siderealOffset(double jd)
{
    thread_local OffsetCell cell;
    const double start = std::floor(jd / OffsetStep) * OffsetStep;
    if (cell.start != start) {
        cell.start = start;
        cell.first = calcAyanamsa(start);
        cell.last = calcAyanamsa(start + OffsetStep);
    }
    return cell.first + (cell.last - cell.first) * (jd - start) / OffsetStep;
}

double phaseOf(const Sky &sky, double jd)
{
    const double body = calcPosition(sky.body, jd, sky.observer).longitude();
    const double sun = calcPosition(Planet::SUN, jd, sky.observer).longitude();
    return phaseFraction(body, sun);
}

double tropicalLongitude(const Sky &sky, double jd)
{
    return normalizedDegrees(calcPosition(sky.body, jd, sky.observer).longitude()
                             + siderealOffset(jd));
}

int signAt(const Sky &sky, double jd)
{
    return zodiacIndex(calcPosition(sky.body, jd, sky.observer).longitude(), siderealOffset(jd));
}

} // namespace astro
