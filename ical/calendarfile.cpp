#include "ical/calendarfile.h"

#include "astro/library.h"

#include <libical/ical.h>

#include <cmath>
#include <memory>

namespace ical {

namespace {

// Zones without any change of offset and none from UTC are written as UTC times.
bool writesUtc(const QTimeZone &zone)
{
    return !zone.isValid() || zone.id() == "UTC"
           || (!zone.hasTransitions() && zone.offsetFromUtc(QDateTime::currentDateTimeUtc()) == 0);
}

icaltimetype wallClock(const QDateTime &t, bool utc)
{
    icaltimetype v = icaltime_null_time();
    v.year = t.date().year();
    v.month = t.date().month();
    v.day = t.date().day();
    v.hour = t.time().hour();
    v.minute = t.time().minute();
    v.second = t.time().second();
    v.is_date = 0;
    v.zone = utc ? icaltimezone_get_utc_timezone() : nullptr;
    return v;
}

QByteArray coordinate(double value, char positive, char negative)
{
    return QByteArray::number(std::fabs(value), 'f', 2) + (value < 0.0 ? negative : positive);
}

// The offsets of the zone from the one in force at `first` up to `last`, each change as an
// onset of its own: a calendar reader needs nothing outside the events' span.
icalcomponent *timeZone(const QTimeZone &zone, const QDateTime &first, const QDateTime &last)
{
    icalcomponent *vtimezone = icalcomponent_new_vtimezone();
    icalcomponent_add_property(vtimezone, icalproperty_new_tzid(zone.id().constData()));
    auto onset = [&](const QDateTime &at, int from, int to, bool daylight, const QString &name) {
        icalcomponent *c = daylight ? icalcomponent_new_xdaylight() : icalcomponent_new_xstandard();
        // The onset is written on the clock in force before it.
        icalcomponent_add_property(
            c, icalproperty_new_dtstart(wallClock(at.toUTC().addSecs(from), false)));
        icalcomponent_add_property(c, icalproperty_new_tzoffsetfrom(from));
        icalcomponent_add_property(c, icalproperty_new_tzoffsetto(to));
        if (!name.isEmpty())
            icalcomponent_add_property(c, icalproperty_new_tzname(name.toUtf8().constData()));
        icalcomponent_add_component(vtimezone, c);
    };
    const QTimeZone::OffsetData current = zone.previousTransition(first.addSecs(1));
    int offset = zone.offsetFromUtc(first);
    if (current.atUtc.isValid()) {
        const QTimeZone::OffsetData before = zone.previousTransition(current.atUtc);
        const int from = before.atUtc.isValid() ? before.offsetFromUtc : current.offsetFromUtc;
        onset(current.atUtc, from, current.offsetFromUtc, current.daylightTimeOffset != 0,
              current.abbreviation);
        offset = current.offsetFromUtc;
    } else {
        // A zone that never changed: one offset from any time on.
        onset(QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::OffsetFromUTC, offset), offset, offset,
              zone.isDaylightTime(first), zone.abbreviation(first));
    }
    for (const QTimeZone::OffsetData &change : zone.transitions(first.addSecs(1), last)) {
        onset(change.atUtc, offset, change.offsetFromUtc, change.daylightTimeOffset != 0,
              change.abbreviation);
        offset = change.offsetFromUtc;
    }
    return vtimezone;
}

// A wall-clock time that the clock shows twice (the hour repeated when summer time ends) is read
// as the first of the two; an instant in the second is written in UTC instead.
bool firstOnClock(const QDateTime &t, const QTimeZone &zone)
{
    const QDateTime wall = t.toTimeZone(zone);
    const QDateTime asUtc(wall.date(), wall.time(), Qt::UTC);
    for (int offset : {zone.offsetFromUtc(t.addDays(-1)), zone.offsetFromUtc(t.addDays(1))}) {
        const QDateTime earlier = asUtc.addSecs(-offset);
        if (earlier < t && earlier.toTimeZone(zone).time() == wall.time()
            && earlier.toTimeZone(zone).date() == wall.date())
            return false;
    }
    return true;
}

void addTime(icalcomponent *event, icalproperty *(*make)(icaltimetype), const QDateTime &t,
             const QTimeZone &zone, bool utc)
{
    const bool inZone = !utc && firstOnClock(t, zone);
    icalproperty *property = make(wallClock(inZone ? t.toTimeZone(zone) : t.toUTC(), !inZone));
    if (inZone)
        icalproperty_add_parameter(property, icalparameter_new_tzid(zone.id().constData()));
    icalcomponent_add_property(event, property);
}

// An iCalendar TEXT value may hold no control character. A place name, typed or from the place
// files, is written without them: line breaks and tabs become blanks, the others go.
QString textValue(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control)
            clean += c;
        else if (c.isSpace())
            clean += QLatin1Char(' ');
    }
    return clean;
}

// A reminder shown by the calendar program `minutes` before the event's start.
icalcomponent *alarm(int minutes, const QString &summary)
{
    icalcomponent *valarm = icalcomponent_new_valarm();
    icalcomponent_add_property(valarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icalcomponent_add_property(valarm,
                               icalproperty_new_trigger(icaltriggertype_from_int(-minutes * 60)));
    // A display alarm must say something.
    icalcomponent_add_property(valarm, icalproperty_new_description(summary.toUtf8().constData()));
    return valarm;
}

} // namespace

QByteArray calendarText(const Request &request, const QVector<Event> &events)
{
    const bool utc = writesUtc(request.zone);

    std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)> calendar(
        icalcomponent_new_vcalendar(), icalcomponent_free);
    icalcomponent *cal = calendar.get();
    icalcomponent_add_property(cal, icalproperty_new_version("2.0"));
    icalcomponent_add_property(
        cal, icalproperty_new_prodid("-//Harkel//Vendarion " VENDARION_VERSION "//EN"));
    icalcomponent_add_property(cal, icalproperty_new_calscale("GREGORIAN"));

    // Over the days, from where the first event begins (one under way at their start began
    // before them) to where the last one ends; written even without events, so that the
    // calendar holds the one component it must.
    if (!utc) {
        QDateTime first = request.from.startOfDay(request.zone);
        QDateTime last = request.to.addDays(1).startOfDay(request.zone);
        for (const Event &e : events) {
            first = std::min(first, e.start);
            last = std::max(last, e.end.isValid() ? e.end : e.start);
        }
        icalcomponent_add_component(cal, timeZone(request.zone, first, last));
    }

    const astro::Position &place = request.place;
    const QByteArray where
        = coordinate(place.latitude(), 'N', 'S') + coordinate(place.longitude(), 'E', 'W');
    const QString name = textValue(request.placeName);
    const QByteArray location = (name.trimmed().isEmpty() ? QStringLiteral("%1, %2")
                                                                .arg(place.latitude(), 0, 'f', 4)
                                                                .arg(place.longitude(), 0, 'f', 4)
                                                          : name)
                                    .toUtf8();
    const icaltimetype stamp
        = wallClock((request.stamp.isValid() ? request.stamp : exportStamp()).toUTC(), true);
    for (const Event &e : events) {
        icalcomponent *event = icalcomponent_new_vevent();
        // Kind, place and instant: a newer file of the same days replaces these events instead
        // of adding them again. A void is named by its end, the ingress.
        const QDateTime named = e.kind == Void ? e.end : e.start;
        const QByteArray uid
            = named.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmm'Z'")).toLatin1() + '-'
              + e.key.toLatin1() + '-' + where + "@vendarion";
        icalcomponent_add_property(event, icalproperty_new_uid(uid.constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
        addTime(event, icalproperty_new_dtstart, e.start, request.zone, utc);
        if (e.end.isValid())
            addTime(event, icalproperty_new_dtend, e.end, request.zone, utc);
        icalcomponent_add_property(event, icalproperty_new_summary(e.summary.toUtf8().constData()));
        icalcomponent_add_property(event, icalproperty_new_location(location.constData()));
        icalgeotype geo;
        geo.lat = place.latitude();
        geo.lon = place.longitude();
        icalcomponent_add_property(event, icalproperty_new_geo(geo));
        // Moon events do not make the user busy.
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        if (request.alarmMinutes >= 0)
            icalcomponent_add_component(event, alarm(request.alarmMinutes, e.summary));
        icalcomponent_add_component(cal, event);
    }

    char *text = icalcomponent_as_ical_string_r(cal);
    const QByteArray result(text);
    icalmemory_free_buffer(text);
    return result;
}

CalendarFile exportCalendar(const Request &request, const std::atomic<bool> *cancel,
                            const Progress &progress)
{
    CalendarFile file;
    file.error = rangeError(request.from, request.to);
    if (!file.error.isEmpty())
        return file;
    if (!(request.kinds & AllKinds)) {
        file.error = QStringLiteral("no kind of event chosen");
        return file;
    }
    const int failures = astro::libraryFailures();
    const QVector<Event> events = collectEvents(request, cancel, progress);
    if (cancel && *cancel) {
        file.cancelled = true;
        return file;
    }
    // A search the library could not complete would leave events out or misplace them.
    if (astro::libraryFailures() != failures) {
        file.error = QStringLiteral("the ephemeris library could not compute every event of "
                                    "%1 to %2")
                         .arg(request.from.toString(Qt::ISODate), request.to.toString(Qt::ISODate));
        return file;
    }
    file.text = calendarText(request, events);
    return file;
}

QString fileNameFor(const QDate &from, const QDate &to)
{
    if (!from.isValid() || !to.isValid())
        return QStringLiteral("moon.ics");
    if (from.day() == 1 && to == from.addMonths(1).addDays(-1))
        return QStringLiteral("moon-%1.ics").arg(from.toString(QStringLiteral("yyyy-MM")));
    return QStringLiteral("moon-%1_%2.ics")
        .arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate));
}

QDateTime exportStamp()
{
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (ok && epoch >= 0)
        return QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return now.addMSecs(-now.time().msec());
}

} // namespace ical
