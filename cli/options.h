#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace cli {

// What the command line asked for. Every field is checked by parse(); `error` holds the one-line
// message when it is not usable.
struct Options
{
    // "ephemeris", "calendar", "search", "places", "ics", "events", "eclipses", "apsides" or "pdf"
    QString command;
    QDateTime at;
    double latitude = 0.0;
    double longitude = 0.0;
    double altitude = 0.0;
    QDate month;            // calendar: its first day
    QDate from;             // search, ics, events, eclipses, apsides; pdf: the first month's day 1
    QDate to;               // ics, events, eclipses, apsides: the last day, included; pdf: the
                            // last month
    int kinds = 0;          // ics, events: a mask of ical::Kind
    QString name;           // ics, pdf: the place's name
    int alarm = -1;         // ics: minutes before each event its reminder goes off; none if < 0
    int lunarDay = 0;       // search: 0 for any
    int sign = -1;          // search: -1 for any
    int results = 10;       // search, places
    QString query;          // places
    QString output;         // pdf: the file written
    QString language;       // ics, pdf: a shipped language; empty for English (pdf: in the
                            // system's locale)
    int paper = -1;         // pdf: a QPageSize::PageSizeId, -1 for the locale's
    bool landscape = false; // pdf
    QByteArray zone;        // an IANA id; empty for the system's zone (TZ)
    QString error;
};

// The longest range of the eclipses and apsides commands, in years.
constexpr int MaximumEventYears = 50;

// `arguments` without the program name. `now` is the default moment.
Options parse(const QStringList &arguments, const QDateTime &now);

// Sign names as the command line accepts them, 0 Aries .. 11 Pisces.
const QStringList &signNames();

} // namespace cli
