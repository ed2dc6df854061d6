#pragma once

#include "astro/calendarentry.h"
#include "astro/searches.h"
#include "global/taskgroup.h"

#include <QDate>
#include <QVector>

#include <atomic>
#include <functional>
#include <memory>

namespace astro {

// What a run over consecutive calendar days finds: each day as the month grid shows it, and
// every sign change within the days with the void of course before it (zodiac -1 where none
// was found), in order of time. A void that begins before the first day is among `voids` but
// on no day.
struct DayRun
{
    QVector<CalendarEntry> days;
    QVector<Ingress> ingresses;
    QVector<VoidOfCourse> voids; // one for each ingress
};

// Called as a day is filled, and again when a void interval is put on it.
using DayDone = std::function<void(int index, const CalendarEntry &day)>;

// The Moon on `count` days from `first`, on the sky's clock: each day at its start and at
// 23:59, the void interval that begins on it (of two that begin on one day, the later), and
// last its great days (eclipses, perigee, apogee, a full or new moon near a perigee). The
// sign scan and the voids are shared with one helper from the thread pool, which `helpers`
// counts so that its owner can wait for it; the helper holds `stop`, as it may start after the
// run has ended. Stops early, with what it has, once *stop is set.
DayRun runDays(const QDate &first, int count, const Sky &sky,
               const std::shared_ptr<std::atomic<bool>> &stop, global::TaskGroup &helpers,
               const DayDone &dayDone = {});

// The day, counted from the first of `count` days, on which a void interval starting at `start`
// is shown, or -1 outside them (`begin` is the start of the first day on the zone's clock).
int voidDayIndex(const QDateTime &begin, int count, const QDateTime &start, const Zone &zone);

} // namespace astro
