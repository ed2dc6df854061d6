#pragma once

#include "astro/zone.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

// The scene's dates and times: what the window shows and reads goes through here, on the clock
// of the zone times are shown in, in the user's locale.
//
// The scene holds two kinds of date values. A moment is an instant, shown on the zone's clock.
// A scene day stands for a calendar day, and QML's Date has no form without a time, so it comes
// in two: a QDate property read in QML arrives as that day's midnight in UTC, while a day made in
// the scene (a date picker's, or what dayOf() gives) is a time of that day on this computer's
// clock. calendarDay() is the one rule that reads both: a value at midnight UTC is a QDate's, any
// other this computer's. This computer's midnight falls at midnight UTC only where its clock runs
// on UTC, and there the two readings agree.
class DateHelper
{
public:
    DateHelper();

    // The calendar day of a scene day; invalid for an invalid value.
    static QDate calendarDay(const QDateTime &sceneDay);
    // A day as a date picker holds it: its first instant on this computer's clock.
    static QDateTime pickerDay(const QDate &day);

    const astro::Zone &zone() const { return m_zone; }
    // The IANA id of the zone times are shown in, empty for this computer's.
    QString timeZone() const;
    // An IANA id, or empty for this computer's zone. An id this system does not know leaves this
    // computer's zone, with a log line. True when the zone changed.
    bool setTimeZone(const QString &ianaId);
    // How the zone is called at that moment ("JST, UTC+09:00"); blank for this computer's.
    QString timeZoneLabel(const QDateTime &at) const { return m_zone.label(at); }
    const QLocale &locale() const { return m_locale; }
    // The locale of dates and numbers, and the one of the names of months and weekdays.
    void setLocales(const QLocale &locale, const QLocale &names)
    {
        m_locale = locale;
        m_namesLocale = names;
    }

    // With C-locale digits and names: for keys, comparisons and log lines.
    QString format(const QDateTime &moment, const QString &format) const;
    // In the user's locale, for what the window shows.
    QString formatLocal(const QDateTime &moment, const QString &format) const;
    // A scene day in the user's locale, as that day whatever zone times are shown in.
    QString formatDay(const QDateTime &sceneDay, const QString &format) const;
    // A day typed as formatDay shows it (see ui::readDateTime), as a picker holds it; invalid
    // when the text does not match.
    QDateTime parseDay(const QString &text, const QString &format) const;
    // A scene day's first instant on the shown clock.
    QDateTime startOfDay(const QDateTime &sceneDay) const;
    // The day of a moment on the shown clock, as a scene day that a QDate property takes: the
    // scene turns a Date into a QDate by this computer's clock, so it is that day's noon here.
    QDateTime dayOf(const QDateTime &moment) const;
    // The first instant of the month of a moment on the shown clock.
    QDateTime firstOfMonth(const QDateTime &moment) const;
    // Whether two scene days are one day, or lie in one month.
    static bool sameDay(const QDateTime &a, const QDateTime &b);
    static bool sameMonth(const QDateTime &a, const QDateTime &b);

    // The same wall-clock time `days` calendar days away on the shown clock.
    QDateTime addDays(const QDateTime &moment, int days) const;
    // The same day number in a month `months` away, cut to that month's length (31 March back
    // one month is the last day of February).
    QDateTime addMonths(const QDateTime &moment, int months) const;
    // The scene day at the hour and minute the moment shows, seconds 0, on the shown clock.
    QDateTime dateTimeOnDay(const QDateTime &moment, const QDateTime &sceneDay) const;

    // Text exactly as `format` writes it in the C locale, on the shown clock; invalid else.
    QDateTime parseDateTime(const QString &text, const QString &format) const;
    // Text typed as `format` shows it in the user's locale (see ui::readDateTime), on the shown
    // clock; invalid when it is none.
    QDateTime readDateTime(const QString &text, const QString &format) const;

    // "Dezember 2026": the month's stand-alone name, capitalised as a title, and the year, in
    // the named locale.
    QString monthTitle(const QDateTime &moment, const QString &localeName) const;

private:
    // A wall-clock time read off a text, on the shown clock.
    QDateTime onShownClock(const QDateTime &typed) const;

    astro::Zone m_zone;
    QLocale m_locale;
    QLocale m_namesLocale;
};
