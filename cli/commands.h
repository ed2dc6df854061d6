#pragma once

#include "cli/options.h"

#include <QJsonDocument>

namespace astro {
class Calculation;
}

namespace cli {

// Each runs the engine's own objects (the calculation, the calendar model, the search model)
// and returns their results as a JSON document.
QJsonDocument ephemeris(astro::Calculation &calculation, const Options &options);
QJsonDocument calendar(astro::Calculation &calculation, const Options &options);
QJsonDocument search(astro::Calculation &calculation, const Options &options);
// The events of the chosen kinds over the days, as the calendar file holds them: kind (its
// name on the command line), start, end (null for an instant) and summary, in order of time.
// Null when the ephemeris library could not compute them all.
QJsonDocument events(const astro::Calculation &calculation, const Options &options);
// The eclipses whose greatest eclipse falls within the days, and what the place sees of each;
// the Moon's perigees and apogees within them. Null when the library failed.
QJsonDocument eclipses(astro::Calculation &calculation, const Options &options);
QJsonDocument apsides(astro::Calculation &calculation, const Options &options);
// The place tables' answer to a search by name, best first. Empty when no place file could be
// read from placeFolder.
QJsonDocument places(const QString &placeFolder, const Options &options);

} // namespace cli
