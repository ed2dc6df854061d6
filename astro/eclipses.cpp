#include "astro/eclipses.h"

#include "astro/library.h"
#include "astro/planet.h"

#include <algorithm>
#include <cmath>

namespace astro {

namespace {

// Two eclipses of one body lie a lunation apart at the least: a search for the next one starts
// this far after the last.
constexpr double EclipseGap = 1.0; // days
// No eclipse lasts longer than this from its greatest eclipse to its last contact (a lunar
// eclipse's penumbral phase, the longest, about three hours).
constexpr double HalfEclipse = 0.25; // days
// The Moon's upper limb, by which its rising is counted, stands this far above its centre
// (its semi-diameter is 0.245 to 0.279 degrees).
constexpr double MoonSemiDiameter = 0.26; // degrees

} // namespace

std::optional<Eclipse> eclipseOf(EclipseBody body, double jd, Direction direction)
{
    const bool backward = direction == Direction::Backward;
    return body == EclipseBody::Moon ? calcLunarEclipse(jd, backward)
                                     : calcSolarEclipse(jd, backward);
}

QVector<Eclipse> eclipsesBetween(double from, double to, const std::atomic<bool> *cancel)
{
    QVector<Eclipse> result;
    for (EclipseBody body : {EclipseBody::Moon, EclipseBody::Sun}) {
        for (double t = from; t < to;) {
            if (cancel && *cancel)
                return result;
            const std::optional<Eclipse> e = eclipseOf(body, t, Direction::Forward);
            if (!e || !(e->maximum < to))
                break;
            if (e->maximum >= from)
                result.append(*e);
            t = std::max(t, e->maximum) + EclipseGap;
        }
    }
    std::sort(result.begin(), result.end(),
              [](const Eclipse &a, const Eclipse &b) { return a.maximum < b.maximum; });
    return result;
}

bool lunarEclipseVisible(const Sky &sky, const Eclipse &eclipse)
{
    if (!std::isfinite(eclipse.begin) || !std::isfinite(eclipse.end))
        return false;
    auto up = [&](double t) {
        const std::optional<double> altitude = calcLunarEclipseAltitude(t, sky.observer);
        return altitude && *altitude > -MoonSemiDiameter;
    };
    if (up(eclipse.begin) || up(eclipse.end))
        return true;
    // Below the horizon at both ends: seen only if it rises in between.
    const std::optional<double> rising = calcRising(Planet::MOON, eclipse.begin, sky.observer);
    return rising && *rising < eclipse.end;
}

std::optional<LocalSolarEclipse> localSolarEclipse(const Sky &sky, const Eclipse &eclipse)
{
    if (eclipse.body != EclipseBody::Sun || !std::isfinite(eclipse.begin)
        || !std::isfinite(eclipse.end))
        return std::nullopt;
    // The library's own search at a place walks on to the next eclipse that place sees, which
    // may be years away: it is asked only once the place is known to see this one.
    bool seen = false;
    for (double t = eclipse.begin; !seen && t < eclipse.end; t += LocalEclipseStep)
        seen = calcSolarEclipseSeen(t, sky.observer);
    if (!seen && !calcSolarEclipseSeen(eclipse.end, sky.observer))
        return std::nullopt;
    const std::optional<LocalSolarEclipse> local
        = calcLocalSolarEclipse(eclipse.begin - EclipseGap, sky.observer);
    if (!local || !local->visible || std::fabs(local->maximum - eclipse.maximum) > EclipseGap)
        return std::nullopt;
    return local;
}

EclipseView viewFrom(const Sky &sky, const Eclipse &eclipse)
{
    EclipseView view;
    view.eclipse = eclipse;
    if (eclipse.body == EclipseBody::Moon) {
        view.visible = lunarEclipseVisible(sky, eclipse);
    } else {
        view.local = localSolarEclipse(sky, eclipse);
        view.visible = view.local.has_value();
    }
    return view;
}

std::optional<EclipseView> nextEclipse(const Sky &sky, double jd, bool visibleOnly)
{
    // An eclipse under way at jd counts: the search starts before its greatest eclipse.
    const double start = jd - HalfEclipse;
    const EclipseBody bodies[2] = {EclipseBody::Moon, EclipseBody::Sun};
    std::optional<Eclipse> next[2] = {eclipseOf(bodies[0], start, Direction::Forward),
                                      eclipseOf(bodies[1], start, Direction::Forward)};
    for (;;) {
        const int i = !next[1] || (next[0] && next[0]->maximum <= next[1]->maximum) ? 0 : 1;
        if (!next[i] || next[i]->maximum > jd + EclipseSearchDays)
            return std::nullopt;
        const Eclipse e = *next[i];
        next[i] = eclipseOf(bodies[i], e.maximum + EclipseGap, Direction::Forward);
        // Each search must move on, or the loop would never end.
        if (next[i] && !(next[i]->maximum > e.maximum))
            next[i].reset();
        if (e.end < jd)
            continue;
        const EclipseView view = viewFrom(sky, e);
        if (!visibleOnly || view.visible)
            return view;
    }
}

} // namespace astro
