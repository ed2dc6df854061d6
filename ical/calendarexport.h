#pragma once

#include "astro/calculation.h"
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
class CalendarExport : public QObject
{
    Q_OBJECT
    Q_PROPERTY(astro::Calculation *calculation READ calculation WRITE setCalculation NOTIFY
                   calculationChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    // 0 to 1 while busy.
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
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
    bool busy() const { return m_busy; }
    double progress() const { return m_progress; }
    int maximumYears() const;
    int firstYear() const;
    int lastYear() const;

    // The days of a choice of the dialog, counted from today: 0 this month, 1 the next three
    // months, 2 the next twelve. As the scene's date pickers hold days: {from, to}, each at this
    // computer's midnight.
    Q_INVOKABLE QVariantMap presetRange(int choice) const;
    // Whether the days (date pickers' midnights) can be exported: 0 yes, 1 the last lies
    // before the first, 2 they span more than maximumYears or leave the years of the data.
    Q_INVOKABLE int rangeProblem(const QDateTime &from, const QDateTime &to) const;
    // Starts writing the events of the chosen kinds (a mask of Kind) between the two days into
    // the file, for the calculation's place, each with a reminder `alarmMinutes` before it (none
    // when negative); false, and nothing started, while busy or without a calculation. Ends with
    // finished().
    Q_INVOKABLE bool start(const QUrl &file, const QDateTime &from, const QDateTime &to, int kinds,
                           const QString &placeName, int alarmMinutes = -1);
    Q_INVOKABLE void cancel();

signals:
    void calculationChanged(astro::Calculation *calculation);
    void busyChanged(bool busy);
    void progressChanged(double progress);
    // The file written (ok), or not: with why not (in English, from the engine or the system),
    // or with nothing when the export was cancelled.
    void finished(bool ok, const QString &file, const QString &error);

private:
    void setProgress(double progress);
    void end(bool ok, const QString &file, const QString &error);

    QPointer<astro::Calculation> m_calculation;
    bool m_busy = false;
    double m_progress = 0.0;
    std::atomic<bool> m_cancel{false};
    global::TaskGroup m_tasks;
};

} // namespace ical
