#pragma once

// The Moon's great days, as the window, the calendar files and the command line show them:
// the eclipses with what the place sees of them, the perigees and apogees, and the full or new
// moons that fall near a perigee.

#include "astro/apsides.h"
#include "astro/eclipses.h"
#include "astro/sky.h"

#include <QDateTime>
#include <QString>
#include <QVariantMap>
#include <QVector>

#include <atomic>
#include <cmath>
#include <optional>

namespace astro {

struct MoonEvent
{
    enum class Kind { Eclipse, Perigee, Apogee };
    Kind kind = Kind::Eclipse;
    // The greatest eclipse over the whole Earth, or the apsis.
    double instant = 0.0;
    EclipseView eclipse;
    double distanceKm = std::nan(""); // an apsis's
    // A perigee's full (0.5) or new (0.0) moon within NearPerigeeHours of it, and its instant;
    // NaN for none.
    double nearPhase = std::nan("");
    double nearPhaseInstant = std::nan("");
};

// The events from one Julian day up to (not including) another, in order of time. Stops early,
// with what it has, when *cancel becomes true.
QVector<MoonEvent> moonEventsBetween(const Sky &sky, double from, double to,
                                     const std::atomic<bool> *cancel = nullptr);
// The full or new moon near a perigee, as the event carries it.
void markNearPhase(const Sky &sky, MoonEvent &perigee);

// What lies ahead of a moment: the Moon's distance then, the next perigee and apogee, and the
// next eclipse (whether seen from the place or not).
struct Outlook
{
    double distanceKm = std::nan("");
    std::optional<MoonEvent> perigee;
    std::optional<MoonEvent> apogee;
    std::optional<MoonEvent> eclipse;
};
// Nothing when the library failed.
std::optional<Outlook> outlookFrom(const Sky &sky, double jd);

// The names the command line, the calendar files and the window share: "moon", "sun";
// "penumbral", "partial", "total", "annular", "hybrid"; "eclipse", "perigee", "apogee".
QString bodyName(EclipseBody body);
QString typeName(EclipseType type);
QString kindName(MoonEvent::Kind kind);

// The event as the window reads it, times on the sky's clock as whole minutes: kind, time; for
// an eclipse body, type, magnitude, visible, begin and end (the contacts for the Moon; for the
// Sun, where seen, its contacts at the place, else over the Earth), for the Moon partialBegin,
// partialEnd, totalBegin, totalEnd where it reaches them, for the Sun seen from the place
// localMaximum and obscuration; for an apsis distanceKm, and nearPhase ("full", "new" or "")
// with nearPhaseTime.
QVariantMap toVariant(const Sky &sky, const MoonEvent &event);

} // namespace astro
