#include "reference.h"

#include "astro/compute.h"
#include "astro/ephemeris.h"
#include "astro/library.h"
#include "astro/planet.h"
#include "astro/rules.h"
#include "astro/searches.h"

#include <algorithm>
#include <cmath>

using namespace astro;

namespace reference {

namespace {

constexpr double FirstStep = 5.0; // days
constexpr int MaxHalvings = 100;
constexpr qint64 Hour = 3600; // seconds
constexpr qint64 Minute = 60; // seconds

int signOf(const Sky &sky, double jd)
{
    return zodiacIndex(calcPosition(sky.body, jd, sky.observer).longitude(), calcAyanamsa(jd));
}

} // namespace

double phaseTime(const Sky &sky, double jd, double target, double resolution, bool backwards)
{
    if (target >= 1.0)
        target -= std::floor(target);
    const double eps = 1.0 / resolution;
    auto f = [&](double t) {
        return phaseFraction(calcPosition(sky.body, t, sky.observer).longitude(),
                             calcPosition(Planet::SUN, t, sky.observer).longitude());
    };
    const double p0 = f(jd);
    double t = jd - p0 * SynodicMonth + target * SynodicMonth;
    if (!backwards && p0 > target)
        t += SynodicMonth;
    if (backwards && target > p0)
        t -= SynodicMonth;
    double step = FirstStep;
    if (step > eps) {
        for (int i = 0; i < MaxHalvings; ++i) {
            const double h = step / 2.0;
            const double d0 = std::fabs(f(t) - target);
            const double dm = std::fabs(f(t - h) - target);
            const double dp = std::fabs(f(t + h) - target);
            const double m = std::min({d0, dm, dp});
            if (m == dm)
                t = t - h;
            if (m == dp)
                t = t + h;
            step = h;
            if (h <= eps)
                break;
        }
    }
    return t;
}

QList<QDateTime> zodiacChanges(const Sky &sky, const QDateTime &from, const QDateTime &to)
{
    QList<QDateTime> changes;
    // The same instants in UTC: stepping a local date-time costs a zone look-up each time.
    const QDateTime start = from.toUTC();
    const QDateTime end = to.toUTC();
    int prev = signOf(sky, julianDay(start));
    for (QDateTime cur = start; cur <= end; cur = cur.addSecs(Hour)) {
        const int s = signOf(sky, julianDay(cur));
        if (s == prev)
            continue;
        int s2 = prev;
        for (QDateTime t = cur.addSecs(-Hour); t <= cur; t = t.addSecs(Minute)) {
            s2 = signOf(sky, julianDay(t));
            if (s2 != prev) {
                changes.append(sky.zone.toZone(t));
                break;
            }
        }
        prev = s2;
    }
    return changes;
}

VoidOfCourse voidOfCourse(const Sky &sky, const QDateTime &ingress, int maxMinutes)
{
    const QDateTime end = ingress.toUTC();
    for (int k = 1; k <= maxMinutes; ++k) {
        const QDateTime t = end.addSecs(-Minute * k);
        const double jd = julianDay(t);
        double longitudes[10];
        for (int body = 0; body < 10; ++body)
            longitudes[body] = calcPosition(body, jd, sky.observer).longitude();
        const double others[9]
            = {longitudes[0], longitudes[2], longitudes[3], longitudes[4], longitudes[5],
               longitudes[6], longitudes[7], longitudes[8], longitudes[9]};
        if (hasAspect(longitudes[Planet::MOON], others, 9)) {
            VoidOfCourse v;
            v.start = sky.zone.toZone(t);
            v.end = ingress;
            v.zodiac = signOf(sky, jd);
            return v;
        }
    }
    return {};
}

QList<Hit> searchDays(const Sky &sky, const QDate &from, int lunarDay, int zodiac, int results,
                      int maxDays)
{
    QList<Hit> hits;
    const bool anyDay = !isLunarDay(lunarDay);
    const bool anySign = !isSign(zodiac);
    QDate start = from;
    Ephemeris e;
    while (hits.size() < results) {
        const QDateTime noon = sky.zone.at(start, QTime(12, 0));
        QDateTime prev = phaseMinute(sky, noon, 0.0, Direction::Backward);
        QDateTime next = phaseMinute(sky, noon, 0.0, Direction::Forward);
        bool found = false;
        for (int d = 0; d < maxDays && !found; ++d) {
            const QDateTime t = sky.zone.startOfDay(start.addDays(d));
            if (!(t < next)) {
                prev = next;
                next = phaseMinute(sky, t, 0.0, Direction::Forward);
            }
            fillReduced(e, sky, t, prev, next);
            found = (anyDay || e.lunarDay() == lunarDay) && (anySign || e.zodiac() == zodiac);
        }
        if (!found)
            break;
        hits.append({e.time().date(), e.lunarDay(), e.zodiac()});
        start = e.time().date().addDays(1);
    }
    return hits;
}

} // namespace reference
