#pragma once

#include "astro/calculation.h"
#include "astro/calendarentry.h"
#include "global/taskgroup.h"

#include <QDate>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <atomic>
#include <memory>

namespace astro {

// The six-week month grid: for each of 42 days the Moon at 00:00 and 23:59, and the
// void-of-course interval that begins that day. Runs on the thread pool, one entryChanged per
// finished day; a new run supersedes the running one.
class CalendarModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(astro::Calculation *calculation READ calculation WRITE setCalculation NOTIFY
                   calculationChanged)
    Q_PROPERTY(
        QDate selectedDate READ selectedDate WRITE setSelectedDate NOTIFY selectedDateChanged)
    Q_PROPERTY(QDate activeMonth READ activeMonth WRITE setActiveMonth NOTIFY activeMonthChanged)
    Q_PROPERTY(qlonglong entriesVersion READ entriesVersion NOTIFY entriesVersionChanged)
    // The weekday the grid's weeks start on, as Qt numbers them (1 Monday .. 7 Sunday); the
    // window sets its locale's. Takes effect with the next run.
    Q_PROPERTY(
        int firstDayOfWeek READ firstDayOfWeek WRITE setFirstDayOfWeek NOTIFY firstDayOfWeekChanged)

public:
    static constexpr int GridDays = 42;

    explicit CalendarModel(QObject *parent = nullptr);
    // Stops a running run and waits for every run this model started.
    ~CalendarModel() override;

    Calculation *calculation() const { return m_calculation; }
    QDate selectedDate() const { return m_selectedDate; }
    QDate activeMonth() const { return m_activeMonth; }
    qlonglong entriesVersion() const { return m_entriesVersion; }
    int firstDayOfWeek() const { return m_firstDayOfWeek; }
    // Out of 1 to 7: ignored.
    void setFirstDayOfWeek(int day);
    // The latest entry of a grid day.
    CalendarEntry entry(int index) const;
    // True for an entry of the latest run, computed for the calculation's observer and zone now:
    // the grid takes no other (a run for the place or zone before, or one a newer run
    // superseded).
    Q_INVOKABLE bool isCurrent(const astro::CalendarEntry &entry) const;

    void setCalculation(Calculation *calculation);
    void setSelectedDate(const QDate &date);
    void setActiveMonth(const QDate &date);

    Q_INVOKABLE void refresh();
    Q_INVOKABLE void terminate();
    // Blocks until every run started so far has ended (command line, tests).
    void waitForRuns();

    // The grid's first day: the week's first day (Monday unless said) before the month's first
    // day, a full week earlier when the first is itself that weekday.
    static QDate gridStart(const QDate &month, int firstDayOfWeek = Qt::Monday);

signals:
    void calculationChanged(Calculation *calculation);
    void selectedDateChanged(QDate selectedDate);
    void activeMonthChanged(QDate activeMonth);
    void entriesVersionChanged(qlonglong entriesVersion);
    void firstDayOfWeekChanged(int firstDayOfWeek);
    void entryChanged(int index, CalendarEntry entry);

private:
    void start();
    void run(const QDate &month, int firstDayOfWeek, const Sky &sky, qlonglong version,
             const std::shared_ptr<std::atomic<bool>> &cancel);
    void store(int index, const CalendarEntry &entry);

    QPointer<Calculation> m_calculation;
    QDate m_selectedDate;
    QDate m_activeMonth;
    int m_firstDayOfWeek = Qt::Monday;
    QVector<CalendarEntry> m_entries; // written by the runs, under m_entriesLock
    mutable QMutex m_entriesLock;
    std::atomic<qlonglong> m_entriesVersion{0};
    QMutex m_lock;
    // On the thread of the setters: the number of the latest run asked for, and its stop flag.
    qlonglong m_requested = 0;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    std::atomic<bool> m_closing{false};
    global::TaskGroup m_runs;
};

} // namespace astro
