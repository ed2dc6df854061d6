#include "astro/calendarmodel.h"

#include "astro/library.h"

#include <QtConcurrent>

namespace astro {

namespace {

// The grid shows the new moons to the minute; the lunar day of each cell follows from them.
constexpr double NewMoonResolution = 1440;

} // namespace

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
    m_terminate = true;
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
    m_terminate = true;
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

// The month and the calculation are taken on the main thread, where the setters run; the
// calculation then waits for this run before it can be destroyed.
void CalendarModel::start()
{
    Calculation *calculation = m_calculation;
    const QDate month = m_activeMonth;
    if (calculation)
        calculation->beginUse();
    m_runs.begin();
    QtConcurrent::run(QThreadPool::globalInstance(), [this, month, calculation] {
        run(month, calculation);
        if (calculation)
            calculation->endUse();
        m_runs.end();
    });
}

bool CalendarModel::stopping(const Calculation *calculation) const
{
    return m_terminate || m_closing || calculation->isClosing();
}

void CalendarModel::run(const QDate &month, Calculation *calculation)
{
    if (!calculation || !month.isValid() || m_closing)
        return;
    const QDate first = gridStart(month);

    m_terminate = true;
    QMutexLocker locker(&m_lock);
    const qlonglong version = ++m_entriesVersion;
    m_terminate = false;
    emit entriesVersionChanged(version);

    // One observer and clock for the whole run; each entry records the observer.
    const Calculation::Sky sky = calculation->sky();
    const Zone &zone = sky.zone;
    const QDateTime g = zone.startOfDay(first);
    QDateTime prev = calculation->prevPhase(sky, g, 0.0, NewMoonResolution);
    QDateTime next = calculation->nextPhase(sky, g, 0.0, NewMoonResolution);
    Ephemeris scratch;
    auto moment = [&](const QDateTime &t) {
        if (!(t < next)) {
            prev = next;
            next = calculation->nextPhase(sky, t, 0.0, NewMoonResolution);
        }
        calculation->fillReduced(&scratch, sky, t, prev, next);
        return CalendarMoment::of(scratch);
    };

    QVector<CalendarEntry> entries(GridDays);
    for (int i = 0; i < GridDays && !stopping(calculation); ++i) {
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
    if (stopping(calculation))
        return;

    // Each void interval goes to the day it begins; one that begins before the grid is
    // dropped, and of two that begin on the same day the later wins.
    const QDateTime g0 = zone.startOfDay(first);
    const QVector<double> changes = calculation->signChanges(
        sky, julianDay(g0), julianDay(zone.startOfDay(first.addDays(GridDays))), &m_terminate);
    if (stopping(calculation))
        return;
    for (double change : changes) {
        const VoidOfCourse v = calculation->voidBefore(sky, change);
        const int k = voidDayIndex(g0, v.start, zone);
        if (k >= 0) {
            CalendarMoment &m = entries[k].first;
            m.voidStart = v.start;
            m.voidEnd = v.end;
            m.voidZodiac = v.zodiac;
            store(k, entries[k]);
            emit entryChanged(k, entries[k]);
        }
        if (stopping(calculation))
            return;
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
