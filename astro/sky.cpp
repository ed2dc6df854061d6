#include "astro/sky.h"

#include "astro/library.h"
#include "astro/rules.h"

#include <cmath>

namespace astro {

namespace {

// The offset changes by about 50 seconds of arc a year, smoothly but for the nutation's short
// terms: a cubic through its values at the four whole days around a moment matches it to within
// 2e-7 degrees (over the years of the data files), which moves no instant of the Moon by more than
// 2 ms. The library's own call costs as much as half a position and the searches ask at every
// sample; consecutive samples share the days.
constexpr int CachedDays = 64;

struct DayValue
{
    double day = std::nan("");
    double offset = 0.0;
};

double offsetOnDay(double day)
{
    thread_local DayValue cache[CachedDays];
    DayValue &slot = cache[int(std::fmod(day, CachedDays))];
    if (slot.day != day)
        slot = {day, calcAyanamsa(day)};
    return slot.offset;
}

} // namespace

double siderealOffset(double jd)
{
    if (!std::isfinite(jd))
        return calcAyanamsa(jd);
    const double day = std::floor(jd);
    const double x = jd - day;
    // Lagrange's cubic through the days before, of, after and the one after that.
    const double before = offsetOnDay(day - 1.0), on = offsetOnDay(day),
                 after = offsetOnDay(day + 1.0), later = offsetOnDay(day + 2.0);
    return -x * (x - 1.0) * (x - 2.0) / 6.0 * before + (x + 1.0) * (x - 1.0) * (x - 2.0) / 2.0 * on
           - (x + 1.0) * x * (x - 2.0) / 2.0 * after + (x + 1.0) * x * (x - 1.0) / 6.0 * later;
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
