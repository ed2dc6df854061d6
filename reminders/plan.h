#pragma once

#include "astro/zone.h"
#include "ical/events.h"
#include "reminders/choice.h"

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QVector>

namespace reminders {

// One reminder: an event, the instant it is about (its start, or where the void of course ends
// for "void ends") and the moment it is due.
struct Reminder
{
    // The kind, the part and the instant in UTC: the same reminder has the same id in every zone
    // and every run, and no two reminders share one.
    QString id;
    ical::Event event;
    bool atEnd = false;
    QDateTime at;
    QDateTime due;

    // When the event is over: a reminder that could not be shown at its time is worth showing
    // until then, and not after.
    QDateTime over() const { return event.end.isValid() ? event.end : event.start; }
};

// The moment a reminder `lead` minutes ahead of an instant is due. Whole days are counted on the
// zone's clock: "a day before" is the same time on the day before, 23 or 25 hours ahead across
// a change of the clock.
QDateTime dueOf(const QDateTime &at, int lead, const astro::Zone &zone);

// The reminders the choice asks for among the events, in order of their due time.
QVector<Reminder> remindersOf(const QVector<ical::Event> &events, const Choice &choice,
                              const astro::Zone &zone);

} // namespace reminders

Q_DECLARE_METATYPE(reminders::Reminder)
