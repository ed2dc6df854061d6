#include "astro/moonevents.h"

#include "astro/library.h"
#include "astro/searches.h"

#include <algorithm>

namespace astro {

namespace {

constexpr double NewMoon = 0.0;
constexpr double FullMoon = 0.5;

MoonEvent eclipseEvent(const Sky &sky, const Eclipse &eclipse)
{
    MoonEvent event;
    event.kind = MoonEvent::Kind::Eclipse;
    event.instant = eclipse.maximum;
    event.eclipse = viewFrom(sky, eclipse);
    return event;
}

MoonEvent apsisEvent(const Sky &sky, const Apsis &apsis)
{
    MoonEvent event;
    event.kind
        = apsis.kind == Apsis::Kind::Perigee ? MoonEvent::Kind::Perigee : MoonEvent::Kind::Apogee;
    event.instant = apsis.instant;
    event.distanceKm = apsis.distanceKm;
    if (event.kind == MoonEvent::Kind::Perigee)
        markNearPhase(sky, event);
    return event;
}

} // namespace

void markNearPhase(const Sky &sky, MoonEvent &perigee)
{
    const PhaseInstants phases(sky, perigee.instant);
    const double p = phases.phase();
    // The nearest new or full moon: the one the phase has last passed, or the one it nears.
    const double target = p < 0.25 || p >= 0.75 ? NewMoon : FullMoon;
    const Direction direction
        = p < 0.25 || (p >= 0.5 && p < 0.75) ? Direction::Backward : Direction::Forward;
    const double t = phases.instant(target, direction);
    if (std::isfinite(t) && std::fabs(t - perigee.instant) <= NearPerigeeHours / 24.0) {
        perigee.nearPhase = target;
        perigee.nearPhaseInstant = t;
    }
}

QVector<MoonEvent> moonEventsBetween(const Sky &sky, double from, double to,
                                     const std::atomic<bool> *cancel)
{
    QVector<MoonEvent> events;
    for (const Eclipse &e : eclipsesBetween(from, to, cancel)) {
        if (cancel && *cancel)
            return events;
        events.append(eclipseEvent(sky, e));
    }
    for (const Apsis &a : apsidesBetween(from, to, cancel)) {
        if (cancel && *cancel)
            return events;
        events.append(apsisEvent(sky, a));
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const MoonEvent &a, const MoonEvent &b) { return a.instant < b.instant; });
    return events;
}

std::optional<Outlook> outlookFrom(const Sky &sky, double jd)
{
    const int failures = libraryFailures();
    Outlook o;
    o.distanceKm = moonDistanceKm(jd);
    for (const Apsis &a : apsidesBetween(jd, jd + ApsisSearchDays)) {
        std::optional<MoonEvent> &slot = a.kind == Apsis::Kind::Perigee ? o.perigee : o.apogee;
        if (!slot)
            slot = apsisEvent(sky, a);
    }
    if (const std::optional<EclipseView> next = nextEclipse(sky, jd, false))
        o.eclipse = eclipseEvent(sky, next->eclipse);
    if (libraryFailures() != failures)
        return std::nullopt;
    return o;
}

QString bodyName(EclipseBody body)
{
    return body == EclipseBody::Moon ? QStringLiteral("moon") : QStringLiteral("sun");
}

QString typeName(EclipseType type)
{
    switch (type) {
    case EclipseType::Penumbral:
        return QStringLiteral("penumbral");
    case EclipseType::Partial:
        return QStringLiteral("partial");
    case EclipseType::Total:
        return QStringLiteral("total");
    case EclipseType::Annular:
        return QStringLiteral("annular");
    case EclipseType::Hybrid:
        return QStringLiteral("hybrid");
    }
    return QString();
}

QString kindName(MoonEvent::Kind kind)
{
    switch (kind) {
    case MoonEvent::Kind::Eclipse:
        return QStringLiteral("eclipse");
    case MoonEvent::Kind::Perigee:
        return QStringLiteral("perigee");
    case MoonEvent::Kind::Apogee:
        return QStringLiteral("apogee");
    }
    return QString();
}

QVariantMap toVariant(const Sky &sky, const MoonEvent &event)
{
    auto time = [&](double jd) {
        return std::isfinite(jd) ? QVariant(localTime(jd, sky.zone)) : QVariant();
    };
    QVariantMap m;
    m.insert(QStringLiteral("kind"), kindName(event.kind));
    m.insert(QStringLiteral("time"), time(event.instant));
    if (event.kind == MoonEvent::Kind::Eclipse) {
        const Eclipse &e = event.eclipse.eclipse;
        m.insert(QStringLiteral("body"), bodyName(e.body));
        m.insert(QStringLiteral("type"), typeName(e.type));
        m.insert(QStringLiteral("magnitude"), e.magnitude);
        m.insert(QStringLiteral("visible"), event.eclipse.visible);
        const std::optional<LocalSolarEclipse> &local = event.eclipse.local;
        m.insert(QStringLiteral("begin"), time(local ? local->begin : e.begin));
        m.insert(QStringLiteral("end"), time(local ? local->end : e.end));
        if (e.body == EclipseBody::Moon) {
            m.insert(QStringLiteral("partialBegin"), time(e.partialBegin));
            m.insert(QStringLiteral("partialEnd"), time(e.partialEnd));
            m.insert(QStringLiteral("totalBegin"), time(e.totalBegin));
            m.insert(QStringLiteral("totalEnd"), time(e.totalEnd));
        } else if (local) {
            m.insert(QStringLiteral("localMaximum"), time(local->maximum));
            m.insert(QStringLiteral("obscuration"), local->obscuration);
        }
    } else {
        m.insert(QStringLiteral("distanceKm"), event.distanceKm);
        const bool near = std::isfinite(event.nearPhase);
        m.insert(QStringLiteral("nearPhase"), !near ? QString()
                                              : event.nearPhase == FullMoon
                                                  ? QStringLiteral("full")
                                                  : QStringLiteral("new"));
        m.insert(QStringLiteral("nearPhaseTime"), time(event.nearPhaseInstant));
    }
    return m;
}

} // namespace astro
