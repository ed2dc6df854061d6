#include "astro/astro.h"

#include "astro/library.h"
#include "astro/rules.h"
#include "astro/zone.h"

Astro::Astro(QObject *parent)
    : QObject(parent)
{}

double Astro::julianDay(const QDateTime &time) const
{
    return astro::julianDay(time);
}

QDateTime Astro::localTime(double time) const
{
    return astro::localTime(time, astro::Zone::system());
}

bool Astro::covers(const QDateTime &time) const
{
    const int year = time.isValid() ? time.toUTC().date().year() : 0;
    return year >= astro::FirstEphemerisYear && year <= astro::LastEphemerisYear;
}

double Astro::pictureTurn(double phase, double latitude, double brightLimbAngle, bool inSky) const
{
    return inSky ? astro::pictureTurnInSky(phase, brightLimbAngle) : astro::pictureTurn(latitude);
}
