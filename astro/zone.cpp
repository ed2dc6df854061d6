#include "astro/zone.h"

namespace astro {

QDateTime Zone::startOfDay(const QDate &date) const
{
    return date.startOfDay(Qt::LocalTime);
}

QDateTime Zone::at(const QDate &date, const QTime &clock) const
{
    const QDateTime t(date, clock, Qt::LocalTime);
    if (t.isValid() || !date.isValid() || !clock.isValid())
        return t;
    // A day step from the day before lands past the skip by as much as the time lies in it.
    const QDateTime stepped = QDateTime(date.addDays(-1), clock, Qt::LocalTime).addDays(1);
    return stepped.isValid() && stepped.date() == date ? stepped : startOfDay(date);
}

QDateTime Zone::toZone(const QDateTime &time) const
{
    return time.toLocalTime();
}

QDateTime Zone::addDays(const QDateTime &time, int days) const
{
    const QDateTime local = toZone(time);
    return at(local.date().addDays(days), local.time());
}

QDateTime wholeMinute(const QDateTime &time)
{
    return time.addMSecs(-(time.time().second() * 1000 + time.time().msec()));
}

} // namespace astro
