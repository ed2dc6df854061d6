#pragma once

#include "astro/planet.h"
#include "astro/position.h"
#include "astro/zone.h"

namespace astro {

// What one computation reads throughout: which body, seen from where, and the clock on which
// its days start and its instants are read. A value: a search that was given a sky is never
// changed halfway by a setter of the window.
struct Sky
{
    int body = Planet::MOON;
    // Longitude and latitude in degrees (east and north positive), altitude in metres.
    Position observer;
    Zone zone = Zone::system();
};

// The quantities of one moment, one function each. Julian days are on the library's Universal
// Time scale; positions are topocentric for the sky's observer.

// The body's elongation east of the Sun as a fraction of the circle: 0 new, 0.5 full.
double phaseOf(const Sky &sky, double jd);
// The body's longitude from the equinox of date, on which the signs are counted (degrees,
// 0 to below 360).
double tropicalLongitude(const Sky &sky, double jd);
// The sign the body is in, 0 Aries .. 11 Pisces.
int signAt(const Sky &sky, double jd);
// Where the lit limb of the body lies as the observer sees it in the sky at the moment: the
// direction from the body's centre towards the Sun, in degrees counter-clockwise from straight
// up (towards the zenith), in (-180, 180]. Apparent and topocentric. 90 is the left side,
// -90 the right: a waxing moon high in the southern sky of a northern observer is near -90.
double brightLimbAngle(const Sky &sky, double jd);
// The sidereal offset of the moment (degrees): the precession since J2000 that turns the
// library's sidereal longitudes into longitudes from the equinox of date.
double siderealOffset(double jd);

} // namespace astro
