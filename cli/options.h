#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace cli {

// What the command line asked for. Every field is checked by parse(); `error` holds the one-line
// message when it is not usable.
struct Options
{
    QString command; // "ephemeris", "calendar", "search", "places", "ics" or "events"
    QDateTime at;
    double latitude = 0.0;
    double longitude = 0.0;
    double altitude = 0.0;
    QDate month;      // calendar: its first day
    QDate from;       // search, ics, events
    QDate to;         // ics, events: the last day, included
    int kinds = 0;    // ics, events: a mask of ical::Kind
    QString name;     // ics: the place's name
    int alarm = -1;   // ics: minutes before each event its reminder goes off; none when negative
    int lunarDay = 0; // search: 0 for any
    int sign = -1;    // search: -1 for any
    int results = 10; // search, places
    QString query;    // places
    QByteArray zone;  // an IANA id; empty for the system's zone (TZ)
    QString error;
};

// `arguments` without the program name. `now` is the default moment.
Options parse(const QStringList &arguments, const QDateTime &now);

// Sign names as the command line accepts them, 0 Aries .. 11 Pisces.
const QStringList &signNames();

} // namespace cli
