#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace astro {

// The clock on which the engine reads and writes wall-clock times. Every local date-time the
// engine builds or hands out passes through one of these, so that another zone (a place's own,
// say) can later be carried through in one value. For now it is the system's local time.
//
// A zone's clock may skip a stretch (daylight saving starting at 00:00 skips 00:00 to 01:00),
// so a date's midnight need not exist: a QDateTime built from it is invalid and would later be
// read as another instant. Days therefore start at their first existing instant.
class Zone
{
public:
    // The first existing instant of the date.
    QDateTime startOfDay(const QDate &date) const;
    // The date at the wall-clock time; a time the clock skips is read with the offset in force
    // before the skip, as a day step does (00:30 on a day whose clock jumps from 00:00 to 01:00
    // is 01:30).
    QDateTime at(const QDate &date, const QTime &clock) const;
    // The same instant on this zone's clock.
    QDateTime toZone(const QDateTime &time) const;
    // The same wall-clock time `days` calendar days away, moved as at() moves a skipped time.
    QDateTime addDays(const QDateTime &time, int days) const;
};

// The time with its seconds and milliseconds dropped, on its own clock.
QDateTime wholeMinute(const QDateTime &time);

} // namespace astro
