#pragma once

#include "astro/position.h"
#include "astro/zone.h"
#include "global/taskgroup.h"
#include "reminders/choice.h"
#include "reminders/plan.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <functional>

namespace reminders {

// Says when each reminder the user chose is due, for the place and zone the window shows.
//
// It plans a few days at a time from the engine's event searches, on the thread pool, and then
// sleeps on one single-shot timer until the next reminder or the next local midnight, when it
// plans again. A change of place, zone or choice plans again at once. The timer runs on the
// monotonic clock, which stands still while the computer sleeps, and the wall clock may be set
// forward or back: a check once a minute compares the two and catches up when they part.
//
// Each reminder is handed out once. What was handed out, and up to which moment everything due
// was dealt with, is kept in settings group "reminders" (keys "reminded" and "settled"), so a
// restart repeats nothing. A reminder that fell due while the computer slept or the program was
// off is handed out late, once, when its event has not ended by then, and dropped otherwise.
class Planner : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;
    // The events of a request, as ical::collectEvents() finds them.
    using Source = std::function<QVector<ical::Event>(const ical::Request &)>;

    explicit Planner(QObject *parent = nullptr);
    // Waits for a plan still being made.
    ~Planner() override;

    // For tests: another clock, and the events from elsewhere.
    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setSource(Source source) { m_source = std::move(source); }

    // Each plans again; nothing due before the change is handed out late because of it.
    void setPlace(const astro::Position &place);
    void setZone(const astro::Zone &zone);
    void setChoice(const Choice &choice);
    // Reads what earlier runs handed out and makes the first plan.
    void start();

    // What the timers call: hands out what is due and plans ahead. Tests call it after moving
    // their clock.
    void check();

    const Choice &choice() const { return m_choice; }
    const astro::Zone &zone() const { return m_zone; }
    // The reminders of the current plan that have not been handed out.
    QVector<Reminder> pending() const;
    // When the timer wakes next; invalid while nothing is chosen.
    QDateTime nextWake() const { return m_nextWake; }
    bool planning() const { return m_planning; }

signals:
    void due(const reminders::Reminder &reminder);
    // A plan was made and is now followed.
    void planned();

private:
    QDateTime now() const { return m_clock(); }
    // Everything due up to now counts as dealt with: what the user just chose is not "missed".
    void settleNow();
    void plan();
    void receive(int generation, const QVector<Reminder> &made, const QDate &day);
    void deliverDue();
    void arm();
    void watch();
    void remember();

    Clock m_clock;
    Source m_source;
    astro::Position m_place;
    astro::Zone m_zone = astro::Zone::system();
    Choice m_choice;
    bool m_started = false;

    QVector<Reminder> m_plan;
    QDate m_planDay; // the day on the zone's clock that the plan was made on
    int m_generation = 0;
    bool m_planning = false;
    QDateTime m_settled;
    QStringList m_reminded;

    QTimer m_timer;
    QDateTime m_nextWake;
    QTimer m_watch;
    QElapsedTimer m_monotonic;
    QDateTime m_watchedAt;
    global::TaskGroup m_tasks;
};

} // namespace reminders
