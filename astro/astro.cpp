#include "astro/astro.h"

#include "astro/library.h"
#include "astro/logging.h"
#include "astro/zone.h"

Astro::Astro(QObject *parent)
    : QObject(parent)
{}

QString Astro::timeZone() const
{
    return QString::fromUtf8(astro::Zone::shownId());
}

void Astro::setTimeZone(const QString &timeZone)
{
    const QByteArray old = astro::Zone::shownId();
    if (!astro::Zone::setShown(timeZone.toUtf8())) {
        qCWarning(lcAstro).noquote()
            << QStringLiteral("unknown time zone '%1', showing this computer's").arg(timeZone);
        astro::Zone::setShown(QByteArray());
    }
    if (astro::Zone::shownId() != old)
        emit timeZoneChanged(this->timeZone());
}

double Astro::julianDay(const QDateTime &time) const
{
    return astro::julianDay(time);
}

QDateTime Astro::localTime(double time) const
{
    return astro::localTime(time);
}

QString Astro::timeZoneLabel(const QDateTime &at) const
{
    return astro::Zone().label(at);
}

bool Astro::covers(const QDateTime &time) const
{
    const int year = time.isValid() ? astro::Zone().toZone(time).date().year() : 0;
    return year >= astro::FirstEphemerisYear && year <= astro::LastEphemerisYear;
}
