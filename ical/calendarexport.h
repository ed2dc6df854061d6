#pragma once

#include "astro/calculation.h"
#include "global/backgroundjob.h"
#include "global/taskgroup.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QVariantMap>

#include <atomic>

namespace ical {

// The window's export of a calendar file: the file is made by exportCalendar() on the thread
// pool, with the shared calculation's place and lock, and written there; busy, progress and the
// end reach the scene on its own thread.
class CalendarExport : public global::BackgroundJob
{
    Q_OBJECT
    Q_PROPERTY(astro::Calculation *calculation READ calculation WRITE setCalculation NOTIFY
                   calculationChanged)
    // The limits of a range, for the scene's messages.
    Q_PROPERTY(int maximumYears READ maximumYears CONSTANT)
    Q_PROPERTY(int firstYear READ firstYear CONSTANT)
    Q_PROPERTY(int lastYear READ lastYear CONSTANT)

public:
    explicit CalendarExport(QObject *parent = nullptr);
    // Cancels a running export and waits for it.
    ~CalendarExport() override;

    astro::Calculation *calculation() const { return m_calculation; }
    void setCalculation(astro::Calculation *calculation);
    int maximumYears() const;
    int firstYear() const;
    int lastYear() const;

    // The days of a choice of the dialog: 0 the month of `shownMonth` (the one the calendar
    // shows), 1 the next three months from today, 2 the next twelve. As the scene's date pickers
    // hold days: {from, to}, each at this computer's midnight.
    Q_INVOKABLE QVariantMap presetRange(int choice, const QDateTime &shownMonth) const;
    // The file name the save dialog proposes for the days (date pickers' midnights).
    Q_INVOKABLE QString proposedName(const QDateTime &from, const QDateTime &to) const;
    // Whether the days (date pickers' midnights) can be exported: 0 yes, 1 the last lies
    // before the first, 2 they span more than maximumYears or leave the years of the data.
    Q_INVOKABLE int rangeProblem(const QDateTime &from, const QDateTime &to) const;
    // Starts writing the events of the chosen kinds (a mask of Kind) between the two days into
    // the file, for the calculation's place, their texts in `language` (see Request), each with a
    // reminder `alarmMinutes` before it (none when negative); false, and nothing started, while
    // busy or without a calculation. Ends with finished().
    Q_INVOKABLE bool start(const QUrl &file, const QDateTime &from, const QDateTime &to, int kinds,
                           const QString &placeName, const QString &language,
                           int alarmMinutes = -1);
    Q_INVOKABLE void cancel();

signals:
    void calculationChanged(astro::Calculation *calculation);

private:
    QPointer<astro::Calculation> m_calculation;
    std::atomic<bool> m_cancel{false};
    global::TaskGroup m_tasks;
};

} // namespace ical
