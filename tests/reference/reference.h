#pragma once

// The engine's searches as first written: a halving search for the phase instants, an hourly
// scan with a minute-by-minute look-back for the sign changes, and a minute-by-minute walk back
// for the void of course. Slow and plain, they are the reference the tests and benchmarks hold
// the exact searches against; the program itself never runs them.

#include "astro/sky.h"
#include "astro/voidofcourse.h"

#include <QDate>
#include <QDateTime>
#include <QList>

#include <atomic>

namespace reference {

// The phase instant by halving steps from 5 days down to 1/resolution of a day (86400:
// seconds, 1440: minutes), as a Julian day.
double phaseTime(const astro::Sky &sky, double jd, double target, double resolution,
                 bool backwards);

// The sign changes from `from` up to `to`, found on an hourly grid and placed at the first whole
// minute whose sign differs: the minute after the one during which the body enters the sign.
QList<QDateTime> zodiacChanges(const astro::Sky &sky, const QDateTime &from, const QDateTime &to);

// The walk back, minute by minute from the minute before the ingress, to the first minute at
// which the Moon is within 0.01 degrees of an aspect with the Sun or a planet; invalid when there
// is none within maxMinutes.
astro::VoidOfCourse voidOfCourse(const astro::Sky &sky, const QDateTime &ingress,
                                 int maxMinutes = 4 * 1440);

// The search examining every day: the first `results` dates from `from` on whose midnight has
// the lunar day (1 to 30, else any) and the sign (0 to 11, else any), each found within
// maxDays of the one before.
struct Hit
{
    QDate date;
    int lunarDay = 0;
    int zodiac = -1;
};
QList<Hit> searchDays(const astro::Sky &sky, const QDate &from, int lunarDay, int zodiac,
                      int results, int maxDays = 40 * 366);

} // namespace reference
