#include "astro/calendarmodel.h"

#include "astro/compute.h"
#include "astro/library.h"
#include "astro/moonevents.h"
#include "astro/rules.h"
#include "astro/searches.h"
#include "astro/signwork.h"

#include <QtConcurrent>

#include <algorithm>
#include <cmath>

namespace astro {

CalendarModel::CalendarModel(QObject *parent)
    : QObject(parent)
    , m_selectedDate(QDate::currentDate())
    , m_activeMonth(QDate::currentDate())
{
    m_entries.resize(GridDays);
}

CalendarModel::~CalendarModel()
{
    m_closing = true;
    terminate();
    m_runs.waitForIdle();
}

CalendarEntry CalendarModel::entry(int index) const
{
    QMutexLocker locker(&m_entriesLock);
    return index >= 0 && index < m_entries.size() ? m_entries.at(index) : CalendarEntry();
}

void CalendarModel::setCalculation(Calculation *calculation)
{
    if (m_calculation == calculation)
        return;
    m_calculation = calculation;
    emit calculationChanged(calculation);
}

void CalendarModel::setSelectedDate(const QDate &date)
{
    if (m_selectedDate == date)
        return;
    m_selectedDate = date;
    emit selectedDateChanged(date);
}

void CalendarModel::setActiveMonth(const QDate &date)
{
    const QDate month(date.year(), date.month(), 1);
    if (!month.isValid() || month == m_activeMonth)
        return;
    m_activeMonth = month;
    emit activeMonthChanged(month);
    start();
}

void CalendarModel::refresh()
{
    start();
}

void CalendarModel::terminate()
{
    if (m_cancel)
        *m_cancel = true;
}

void CalendarModel::waitForRuns()
{
    m_runs.waitForIdle();
}

QDate CalendarModel::gridStart(const QDate &month)
{
    int k = (month.dayOfWeek() + 6) % 7;
    if (k == 0)
        k = 7;
    return month.addDays(-k);
}

int CalendarModel::voidDayIndex(const QDateTime &gridBegin, const QDateTime &start,
                                const Zone &zone)
{
    const QDate first = zone.toZone(gridBegin).date();
    if (!start.isValid() || start < gridBegin
        || !(start < zone.startOfDay(first.addDays(GridDays))))
        return -1;
    return int(first.daysTo(zone.toZone(start).date()));
}

// The month and the sky are taken on the main thread, where the setters run; the run needs
// nothing of the calculation after that.
//
// Runs are numbered here, in the order they are asked for, and each has its own stop flag: the
// pool may start a later run before an earlier one, and the earlier must then neither stop the
// later nor pass for the latest.
void CalendarModel::start()
{
    const Calculation *calculation = m_calculation;
    if (!calculation)
        return;
    terminate();
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    const qlonglong version = ++m_requested;
    const QDate month = m_activeMonth;
    const Sky sky = calculation->sky();
    m_runs.begin();
    QtConcurrent::run(QThreadPool::globalInstance(),
                      [this, month, sky, version, cancel = m_cancel] {
                          run(month, sky, version, cancel);
                          m_runs.end();
                      });
}

void CalendarModel::run(const QDate &month, const Sky &sky, qlonglong version,
                        const std::shared_ptr<std::atomic<bool>> &cancel)
{
    if (!month.isValid() || m_closing)
        return;
    const QDate first = gridStart(month);
    auto stopping = [&] { return *cancel || m_closing; };

    QMutexLocker locker(&m_lock);
    if (version < m_entriesVersion)
        return; // a later run has filled the grid already
    m_entriesVersion = version;
    emit entriesVersionChanged(version);
    if (stopping())
        return;

    const Zone &zone = sky.zone;
    const QDateTime g0 = zone.startOfDay(first);
    const QDateTime end = zone.startOfDay(first.addDays(GridDays));
    // The signs and voids go to a second worker meanwhile, where the pool has one free.
    auto signs = std::make_shared<SignWork>(sky, julianDay(g0), julianDay(end), cancel.get());
    m_runs.begin();
    // The helper holds the flag the work reads, should it start after this run has ended.
    QtConcurrent::run(QThreadPool::globalInstance(), [this, signs, cancel] {
        signs->help();
        m_runs.end();
    });

    const PhaseInstants aroundStart(sky, julianDay(g0));
    QDateTime prev = aroundStart.minute(0.0, Direction::Backward);
    QDateTime next = aroundStart.minute(0.0, Direction::Forward);
    double lunation = julianDay(next) - julianDay(prev);
    // The grid's moments are also the samples of the sign scan, should this worker make it: the
    // body's longitude from the equinox of date at each, at most a day apart.
    QVector<LongitudeSample> samples;
    samples.reserve(2 * GridDays + 1);
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

    QVector<CalendarEntry> entries(GridDays);
    for (int i = 0; i < GridDays && !stopping(); ++i) {
        const QDate day = first.addDays(i);
        CalendarEntry &entry = entries[i];
        entry.first = moment(zone.startOfDay(day));
        entry.second = moment(zone.at(day, QTime(23, 59)));
        entry.version = version;
        entry.observer = sky.observer;
        entry.zone = sky.zone.id();
        store(i, entry);
        emit entryChanged(i, entry);
    }
    if (!stopping())
        samples.append({julianDay(end), tropicalLongitude(sky, julianDay(end))});
    const SignWork::Result found = signs->finish(samples);
    if (stopping())
        return;

    // Each void interval goes to the day it begins; one that begins before the grid is
    // dropped, and of two that begin on the same day the later wins.
    for (const VoidOfCourse &v : found.voids) {
        const int k = voidDayIndex(g0, v.start, zone);
        if (k >= 0) {
            CalendarMoment &m = entries[k].first;
            m.voidStart = v.start;
            m.voidEnd = v.end;
            m.voidZodiac = v.zodiac;
            store(k, entries[k]);
            emit entryChanged(k, entries[k]);
        }
        if (stopping())
            return;
    }

    // The great days last: they take as long as a few days of the grid. A perigee a day outside
    // the grid may have its full or new moon inside.
    const double margin = NearPerigeeHours / 24.0;
    QVector<bool> marked(GridDays, false);
    auto mark = [&](const QDateTime &at, const QVariantMap &m) {
        const int k = voidDayIndex(g0, at, zone);
        if (k >= 0) {
            entries[k].marks.append(m);
            marked[k] = true;
        }
    };
    for (const MoonEvent &e :
         moonEventsBetween(sky, julianDay(g0) - margin, julianDay(end) + margin, cancel.get())) {
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
    for (int k = 0; k < GridDays && !stopping(); ++k) {
        if (marked[k]) {
            QVariantList &marks = entries[k].marks;
            std::stable_sort(marks.begin(), marks.end(), [](const QVariant &a, const QVariant &b) {
                return a.toMap().value(QStringLiteral("time")).toDateTime()
                       < b.toMap().value(QStringLiteral("time")).toDateTime();
            });
            store(k, entries[k]);
            emit entryChanged(k, entries[k]);
        }
    }
}

void CalendarModel::store(int index, const CalendarEntry &entry)
{
    QMutexLocker locker(&m_entriesLock);
    m_entries[index] = entry;
}

bool CalendarModel::isCurrent(const CalendarEntry &entry) const
{
    const Calculation *calculation = m_calculation;
    return entry.version == m_entriesVersion && calculation
           && entry.observer == calculation->observer() && entry.zone == calculation->zone().id();
}

} // namespace astro
