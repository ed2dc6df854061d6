#pragma once

// The pure rules of the engine: phase fraction, sign and degree, exact aspects, lunar day.

#include <QVector>

namespace astro {

constexpr double SynodicMonth = 29.530587981;
constexpr double SignWidth = 30.0;
constexpr int Signs = 12;     // 0 Aries .. 11 Pisces
constexpr int LunarDays = 30; // 1 .. 30
constexpr double AspectTolerance = 0.01;
constexpr double AspectAngles[] = {0.0, 180.0, 120.0, 90.0, 60.0};

// Elongation of a from b as a fraction of the circle, 0 to below 1.
double phaseFraction(double a, double b);

// Any angle brought into 0 <= d < 360 degrees; 0 for a value that is not finite.
double normalizedDegrees(double d);

// The library's sidereal longitudes are counted from the J2000 equinox; adding the precession
// since J2000 (the sidereal offset) gives the longitude from the equinox of date, on which the
// signs are counted. Sign 0 Aries .. 11 Pisces.
int zodiacIndex(double siderealLongitude, double offset);
double zodiacDegreesOf(double siderealLongitude, double offset);

// True when the first longitude makes a conjunction, opposition, trine, square or sextile with
// any of the others, to within the aspect tolerance.
bool hasAspect(double longitude, const double *others, int count);
inline bool hasAspect(double longitude, const QVector<double> &others)
{
    return hasAspect(longitude, others.constData(), others.size());
}

inline bool isSign(int sign)
{
    return sign >= 0 && sign < Signs;
}
inline bool isLunarDay(int day)
{
    return day >= 1 && day <= LunarDays;
}
// The sign before, Pisces before Aries.
inline int previousSign(int sign)
{
    return (sign + Signs - 1) % Signs;
}

// The moon picture is drawn as an observer north of the tropics sees the Moon high in the south:
// lit on the right while waxing (phase up to 0.5), on the left while waning. These give the turn,
// in degrees counter-clockwise, that shows it as the observer sees it: by default half a turn
// south of the equator (at the equator, none); as in the sky at the moment, the turn that puts
// its lit side at the bright-limb angle (see brightLimbAngle), in (-180, 180].
double pictureTurn(double latitude);
double pictureTurnInSky(double phase, double brightLimbAngle);
// Where the picture, drawn as above, has its lit side: -90 waxing, 90 waning.
inline double drawnLitSide(double phase)
{
    return phase <= 0.5 ? -90.0 : 90.0;
}

// Whole days of the lunation covered by the phase, counted from 1: floor(L * phase) + 1 with
// the product in single precision, so a product a hair below a whole number counts as it.
int lunarDayOf(double lunationDays, double phase);

} // namespace astro
