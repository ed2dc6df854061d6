#include "astro/rules.h"

#include <cmath>

namespace astro {

// fmod keeps the rule exact for any finite input; the last test catches a tiny negative value
// that rounds up to 360 when 360 is added.
double normalizedDegrees(double d)
{
    if (!std::isfinite(d))
        return 0.0;
    d = std::fmod(d, 360.0);
    if (d < 0.0)
        d += 360.0;
    if (d >= 360.0)
        d = 0.0;
    return d;
}

double pictureTurn(double latitude)
{
    return latitude < 0.0 ? 180.0 : 0.0;
}

double pictureTurnInSky(double phase, double brightLimbAngle)
{
    const double turn = normalizedDegrees(brightLimbAngle - drawnLitSide(phase));
    return turn > 180.0 ? turn - 360.0 : turn;
}

double phaseFraction(double a, double b)
{
    double d = a - b;
    if (d < 0.0)
        d += 360.0;
    if (d > 360.0)
        d -= 360.0;
    return d / 360.0;
}

int zodiacIndex(double siderealLongitude, double offset)
{
    const int sign = int(std::floor(normalizedDegrees(siderealLongitude + offset) / SignWidth));
    return sign > Signs - 1 ? Signs - 1 : sign;
}

double zodiacDegreesOf(double siderealLongitude, double offset)
{
    const double d = normalizedDegrees(siderealLongitude + offset);
    return d - SignWidth * std::floor(d / SignWidth);
}

bool hasAspect(double longitude, const double *others, int count)
{
    for (int i = 0; i < count; ++i) {
        double e = std::fabs(longitude - others[i]);
        if (e > 180.0)
            e = 360.0 - e;
        for (double angle : AspectAngles) {
            if (std::fabs(e - angle) < AspectTolerance)
                return true;
        }
    }
    return false;
}

int lunarDayOf(double lunationDays, double phase)
{
    const float product = float(lunationDays * phase);
    if (!std::isfinite(product))
        return 1;
    // An unfilled phase (-1) or a lunation measured from mismatched new moons must not show a
    // day outside the lunar month.
    const int day = int(std::floor(product)) + 1;
    return day < 1 ? 1 : (day > LunarDays ? LunarDays : day);
}

} // namespace astro
