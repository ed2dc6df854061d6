#include "astro/ephemeris.h"

#include "astro/calendarentry.h"
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

CalendarMoment CalendarMoment::of(const Ephemeris &e, double lunationDays)
{
    CalendarMoment m;
    m.time = e.time();
    m.prevNewMoon = e.prevNewMoon();
    m.nextNewMoon = e.nextNewMoon();
    m.phase = e.phase();
    m.lunarDay = lunarDayOf(lunationDays, e.phase());
    m.zodiac = e.zodiac();
    m.zodiacDegrees = e.zodiacDegrees();
    m.voidStart = e.voidStart();
    m.voidEnd = e.voidEnd();
    m.voidZodiac = e.voidZodiac();
    return m;
}

} // namespace astro
