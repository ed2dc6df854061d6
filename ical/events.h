#pragma once

#include "astro/position.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <QVector>

#include <atomic>
#include <functional>

namespace ical {

// The kinds of event a calendar file can hold; a choice of them is a mask of these bits.
enum Kind {
    Void = 1 << 0,
    Ingress = 1 << 1,
    Phase = 1 << 2,
    LunarDay = 1 << 3,
    Rise = 1 << 4,
    Set = 1 << 5,
    Eclipse = 1 << 6,
    Apsis = 1 << 7,
};
constexpr int DefaultKinds = Void | Ingress | Phase;
constexpr int AllKinds = (1 << 8) - 1;
// The longest range one file covers, in years.
constexpr int MaximumYears = 10;

// The names the command line and the reminder settings take, in the order of the bits: "void",
// "ingress", "phase", "lunarday", "rise", "set", "eclipse", "apsis".
const QStringList &kindNames();
// A comma-separated list of those names as a mask; 0 when a name is unknown or none is given.
int kindsOf(const QString &names);
// A sign's English name as the summaries write it ("Aries" for 0); empty for a number that is
// no sign.
QString signName(int sign);

// The languages the events' texts can be written in, English first.
const QStringList &languages();

// What to export.
struct Request
{
    astro::Position place;
    // Written as the events' location, less any control character; the coordinates are written
    // when nothing else is left.
    QString placeName;
    // The clock the days are counted and the times written on; UTC when it is not valid.
    QTimeZone zone;
    QDate from; // the first day
    QDate to;   // the last day, included
    int kinds = DefaultKinds;
    // When the file is made, written as every event's time stamp; exportStamp() when invalid.
    QDateTime stamp;
    // The language of the events' texts, one of the interface's ("en", "de", "fr", "es", "ru"):
    // the window and the command line take them from the same translation files, so one
    // language gives the same words from both. English for any other.
    QString language = QStringLiteral("en");
    // Minutes before each event's start at which a calendar program should remind of it
    // (0 at the start itself); none when negative.
    int alarmMinutes = -1;
};

// Empty when the days can be exported (or otherwise computed, at most maximumYears of them);
// otherwise one line that says why not.
QString rangeError(const QDate &from, const QDate &to, int maximumYears = MaximumYears);

struct Event
{
    Kind kind;
    // Names the event in its identifier together with the instant ("newmoon", "lunarday15",
    // "lunareclipse", "perigee").
    QString key;
    QDateTime start; // whole minutes, as the engine hands them out
    QDateTime end;   // invalid for an instant
    QString summary;
    // What a reader may pick events by: the sign an ingress enters or that ends a void of course,
    // the sign a void of course lies in, a lunar day's number; -1 or 0 where they do not apply.
    int sign = -1;
    int fromSign = -1;
    int lunarDay = 0;
};

// Called with the share of the work done, 0 to 1.
using Progress = std::function<void(double)>;

// The events of the chosen kinds that are under way at some time within the days (an event
// that began before the first day and still runs on it counts), in order of time, computed with
// the engine's searches for the request's place. Stops early, with what it has, when *cancel
// becomes true.
QVector<Event> collectEvents(const Request &request, const std::atomic<bool> *cancel = nullptr,
                             const Progress &progress = {});

} // namespace ical
