#pragma once

// The engine's searches: pure functions of a sky and a range that return instants. Each
// instant is solved to well under a second and handed out as the minute during which it falls,
// on the sky's clock; every search names the same minute for the same event.

#include "astro/sky.h"
#include "astro/voidofcourse.h"

#include <QDateTime>
#include <QVector>

#include <atomic>

namespace astro {

constexpr int SecondsPerMinute = 60;
constexpr double SecondsPerDay = 86400.0;
constexpr double SecondInDays = 1.0 / SecondsPerDay;
constexpr double MinuteInDays = SecondsPerMinute / SecondsPerDay;
// How far before an ingress the void-of-course search looks for the last aspect.
constexpr int MaxVoidMinutes = 4 * 24 * 60;

enum class Direction { Forward, Backward };

// The instants at which the body's phase (its elongation, phaseOf) reaches a target fraction,
// seen from one moment. The phase at the moment is read once for all the searches made from it.
class PhaseInstants
{
public:
    PhaseInstants(const Sky &sky, double jd);

    double phase() const { return m_phase; }
    // The first instant at or after (Forward) or at or before (Backward) the moment at which
    // the phase equals target (0 new moon, 0.25 first quarter, 0.5 full, 0.75 last quarter;
    // the whole part of a larger number is dropped). NaN when the body never reaches it.
    double instant(double target, Direction direction) const;
    // The minute during which that instant falls; invalid when there is none.
    QDateTime minute(double target, Direction direction) const;

private:
    double movingInstant(double target, Direction direction) const;
    double bracketedInstant(double target, Direction direction) const;

    Sky m_sky;
    double m_jd;
    double m_phase;
};

// The minute of the phase instant from a moment: PhaseInstants for one search.
QDateTime phaseMinute(const Sky &sky, const QDateTime &from, double target, Direction direction);

// The body entering a sign.
struct Ingress
{
    double instant = 0.0;  // Julian day
    int sign = -1;         // the sign entered, 0 Aries .. 11 Pisces
    double boundary = 0.0; // the sign boundary crossed, degrees from the equinox of date
    bool forward = true;   // false where a body moving backwards re-enters the sign before
    double speed = 0.0;    // the body's rate across the boundary, degrees a day
};

// The body's longitude from the equinox of date at one instant (tropicalLongitude).
struct LongitudeSample
{
    double jd;
    double longitude;
};

// The ingresses between consecutive samples in order of time. The Moon must be sampled at
// least daily (it never crosses two boundaries in a day), other bodies hourly. Stops early when
// *cancel becomes true.
QVector<Ingress> ingressesBetween(const Sky &sky, const QVector<LongitudeSample> &samples,
                                  const std::atomic<bool> *cancel = nullptr);
// The ingresses from one Julian day up to another, sampled for the body.
QVector<Ingress> ingresses(const Sky &sky, double from, double to,
                           const std::atomic<bool> *cancel = nullptr);
// The minute during which the ingress happens: where the void of course ends and the calendar
// shows the new sign.
QDateTime ingressMinute(const Sky &sky, const Ingress &ingress);

// The Moon void of course before an ingress: from its last exact aspect (conjunction,
// sextile, square, trine, opposition) with the Sun or a planet up to the ingress minute, and the
// sign the body is in at its start. Invalid (zodiac -1, with a log line) when no aspect falls
// within maxMinutes before the ingress.
VoidOfCourse voidBefore(const Sky &sky, const Ingress &ingress, int maxMinutes = MaxVoidMinutes);

enum class HorizonEvent { Rising, Setting, UpperTransit, LowerTransit };
// The next such event after the Julian day, as a minute on the sky's clock; invalid when there
// is none (the body stays above or below the horizon) or the library failed.
QDateTime horizonEventAfter(const Sky &sky, HorizonEvent event, double jd);

} // namespace astro
