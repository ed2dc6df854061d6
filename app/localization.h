#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

// The user's language and the way dates are written in his locale, kept free of the window so
// they can be driven with any locale.
namespace ui {

// The interface languages the program ships, English first (it needs no translation).
const QStringList &shippedLanguages();
// A shipped language's name in that language ("Deutsch"); empty for any other code.
QString languageName(const QString &code);

// The interface language for a language setting: the setting itself when it names a shipped
// language, else ("System") the first of the system's interface languages that is shipped,
// else English.
QString interfaceLanguage(const QString &setting, const QStringList &systemLanguages);

// The locale dates and numbers are written in: the system's, unless the setting names another
// language, whose own main locale is taken then. The C locale of a bare system reads as US
// English.
QLocale interfaceLocale(const QString &setting, const QLocale &system);

// The locale whose names of months and weekdays the window shows: they follow the interface
// language, as the window's other words do, while the locale keeps the order and digits of dates
// and numbers. The locale itself where it speaks that language, else the language's main locale
// (an English interface on a Brazilian system says "March", and writes 05/03/2027).
QLocale namesLocale(const QString &interfaceLanguage, const QLocale &locale);

// A date or date-time written as `format` in `numbers`, with the names of months and weekdays
// (MMM, MMMM, ddd, dddd) taken from `names`.
QString formatWithNames(const QDateTime &value, const QString &format, const QLocale &numbers,
                        const QLocale &names);
QString formatWithNames(const QDate &value, const QString &format, const QLocale &numbers,
                        const QLocale &names);

// Patterns (QDateTime::toString syntax) of the window's dates and times in one locale: the
// locale's short date with two-digit day and month and a four-digit year, and the 24-hour
// clock, which the tables of the Moon's times keep in every locale.
struct DateFormats
{
    QString date;     // "MM/dd/yyyy"
    QString time;     // "HH:mm"
    QString dateTime; // date and time
    QString editor;   // the moon panel's field: blanks round the slashes of the date
    QString day;      // a day with its month's short name, for lists of found days
};
DateFormats dateFormats(const QLocale &locale);

// A date-time typed as `format` shows it, read in `locale`. Typing is forgiving where nothing
// is ambiguous: one-digit days, months and hours, and blanks round the date's separators or
// none. Invalid when the text is no such date-time.
QDateTime readDateTime(const QString &text, const QString &format, const QLocale &locale);

// "12° 30'": whole degrees (floored) and rounded minutes, which are not carried into degrees.
// Empty for a value that is not a finite angle.
QString formatDegrees(double angle);

} // namespace ui
