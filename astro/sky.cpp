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

struct Vector
{
    double x, y, z;

    Vector operator-(const Vector &o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vector operator*(double f) const { return {x * f, y * f, z * f}; }
    double dot(const Vector &o) const { return x * o.x + y * o.y + z * o.z; }
    Vector cross(const Vector &o) const
    {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
    }
    double length() const { return std::sqrt(dot(*this)); }
};

constexpr double Radian = M_PI / 180.0;

// The unit vector of a direction on the sky: right ascension and declination in degrees.
Vector direction(double ra, double dec)
{
    return {std::cos(dec * Radian) * std::cos(ra * Radian),
            std::cos(dec * Radian) * std::sin(ra * Radian), std::sin(dec * Radian)};
}

// The part of v across the line of sight to `towards`: a direction on the sky's tangent plane
// there.
Vector across(const Vector &v, const Vector &towards)
{
    return v - towards * v.dot(towards);
}

} // namespace

double brightLimbAngle(const Sky &sky, double jd)
{
    // On the plane of the sky at the Moon: "up" is the way towards the zenith, "left" a quarter
    // turn counter-clockwise from it as the observer, facing the Moon, sees it; the lit limb
    // faces the Sun along the great circle from the Moon to the Sun.
    const Position body = calcEquatorial(sky.body, jd, sky.observer);
    const Position sun = calcEquatorial(Planet::SUN, jd, sky.observer);
    const Vector moon = direction(body.longitude(), body.latitude());
    const Vector zenith
        = direction(siderealTime(jd) + sky.observer.longitude(), sky.observer.latitude());
    Vector up = across(zenith, moon);
    // With the Moon in the zenith every way is up: the way to the celestial pole serves.
    if (up.length() < 1e-9)
        up = across(Vector{0.0, 0.0, 1.0}, moon);
    up = up * (1.0 / up.length());
    const Vector left = up.cross(moon);
    const Vector toSun = across(direction(sun.longitude(), sun.latitude()), moon);
    const double angle = std::atan2(toSun.dot(left), toSun.dot(up)) / Radian;
    return angle <= -180.0 ? angle + 360.0 : angle;
}

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
