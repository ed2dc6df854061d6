#include "astro/calendarmodel.h"

#include <QQmlEngine>
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
    m_entries.reserve(GridDays);
    for (int i = 0; i < GridDays; ++i) {
        CalendarEntry entry;
        entry.first = new Ephemeris(this);
        entry.second = new Ephemeris(this);
        // The grid reads them for the model's whole life; the engine must never collect them.
        QQmlEngine::setObjectOwnership(entry.first, QQmlEngine::CppOwnership);
        QQmlEngine::setObjectOwnership(entry.second, QQmlEngine::CppOwnership);
        m_entries.append(entry);
    }
}

CalendarModel::~CalendarModel()
{
    m_closing = true;
    m_terminate = true;
    m_runs.waitForIdle();
}

CalendarEntry CalendarModel::entry(int index) const
{
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

    const Zone zone = calculation->zone();
    const QDateTime g = zone.startOfDay(first);
    QDateTime prev = calculation->prevPhase(g, 0.0, NewMoonResolution);
    QDateTime next = calculation->nextPhase(g, 0.0, NewMoonResolution);
    auto fill = [&](Ephemeris *e, const QDateTime &t) {
        if (!(t < next)) {
            prev = next;
            next = calculation->nextPhase(t, 0.0, NewMoonResolution);
        }
        calculation->fillReduced(e, t, prev, next);
    };

    for (int i = 0; i < GridDays && !stopping(calculation); ++i) {
        const QDate day = first.addDays(i);
        CalendarEntry entry = m_entries.at(i);
        fill(entry.first, zone.startOfDay(day));
        entry.first->setVoidZodiac(-1);
        fill(entry.second, zone.at(day, QTime(23, 59)));
        entry.version = version;
        emit entryChanged(i, entry);
    }

    // Each void interval goes to the day it begins; one that begins before the grid is
    // dropped, and of two that begin on the same day the later wins.
    const QDateTime firstTime = m_entries.at(0).first->time();
    if (!firstTime.isValid())
        return;
    const QDateTime g0 = zone.startOfDay(zone.toZone(firstTime).date());
    QList<QDateTime> changes;
    calculation->zodiacChanges(g0, zone.startOfDay(g0.date().addDays(GridDays)), changes,
                               &m_terminate);
    if (stopping(calculation))
        return;
    for (const QDateTime &change : qAsConst(changes)) {
        const VoidOfCourse v = calculation->voidOfCourse(change);
        const int k = voidDayIndex(g0, v.start, zone);
        if (k >= 0) {
            Ephemeris *e = m_entries.at(k).first;
            e->setVoidStart(v.start);
            e->setVoidEnd(v.end);
            e->setVoidZodiac(v.zodiac);
            emit entryChanged(k, m_entries.at(k));
        }
        if (stopping(calculation))
            return;
    }
}

} // namespace astro
