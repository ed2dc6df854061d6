#include "astro/dayrun.h"

#include "astro/compute.h"
#include "astro/library.h"
#include "astro/moonevents.h"
#include "astro/rules.h"
#include "astro/signwork.h"

#include <QtConcurrent>

#include <algorithm>
#include <cmath>

namespace astro {

int voidDayIndex(const QDateTime &begin, int count, const QDateTime &start, const Zone &zone)
{
    const QDate first = zone.toZone(begin).date();
    if (!start.isValid() || start < begin || !(start < zone.startOfDay(first.addDays(count))))
        return -1;
    return int(first.daysTo(zone.toZone(start).date()));
}

DayRun runDays(const QDate &first, int count, const Sky &sky,
               const std::shared_ptr<std::atomic<bool>> &stop, global::TaskGroup &helpers,
               const DayDone &dayDone)
{
    DayRun found;
    auto stopping = [&] { return bool(*stop); };
    if (!first.isValid() || count <= 0 || stopping())
        return found;
    const Zone &zone = sky.zone;
    const QDateTime g0 = zone.startOfDay(first);
    const QDateTime end = zone.startOfDay(first.addDays(count));
    // The signs and voids go to a second worker meanwhile, where the pool has one free.
    auto signs = std::make_shared<SignWork>(sky, julianDay(g0), julianDay(end), stop.get());
    helpers.begin();
    QtConcurrent::run(QThreadPool::globalInstance(), [signs, stop, &helpers] {
        signs->help();
        helpers.end();
    });

    const PhaseInstants aroundStart(sky, julianDay(g0));
    QDateTime prev = aroundStart.minute(0.0, Direction::Backward);
    QDateTime next = aroundStart.minute(0.0, Direction::Forward);
    double lunation = julianDay(next) - julianDay(prev);
    // The days' moments are also the samples of the sign scan, should this worker make it: the
    // body's longitude from the equinox of date at each, at most a day apart.
    QVector<LongitudeSample> samples;
    samples.reserve(2 * count + 1);
    Ephemeris scratch;
    auto moment = [&](const QDateTime &t) {
        if (!(t < next)) {
            prev = next;
            next = phaseMinute(sky, t, 0.0, Direction::Forward);
            lunation = julianDay(next) - julianDay(prev);
        }
        const double jd = fillReduced(scratch, sky, t, prev, next);
        samples.append({jd, normalizedDegrees(scratch.longitude() + scratch.ayanamsa())});
        return CalendarMoment::of(scratch, lunation);
    };

    QVector<CalendarEntry> &days = found.days;
    days.resize(count);
    for (int i = 0; i < count && !stopping(); ++i) {
        const QDate day = first.addDays(i);
        CalendarEntry &entry = days[i];
        entry.first = moment(zone.startOfDay(day));
        entry.second = moment(zone.at(day, QTime(23, 59)));
        entry.observer = sky.observer;
        entry.zone = zone.id();
        if (dayDone)
            dayDone(i, entry);
    }
    if (!stopping())
        samples.append({julianDay(end), tropicalLongitude(sky, julianDay(end))});
    const SignWork::Result signResult = signs->finish(samples);
    if (stopping())
        return found;
    found.ingresses = signResult.ingresses;
    found.voids = signResult.voids;

    // Each void interval goes to the day it begins; one that begins before the days is
    // dropped, and of two that begin on the same day the later wins.
    for (const VoidOfCourse &v : qAsConst(found.voids)) {
        const int k = voidDayIndex(g0, count, v.start, zone);
        if (k >= 0) {
            CalendarMoment &m = days[k].first;
            m.voidStart = v.start;
            m.voidEnd = v.end;
            m.voidZodiac = v.zodiac;
            if (dayDone)
                dayDone(k, days[k]);
        }
        if (stopping())
            return found;
    }

    // The great days last: they take as long as a few days of the grid. A perigee a day outside
    // the days may have its full or new moon inside.
    const double margin = NearPerigeeHours / 24.0;
    QVector<bool> marked(count, false);
    auto mark = [&](const QDateTime &at, const QVariantMap &m) {
        const int k = voidDayIndex(g0, count, at, zone);
        if (k >= 0) {
            days[k].marks.append(m);
            marked[k] = true;
        }
    };
    for (const MoonEvent &e :
         moonEventsBetween(sky, julianDay(g0) - margin, julianDay(end) + margin, stop.get())) {
        const QVariantMap m = toVariant(sky, e);
        mark(m.value(QStringLiteral("time")).toDateTime(), m);
        if (e.kind == MoonEvent::Kind::Perigee && std::isfinite(e.nearPhase)) {
            QVariantMap near = m;
            near.insert(QStringLiteral("kind"), QStringLiteral("nearperigee"));
            near.insert(QStringLiteral("phase"), m.value(QStringLiteral("nearPhase")));
            near.insert(QStringLiteral("time"), m.value(QStringLiteral("nearPhaseTime")));
            near.insert(QStringLiteral("perigeeTime"), m.value(QStringLiteral("time")));
            mark(near.value(QStringLiteral("time")).toDateTime(), near);
        }
    }
    for (int k = 0; k < count && !stopping(); ++k) {
        if (marked[k]) {
            QVariantList &marks = days[k].marks;
            std::stable_sort(marks.begin(), marks.end(), [](const QVariant &a, const QVariant &b) {
                return a.toMap().value(QStringLiteral("time")).toDateTime()
                       < b.toMap().value(QStringLiteral("time")).toDateTime();
            });
            if (dayDone)
                dayDone(k, days[k]);
        }
    }
    return found;
}

} // namespace astro
