#pragma once

#include "astro/sky.h"
#include "ical/events.h"

#include <QDateTime>
#include <QVector>

namespace reminders {

// The Moon at a glance, for the tray: how it is now and what comes next.
struct Outlook
{
    QDateTime at;
    double phase = 0.0; // 0 new, 0.5 full
    double illumination = 0.0;
    int lunarDay = 0;
    int sign = -1;
    // The void of course under way or next; an invalid start when none is found in the days
    // searched.
    ical::Event voidOfCourse;
    // The next events of the kinds asked for.
    QVector<ical::Event> next;
    // When any of this changes: the lunar day, the phase's name, the void, the first of the next
    // events; at the latest the next full hour, for the illumination.
    QDateTime changes;
    bool valid = false; // false when the library could not compute the moment
};

// How many events `next` holds.
constexpr int OutlookEvents = 3;

// The outlook at `now` for the sky's place and clock, with the next events of `kinds` (a mask of
// ical::Kind). Runs the engine's searches on the calling thread.
Outlook outlookAt(const astro::Sky &sky, const QDateTime &now, int kinds);

} // namespace reminders
