#pragma once

#include "astro/position.h"
#include "astro/sky.h"
#include "astro/zone.h"
#include "global/taskgroup.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QVariantMap>
#include <QVector>

#include <atomic>
#include <functional>
#include <memory>

namespace print {

// Something that happens on a day at one instant: a phase, drawn as a symbol, or one of the
// Moon's great days, written out.
struct Mark
{
    enum Kind { NewMoon, FirstQuarter, FullMoon, LastQuarter, Eclipse, Perigee, Apogee };
    Kind kind = NewMoon;
    QDateTime time; // a whole minute on the page's clock
    // A great day's event as the calendar grid holds it (astro/moonevents.h's toVariant()).
    QVariantMap event;
};

// One day of a printed month, read from the days the calendar grid shows.
struct Day
{
    QDate date;
    int lunarDayStart = 1; // at 00:00
    int lunarDayEnd = 1;   // at 23:59
    int sign = -1;         // the sign at the day's start
    int nextSign = -1;     // the sign entered during the day, -1 when none is
    QDateTime ingress;     // the minute it is entered
    // The void of course that begins on the day (of two, the later, as the grid shows).
    QDateTime voidStart;
    QDateTime voidEnd;
    // On a month's first day only: the end of a void of course that began the month before.
    QDateTime voidCarriedEnd;
    QVector<Mark> marks; // in order of time
    // A full or new moon of the day lies within a day of a perigee.
    bool nearPerigee = false;
};

struct Month
{
    QDate first;
    QVector<Day> days; // every day of the month
};

// What to print.
struct Request
{
    astro::Position place;
    // The footer names the place so, before its coordinates; the coordinates alone when empty.
    QString placeName;
    astro::Zone zone = astro::Zone::system();
    QDate from; // the first and the last month, any day of each
    QDate to;
    // Month and weekday names: the interface language.
    QLocale names = QLocale(QLocale::English, QLocale::UnitedStates);
    // The weeks start on it: the locale's first day of the week.
    Qt::DayOfWeek firstDayOfWeek = Qt::Monday;
};

// The longest range printed at once, in months.
constexpr int MaximumMonths = 120;

// Empty when the months can be printed; otherwise one line that says why not.
QString rangeError(const QDate &from, const QDate &to);

// The request's months, computed as the calendar grid computes its days, and everything the
// pages need besides.
struct Document
{
    Request request;
    QVector<Month> months;
};

// Called with the share of the work done, 0 to 1.
using Progress = std::function<void(double)>;

// Computes the months on the calling thread, one helper from the pool at a time sharing the
// sign scan (counted in `helpers`, which its owner waits for). Fewer months than asked for when
// *stop was set, or none when the range is refused.
Document collect(const Request &request, const std::shared_ptr<std::atomic<bool>> &stop,
                 global::TaskGroup &helpers, const Progress &progress = {});

// The month's days from the days the grid shows, with the sign changes, voids and great days of
// the same run, and the phases of phaseMarks().
Month monthOf(const QDate &first, const astro::Sky &sky,
              const std::shared_ptr<std::atomic<bool>> &stop, global::TaskGroup &helpers);

// The four phases from one instant up to another, in order of time.
QVector<Mark> phaseMarks(const astro::Sky &sky, const QDateTime &from, const QDateTime &to);

} // namespace print
