#pragma once

#include "ical/events.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

namespace ical {

struct CalendarFile
{
    QByteArray text; // the iCalendar file, empty unless complete
    QString error;   // one line when it could not be made
    bool cancelled = false;
};

// The one function that makes a calendar file: the window and the command line both call it, so
// the same request gives the same bytes. Runs on the calling thread.
CalendarFile exportCalendar(const Request &request, const std::atomic<bool> *cancel = nullptr,
                            const Progress &progress = {});

// The events as an iCalendar file: times on the request's zone with its VTIMEZONE over the
// events' span, or in UTC when the request has no zone (or UTC itself).
QByteArray calendarText(const Request &request, const QVector<Event> &events);

// The name proposed for a file of the days: "moon-2027-03.ics" for one whole month,
// "moon-2027-03-05_2027-04-20.ics" for any other days.
QString fileNameFor(const QDate &from, const QDate &to);

// The moment a file is made: now, or SOURCE_DATE_EPOCH when set, so that builds and tests can
// make files that are the same byte for byte.
QDateTime exportStamp();

} // namespace ical
