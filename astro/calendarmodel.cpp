#include "astro/calendarmodel.h"

#include "astro/dayrun.h"

#include <QtConcurrent>

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

void CalendarModel::setFirstDayOfWeek(int day)
{
    if (day < Qt::Monday || day > Qt::Sunday || day == m_firstDayOfWeek)
        return;
    m_firstDayOfWeek = day;
    emit firstDayOfWeekChanged(day);
}

QDate CalendarModel::gridStart(const QDate &month, int firstDayOfWeek)
{
    int k = (month.dayOfWeek() - firstDayOfWeek + 7) % 7;
    if (k == 0)
        k = 7;
    return month.addDays(-k);
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
    const int firstDay = m_firstDayOfWeek;
    const Sky sky = calculation->sky();
    m_runs.begin();
    QtConcurrent::run(QThreadPool::globalInstance(),
                      [this, month, firstDay, sky, version, cancel = m_cancel] {
                          run(month, firstDay, sky, version, cancel);
                          m_runs.end();
                      });
}

void CalendarModel::run(const QDate &month, int firstDayOfWeek, const Sky &sky, qlonglong version,
                        const std::shared_ptr<std::atomic<bool>> &cancel)
{
    if (!month.isValid() || m_closing)
        return;
    const QDate first = gridStart(month, firstDayOfWeek);

    QMutexLocker locker(&m_lock);
    if (version < m_entriesVersion)
        return; // a later run has filled the grid already
    m_entriesVersion = version;
    emit entriesVersionChanged(version);
    if (*cancel || m_closing)
        return;

    runDays(first, GridDays, sky, cancel, m_runs, [&](int index, CalendarEntry entry) {
        entry.version = version;
        store(index, entry);
        emit entryChanged(index, entry);
    });
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
