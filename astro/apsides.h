#pragma once

// The Moon's perigees and apogees: the instants at which its distance from the Earth's centre
// stops falling or rising. Pure functions of Julian days (UT), like astro/searches.h.

#include <QVector>

#include <atomic>
#include <optional>

namespace astro {

constexpr double KilometresPerAu = 149597870.7;
// A perigee is followed by an apogee about two weeks later, and the next perigee about 27.55
// days after it (the anomalistic month): a search for one of them looks this far ahead.
constexpr double ApsisSearchDays = 32.0;
// The full or new moon that the calendar calls out as near a perigee: within this many hours.
constexpr double NearPerigeeHours = 24.0;

struct Apsis
{
    enum class Kind { Perigee, Apogee };
    Kind kind = Kind::Perigee;
    double instant = 0.0; // Julian day
    double distanceKm = 0.0;
};

// The Moon's distance from the Earth's centre at jd, in kilometres.
double moonDistanceKm(double jd);

// The apsides from one Julian day up to (not including) another, in order of time. Stops early,
// with what it has, when *cancel becomes true.
QVector<Apsis> apsidesBetween(double from, double to, const std::atomic<bool> *cancel = nullptr);

// The first apsis of the kind at or after jd; nothing when the library failed.
std::optional<Apsis> nextApsis(double jd, Apsis::Kind kind);

} // namespace astro
