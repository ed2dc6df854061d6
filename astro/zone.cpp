#include "astro/zone.h"

namespace astro {

Zone::Zone(const QTimeZone &zone)
    : m_zone(zone)
{}

bool Zone::known(const QByteArray &ianaId)
{
    // The system's zone list leaves out the Etc/ zones (Etc/UTC, Etc/GMT-3) that the tz database
    // still has, so a name is also known when its file reads as a zone. A name that climbs out
    // of the zone folder is never opened.
    if (ianaId.isEmpty() || ianaId.contains("..") || ianaId.startsWith('/'))
        return false;
    return QTimeZone::isTimeZoneIdAvailable(ianaId) || QTimeZone(ianaId).isValid();
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
    const QDateTime here = at.isValid() ? at : QDateTime::currentDateTimeUtc();
    const QString offset = m_zone.displayName(here, QTimeZone::OffsetName);
    const QString abbreviation = m_zone.abbreviation(here);
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
