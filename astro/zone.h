#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>

#include <optional>

namespace astro {

// The clock on which the engine reads and writes wall-clock times. Every local date-time the
// engine builds or hands out passes through one of these, and a computation is given the one
// it uses (in its Sky): this computer's own zone, or a named one.
//
// A zone's clock may skip a stretch (daylight saving starting at 00:00 skips 00:00 to 01:00),
// so a date's midnight need not exist: a QDateTime built from it is invalid and would later be
// read as another instant. Days therefore start at their first existing instant.
class Zone
{
public:
    // This computer's zone, following its changes.
    static Zone system();
    // The zone of an IANA id, this computer's for an empty one; nothing when this machine does
    // not know the id.
    static std::optional<Zone> named(const QByteArray &ianaId);
    // A zone of its own; an invalid one stands for this computer's.
    explicit Zone(const QTimeZone &zone);

    // An IANA name this machine has a zone for ("Europe/Paris", "UTC", "Etc/GMT-3"), or a fixed
    // offset written "UTC+05:30"; paths, POSIX rules and other files of the zone folder are not.
    static bool known(const QByteArray &ianaId);

    // The IANA id, empty for this computer's zone.
    QByteArray id() const;
    // The zone itself, this computer's named as such.
    QTimeZone timeZone() const;
    // Blank for this computer's zone (chosen or by name); otherwise how the zone is called at that
    // moment: its abbreviation and UTC offset ("JST, UTC+09:00"), the offset alone where the
    // abbreviation is only the offset again.
    QString label(const QDateTime &at) const;
    // How a zone is called at a moment, whichever it is: "JST, UTC+09:00", or "UTC+04:00".
    static QString describe(const QTimeZone &zone, const QDateTime &at);

    // The first existing instant of the date.
    QDateTime startOfDay(const QDate &date) const;
    // The date at the wall-clock time; a time the clock skips is read with the offset in force
    // before the skip, as a day step does (00:30 on a day whose clock jumps from 00:00 to 01:00
    // is 01:30).
    QDateTime at(const QDate &date, const QTime &clock) const;
    // The same instant on this zone's clock.
    QDateTime toZone(const QDateTime &time) const;
    // The same wall-clock time `days` calendar days away, moved as at() moves a skipped time.
    QDateTime addDays(const QDateTime &time, int days) const;

private:
    QDateTime make(const QDate &date, const QTime &clock) const;

    QTimeZone m_zone;
};

// The time with its seconds and milliseconds dropped, on its own clock.
QDateTime wholeMinute(const QDateTime &time);

} // namespace astro
