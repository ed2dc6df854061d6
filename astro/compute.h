#pragma once

// Filling ephemerides from the searches: the full ephemeris of a moment that the moon panel
// shows, and the reduced one of the calendar's days and the search's hits.

#include "astro/ephemeris.h"
#include "astro/sky.h"

#include <QDateTime>

#include <memory>

namespace astro {

// Everything about the body at the moment: the phase instants around it, the next rising,
// setting and transits, the day before and after, the void of course that ends at the first
// sign change from the start of its day, and its position, phase and illumination. Null (and
// a log line) when the library could not complete it (outside its data files); an ephemeris
// holding only the time when the time is not valid.
std::unique_ptr<Ephemeris> computeEphemeris(const Sky &sky, const QDateTime &time);

// The moment, the new moons around it (found by the caller, who carries them from day to day)
// and there the body's longitude, phase and sidereal offset: what the lunar day and the sign
// are read from. Returns the moment's Julian day.
double fillReduced(Ephemeris &e, const Sky &sky, const QDateTime &time,
                   const QDateTime &prevNewMoon, const QDateTime &nextNewMoon);

} // namespace astro
