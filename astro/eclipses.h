#pragma once

// The eclipses of the Sun and the Moon: found over the whole Earth, then seen from the sky's
// place. Pure functions of Julian days (UT) and a sky, like the searches of astro/searches.h.

#include "astro/eclipse.h"
#include "astro/searches.h"
#include "astro/sky.h"

#include <QVector>

#include <atomic>
#include <optional>

namespace astro {

// How far ahead the search for an eclipse seen from a place looks. Every place on the Earth
// sees a lunar eclipse within a few years; the limit only ends a search that meets something
// else.
constexpr double EclipseSearchDays = 20 * 365.25;
// The solar eclipse is looked for at the place at this step across its course over the Earth:
// a place that sees less than this much of it with the Sun up may be passed over.
constexpr double LocalEclipseStep = 5.0 / (24 * 60); // days

// The next lunar or solar eclipse after (or before) jd, by its greatest eclipse; nothing when
// the library failed.
std::optional<Eclipse> eclipseOf(EclipseBody body, double jd, Direction direction);

// Every eclipse whose greatest eclipse falls from one Julian day up to (not including) another,
// in order of time. Stops early, with what it has, when *cancel becomes true.
QVector<Eclipse> eclipsesBetween(double from, double to, const std::atomic<bool> *cancel = nullptr);

// Whether some phase of a lunar eclipse can be seen from the sky's place: the Moon above the
// horizon (its upper limb, as its rising counts) at some instant between the first and the last
// contact with the penumbra.
bool lunarEclipseVisible(const Sky &sky, const Eclipse &eclipse);
// A solar eclipse seen from the sky's place; nothing when the place sees none of it (outside
// the Moon's shadow, or the Sun below the horizon throughout).
std::optional<LocalSolarEclipse> localSolarEclipse(const Sky &sky, const Eclipse &eclipse);

// An eclipse and what the sky's place sees of it.
struct EclipseView
{
    Eclipse eclipse;
    bool visible = false;
    std::optional<LocalSolarEclipse> local; // solar eclipses seen from the place
};
EclipseView viewFrom(const Sky &sky, const Eclipse &eclipse);

// The first eclipse not yet over at jd (its last contact anywhere at or after jd); with
// visibleOnly, the first of those that the sky's place sees. Nothing within EclipseSearchDays
// (or when the library failed).
std::optional<EclipseView> nextEclipse(const Sky &sky, double jd, bool visibleOnly);

} // namespace astro
