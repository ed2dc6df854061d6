#include "astro/zone.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace astro {

Zone::Zone(const QTimeZone &zone)
    : m_zone(zone)
{}

bool Zone::known(const QByteArray &ianaId)
{
    // IANA names are parts that each begin with a capital ("Europe/Paris", "Etc/GMT-3", "UTC").
    // That leaves out paths ("./Europe/Paris", "Europe//Paris", "../x"), what the zone folder
    // holds besides zones ("localtime", "posixrules", the "right/" copies) and POSIX rules such as
    // "ABC-5:30", which Qt would read as zones of their own.
    static const QRegularExpression name(
        QStringLiteral("^[A-Z][A-Za-z0-9_+-]*(/[A-Z][A-Za-z0-9_+-]*)*$"));
    // Qt's fixed offsets, such as "UTC+05:30".
    static const QRegularExpression offset(QStringLiteral("^UTC[+-][0-9]{2}:[0-9]{2}$"));
    const QString text = QString::fromUtf8(ianaId);
    if (offset.match(text).hasMatch())
        return QTimeZone::isTimeZoneIdAvailable(ianaId);
    if (!name.match(text).hasMatch())
        return false;
    if (QTimeZone::isTimeZoneIdAvailable(ianaId))
        return true;
#ifdef Q_OS_UNIX
    // The system's list leaves out the Etc/ zones (Etc/UTC, Etc/GMT-3) and the older names that
    // the tz database still has: they are zones when their file is there. Without the file Qt
    // would take a name such as "EST5" for a POSIX rule.
    const QString folder = qEnvironmentVariableIsEmpty("TZDIR")
                               ? QStringLiteral("/usr/share/zoneinfo")
                               : qEnvironmentVariable("TZDIR");
    return QFileInfo(folder + QLatin1Char('/') + text).isFile() && QTimeZone(ianaId).isValid();
#else
    return false;
#endif
}

Zone Zone::system()
{
    return Zone(QTimeZone());
}

std::optional<Zone> Zone::named(const QByteArray &ianaId)
{
    if (ianaId.isEmpty())
        return system();
    if (!known(ianaId))
        return std::nullopt;
    return Zone(QTimeZone(ianaId));
}

QByteArray Zone::id() const
{
    return m_zone.isValid() ? m_zone.id() : QByteArray();
}

QString Zone::label(const QDateTime &at) const
{
    if (!m_zone.isValid() || m_zone.id() == QTimeZone::systemTimeZoneId())
        return QString();
    return describe(m_zone, at);
}

QString Zone::describe(const QTimeZone &zone, const QDateTime &at)
{
    const QDateTime here = at.isValid() ? at : QDateTime::currentDateTimeUtc();
    const QString offset = zone.displayName(here, QTimeZone::OffsetName);
    const QString abbreviation = zone.abbreviation(here);
    // Many zones have no letters of their own: "+04" says nothing the offset does not.
    const bool letters = !abbreviation.isEmpty() && abbreviation.at(0).isLetter()
                         && !abbreviation.startsWith(QLatin1String("UTC"))
                         && !abbreviation.startsWith(QLatin1String("GMT"));
    return letters ? abbreviation + QStringLiteral(", ") + offset : offset;
}

QDateTime Zone::make(const QDate &date, const QTime &clock) const
{
    return m_zone.isValid() ? QDateTime(date, clock, m_zone)
                            : QDateTime(date, clock, Qt::LocalTime);
}

QDateTime Zone::startOfDay(const QDate &date) const
{
    return m_zone.isValid() ? date.startOfDay(m_zone) : date.startOfDay(Qt::LocalTime);
}

QDateTime Zone::at(const QDate &date, const QTime &clock) const
{
    const QDateTime t = make(date, clock);
    if ((t.isValid() && t.date() == date && t.time() == clock) || !date.isValid()
        || !clock.isValid())
        return t;
    // A day step from the day before lands past the skip by as much as the time lies in it.
    const QDateTime stepped = make(date.addDays(-1), clock).addDays(1);
    return stepped.isValid() && stepped.date() == date ? stepped : startOfDay(date);
}

QTimeZone Zone::timeZone() const
{
    return m_zone.isValid() ? m_zone : QTimeZone::systemTimeZone();
}

QDateTime Zone::toZone(const QDateTime &time) const
{
    return m_zone.isValid() ? time.toTimeZone(m_zone) : time.toLocalTime();
}

QDateTime Zone::addDays(const QDateTime &time, int days) const
{
    const QDateTime local = toZone(time);
    return at(local.date().addDays(days), local.time());
}

QDateTime wholeMinute(const QDateTime &time)
{
    return time.addMSecs(-(time.time().second() * 1000 + time.time().msec()));
}

} // namespace astro
