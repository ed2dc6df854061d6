#include "reminders/outlook.h"

#include "astro/compute.h"
#include "astro/searches.h"

#include <algorithm>

namespace reminders {

namespace {

// The moon panel names the phase anew at these fractions of the lunation.
constexpr double PhaseNameChanges[] = {0.01, 0.25, 0.26, 0.5, 0.51, 0.75, 0.76, 1.0};

QDateTime nextHour(const QDateTime &now)
{
    const QDateTime utc = now.toUTC();
    return QDateTime(utc.date(), QTime(utc.time().hour(), 0), Qt::UTC).addSecs(3600);
}

} // namespace

Outlook outlookAt(const astro::Sky &sky, const QDateTime &now, int kinds)
{
    Outlook o;
    o.at = now;
    const std::unique_ptr<astro::Ephemeris> e = astro::computeEphemeris(sky, now);
    if (!e)
        return o;
    o.valid = true;
    o.phase = e->phase();
    o.illumination = e->illumination();
    o.lunarDay = e->lunarDay();
    o.sign = e->zodiac();
    o.changes = nextHour(now);

    const double *name
        = std::upper_bound(std::begin(PhaseNameChanges), std::end(PhaseNameChanges), o.phase);
    if (name != std::end(PhaseNameChanges)) {
        const QDateTime t = astro::phaseMinute(sky, now, *name, astro::Direction::Forward);
        if (t.isValid() && now < t)
            o.changes = std::min(o.changes, t);
    }

    ical::Request request;
    request.place = sky.observer;
    request.zone = sky.zone.timeZone();
    const QDate today = sky.zone.toZone(now).date();
    // From yesterday, for a void of course under way; over three weeks on, for three phases.
    request.from = today.addDays(-1);
    request.to = today.addDays(24);
    request.kinds = kinds | ical::Void | ical::LunarDay;
    for (const ical::Event &event : ical::collectEvents(request)) {
        const bool ahead = now < event.start;
        if (event.kind == ical::Void && !o.voidOfCourse.start.isValid() && now < event.end) {
            o.voidOfCourse = event;
            o.changes = std::min(o.changes, ahead ? event.start : event.end);
        }
        if (event.kind == ical::LunarDay && ahead)
            o.changes = std::min(o.changes, event.start);
        if ((event.kind & kinds) && ahead && o.next.size() < OutlookEvents) {
            o.next.append(event);
            o.changes = std::min(o.changes, event.start);
        }
    }
    return o;
}

} // namespace reminders
