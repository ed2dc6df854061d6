#pragma once

#include "astro/zone.h"
#include "reminders/plan.h"

#include <QDateTime>
#include <QLocale>
#include <QMetaType>
#include <QString>

namespace reminders {

// What a notification says, and the moment a click on it shows.
struct Notice
{
    QString summary;
    QString body;
    QDateTime moment;
};

// In the interface's language, its times on the zone's clock as the window writes them ("09:22"),
// with the day's short name in front of a time on another day than `now` (an end: than its
// start's).

// A time as those lines write it.
QString timeText(const QDateTime &time, const astro::Zone &zone, const QLocale &locale,
                 const QDateTime &now);
// One event in a line: "Moon void of course from 09:22 to 16:54 (Scorpio to Sagittarius)";
// `atEnd` speaks of the end of a void of course.
QString describe(const ical::Event &event, bool atEnd, const astro::Zone &zone,
                 const QLocale &locale, const QDateTime &now);
// A reminder's notification: the line above and the event's date, with the zone's name where it
// is not this computer's.
Notice noticeOf(const Reminder &reminder, const astro::Zone &zone, const QLocale &locale,
                const QDateTime &now);

// The name the moon panel gives the phase (0 new, 0.5 full), translated: "Waxing Crescent".
QString phaseName(double phase);
// A sign's name, translated; empty for a number that is no sign.
QString signLabel(int sign);
// "Moon in Scorpio", translated as a whole.
QString moonInSign(int sign);

} // namespace reminders

Q_DECLARE_METATYPE(reminders::Notice)
