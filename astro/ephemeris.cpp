#include "astro/ephemeris.h"

#include "astro/library.h"
#include "astro/rules.h"

namespace astro {

Ephemeris::Ephemeris(QObject *parent)
    : QObject(parent)
{}

bool Ephemeris::isVoC() const
{
    return m_voidZodiac >= 0 && m_voidStart <= m_time && m_time <= m_voidEnd;
}

int Ephemeris::zodiac() const
{
    return zodiacIndex(m_longitude, m_ayanamsa);
}

double Ephemeris::zodiacDegrees() const
{
    return zodiacDegreesOf(m_longitude, m_ayanamsa);
}

int Ephemeris::lunarDay() const
{
    const double lunation = julianDay(m_nextNewMoon) - julianDay(m_prevNewMoon);
    return lunarDayOf(lunation, m_phase);
}

} // namespace astro
