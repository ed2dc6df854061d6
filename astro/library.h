#pragma once

// The only code that talks to the ephemeris library. Every other part of the engine works in
// Julian days (UT1) and reaches local date-times through julianDay() and localTime().

#include "astro/eclipse.h"
#include "astro/phenomena.h"
#include "astro/position.h"
#include "astro/zone.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace astro {

// The years the library's data files cover; outside them it falls back to a coarser theory or
// fails.
constexpr int FirstEphemerisYear = 1800;
constexpr int LastEphemerisYear = 2399;

// Whether a full ephemeris can be computed at this instant from the data files: one rule on the
// UTC clock, whatever zone the time was read in. It starts ten minutes into 1800 (see
// library.cpp) and ends with the last minute of 2399.
bool inEphemerisRange(const QDateTime &time);
// That range for messages and usage texts: "1800-01-01 00:10 to 2399-12-31 23:59 UTC".
QString ephemerisRangeText();

// Once at start-up, on the main thread. Where the library keeps its settings per thread, every
// thread that computes repeats the same set-up itself before its first call.
void setupEphemeris();
// False when the library had to fall back to its analytic ephemeris (data files missing).
bool ephemerisFilesFound();

// Local (or any zone) date-time to the UT1 Julian day, converted with the UTC offset in force at
// that date. Milliseconds are dropped. 0.0 (and a log line) when the library rejects the date.
double julianDay(const QDateTime &time);
// UT1 Julian day to a date-time on the zone's clock, truncated to the whole minute: every
// instant the engine hands out is the minute during which it falls.
QDateTime localTime(double jd, const Zone &zone);

Position calcPosition(int body, double jd, const Position &observer);
Phenomena calcPhenomena(int body, double jd, const Position &observer);
// The next event after jd, or nothing when the body does not rise or set (it stays above or
// below the horizon: the library answers -2) or the library failed (logged).
std::optional<double> calcRising(int body, double jd, const Position &observer);
std::optional<double> calcSetting(int body, double jd, const Position &observer);
std::optional<double> calcUpperTransit(int body, double jd, const Position &observer);
std::optional<double> calcLowerTransit(int body, double jd, const Position &observer);
double calcAyanamsa(double jd);

// The body's geometric distance from the Earth's centre in astronomical units, and its rate in
// astronomical units a day.
struct Distance
{
    double au = 0.0;
    double rate = 0.0;
};
Distance calcGeocentricDistance(int body, double jd);

// The eclipses, as the library finds them. Each answers nothing when the library failed (logged).
// The first lunar or solar eclipse whose greatest eclipse comes after jd (before it, searching
// backward), with its magnitude.
std::optional<Eclipse> calcLunarEclipse(double jd, bool backward);
std::optional<Eclipse> calcSolarEclipse(double jd, bool backward);
// The Moon seen from the place during a lunar eclipse: its apparent altitude (degrees, of its
// centre, refraction included).
std::optional<double> calcLunarEclipseAltitude(double jd, const Position &observer);
// Whether the place sees the Sun eclipsed at jd: above its horizon and partly covered.
bool calcSolarEclipseSeen(double jd, const Position &observer);
// The first solar eclipse seen from the place after jd.
std::optional<LocalSolarEclipse> calcLocalSolarEclipse(double jd, const Position &observer);

// How many library calls have failed on the calling thread so far (each was logged): a
// computation compares the count before and after to know whether it was completed.
int libraryFailures();

// The body number of a name ("Moon " selects 1), or -1 when the name is not a known body.
int bodyNumber(const QString &name);

} // namespace astro
