#include "cli/options.h"

#include "astro/library.h"
#include "astro/zone.h"
#include "geo/places.h"
#include "ical/events.h"
#include "print/months.h"

#include <QPageSize>
#include <QTimeZone>

#include <cmath>

namespace cli {

namespace {

using astro::FirstEphemerisYear;
using astro::LastEphemerisYear;

// A week: the longest lead a calendar program is asked for.
constexpr int MaximumAlarm = 7 * 24 * 60;

bool inRange(const QDate &date)
{
    return date.isValid() && date.year() >= FirstEphemerisYear && date.year() <= LastEphemerisYear;
}

// For a date that does not parse or lies outside the years of the ephemeris files. One arg()
// call, so a value that holds a '%' marker is not filled in by the later numbers.
QString invalidDate(const char *what, const QString &value, const char *format)
{
    return QStringLiteral("invalid %1 '%2' (%3, years %4 to %5)")
        .arg(QLatin1String(what), value, QLatin1String(format), QString::number(FirstEphemerisYear),
             QString::number(LastEphemerisYear));
}

bool number(const QString &text, double &value)
{
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

} // namespace

const QStringList &signNames()
{
    static const QStringList names
        = {QStringLiteral("aries"),     QStringLiteral("taurus"),   QStringLiteral("gemini"),
           QStringLiteral("cancer"),    QStringLiteral("leo"),      QStringLiteral("virgo"),
           QStringLiteral("libra"),     QStringLiteral("scorpio"),  QStringLiteral("sagittarius"),
           QStringLiteral("capricorn"), QStringLiteral("aquarius"), QStringLiteral("pisces")};
    return names;
}

Options parse(const QStringList &arguments, const QDateTime &now)
{
    Options o;
    o.command = QStringLiteral("ephemeris");
    o.at = now;
    QStringList args = arguments;
    if (!args.isEmpty() && !args.first().startsWith(QLatin1String("--"))) {
        const QString command = args.takeFirst();
        static const QStringList commands
            = {QStringLiteral("calendar"), QStringLiteral("search"), QStringLiteral("places"),
               QStringLiteral("ics"),      QStringLiteral("events"), QStringLiteral("eclipses"),
               QStringLiteral("apsides"),  QStringLiteral("pdf")};
        if (!commands.contains(command)) {
            o.error = QStringLiteral("unknown command '%1' (%2)")
                          .arg(command, commands.join(QLatin1String(", ")));
            return o;
        }
        o.command = command;
        if (command == QLatin1String("places")) {
            if (!args.isEmpty() && !args.first().startsWith(QLatin1String("--")))
                o.query = args.takeFirst();
            // Blanks or marks alone ("", a lone accent) fold to nothing, which every place
            // would match.
            if (geo::foldedName(o.query).trimmed().isEmpty()) {
                o.error = QStringLiteral("places needs a name: places QUERY");
                return o;
            }
        }
        if (command == QLatin1String("calendar")) {
            if (args.isEmpty() || args.first().startsWith(QLatin1String("--"))) {
                o.error = QStringLiteral("calendar needs a month: calendar YYYY-MM");
                return o;
            }
            const QString month = args.takeFirst();
            o.month
                = QDate::fromString(month + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd"));
            if (!inRange(o.month)) {
                o.error = invalidDate("month", month, "YYYY-MM");
                return o;
            }
        }
    }

    // Read once the zone is known, which may come later on the line.
    QString atText;
    const bool search = o.command == QLatin1String("search");
    const bool places = o.command == QLatin1String("places");
    const bool ics = o.command == QLatin1String("ics");
    // The same days and kinds as a calendar file, as JSON.
    const bool events = o.command == QLatin1String("events");
    // The commands over a range of days, --from to --to.
    const bool ranged = ics || events || o.command == QLatin1String("eclipses")
                        || o.command == QLatin1String("apsides");
    const bool pdf = o.command == QLatin1String("pdf");
    if (ics || events)
        o.kinds = ical::DefaultKinds;
    for (int i = 0; i < args.size(); ++i) {
        QString name = args.at(i);
        QString value;
        const int equals = name.indexOf(QLatin1Char('='));
        if (equals > 0) {
            value = name.mid(equals + 1);
            name = name.left(equals);
        } else if (i + 1 < args.size()) {
            value = args.at(++i);
        } else {
            o.error = QStringLiteral("option '%1' needs a value").arg(name);
            return o;
        }

        double x = 0.0;
        if (name == QLatin1String("--lat")) {
            if (!number(value, x) || std::fabs(x) > 90.0) {
                o.error = QStringLiteral("invalid latitude '%1' (-90 to 90)").arg(value);
                return o;
            }
            o.latitude = x;
        } else if (name == QLatin1String("--lon")) {
            if (!number(value, x) || std::fabs(x) > 180.0) {
                o.error = QStringLiteral("invalid longitude '%1' (-180 to 180)").arg(value);
                return o;
            }
            o.longitude = x;
        } else if (name == QLatin1String("--alt")) {
            if (!number(value, x) || x < -500.0 || x > 10000.0) {
                o.error = QStringLiteral("invalid altitude '%1' (-500 to 10000 metres)").arg(value);
                return o;
            }
            o.altitude = x;
        } else if (name == QLatin1String("--at") && o.command == QLatin1String("ephemeris")) {
            atText = value;
        } else if (name == QLatin1String("--zone")) {
            o.zone = value.trimmed().toUtf8();
            if (!astro::Zone::known(o.zone)) {
                o.error = QStringLiteral("unknown time zone '%1' (an IANA name such as "
                                         "Europe/Paris, UTC, or an offset such as UTC+05:30)")
                              .arg(value);
                return o;
            }
        } else if ((name == QLatin1String("--from") && (search || ranged))
                   || (name == QLatin1String("--to") && ranged)) {
            QDate &day = name == QLatin1String("--to") ? o.to : o.from;
            day = QDate::fromString(value.trimmed(), QStringLiteral("yyyy-MM-dd"));
            if (!inRange(day)) {
                o.error = invalidDate("date", value, "YYYY-MM-DD");
                return o;
            }
        } else if ((name == QLatin1String("--from") || name == QLatin1String("--to")) && pdf) {
            QDate &month = name == QLatin1String("--to") ? o.to : o.from;
            month = QDate::fromString(value.trimmed() + QStringLiteral("-01"),
                                      QStringLiteral("yyyy-MM-dd"));
            if (!inRange(month)) {
                o.error = invalidDate("month", value, "YYYY-MM");
                return o;
            }
        } else if (name == QLatin1String("--output") && pdf) {
            o.output = value;
        } else if (name == QLatin1String("--paper") && pdf) {
            const QString paper = value.trimmed().toLower();
            o.paper = paper == QLatin1String("a4")       ? QPageSize::A4
                      : paper == QLatin1String("letter") ? QPageSize::Letter
                                                         : -1;
            if (o.paper < 0) {
                o.error = QStringLiteral("invalid paper '%1' (a4 or letter)").arg(value);
                return o;
            }
        } else if (name == QLatin1String("--orientation") && pdf) {
            const QString orientation = value.trimmed().toLower();
            o.landscape = orientation == QLatin1String("landscape");
            if (!o.landscape && orientation != QLatin1String("portrait")) {
                o.error
                    = QStringLiteral("invalid orientation '%1' (portrait or landscape)").arg(value);
                return o;
            }
        } else if (name == QLatin1String("--events") && (ics || events)) {
            o.kinds = ical::kindsOf(value);
            if (!o.kinds) {
                o.error = QStringLiteral("invalid events '%1' (a list of %2)")
                              .arg(value, ical::kindNames().join(QLatin1Char(',')));
                return o;
            }
        } else if (name == QLatin1String("--name") && (ics || pdf)) {
            o.name = value;
        } else if (name == QLatin1String("--language") && (ics || pdf)) {
            o.language = value.trimmed().toLower();
            if (!ical::languages().contains(o.language)) {
                o.error = QStringLiteral("invalid language '%1' (%2)")
                              .arg(value, ical::languages().join(QLatin1Char('|')));
                return o;
            }
        } else if (name == QLatin1String("--alarm") && ics) {
            bool ok = false;
            o.alarm = value.toInt(&ok);
            if (!ok || o.alarm < 0 || o.alarm > MaximumAlarm) {
                o.error = QStringLiteral("invalid alarm '%1' (minutes before each event, 0 to %2)")
                              .arg(value)
                              .arg(MaximumAlarm);
                return o;
            }
        } else if (name == QLatin1String("--lunar-day") && search) {
            bool ok = false;
            o.lunarDay = value.toInt(&ok);
            if (!ok || o.lunarDay < 1 || o.lunarDay > 30) {
                o.error = QStringLiteral("invalid lunar day '%1' (1 to 30)").arg(value);
                return o;
            }
        } else if (name == QLatin1String("--sign") && search) {
            bool ok = false;
            o.sign = value.toInt(&ok);
            if (!ok)
                o.sign = signNames().indexOf(value.trimmed().toLower());
            if (o.sign < 0 || o.sign > 11) {
                o.error = QStringLiteral("invalid sign '%1' (a name such as taurus, or 0 to 11)")
                              .arg(value);
                return o;
            }
        } else if (name == QLatin1String("--results") && (search || places)) {
            bool ok = false;
            o.results = value.toInt(&ok);
            if (!ok || o.results < 0 || o.results > 1000) {
                o.error = QStringLiteral("invalid number of results '%1' (0 to 1000)").arg(value);
                return o;
            }
        } else {
            o.error = QStringLiteral("unknown option '%1'").arg(name);
            return o;
        }
    }
    const astro::Zone zone(o.zone.isEmpty() ? QTimeZone() : QTimeZone(o.zone));
    o.at = zone.toZone(o.at);
    if (!atText.isNull()) {
        const QDateTime typed
            = QDateTime::fromString(atText.trimmed(), QStringLiteral("yyyy-MM-dd HH:mm"));
        // The data range is one on the UTC clock: a moment read in any zone is held to it.
        o.at = typed.isValid() ? zone.at(typed.date(), typed.time()) : QDateTime();
        if (!astro::inEphemerisRange(o.at)) {
            o.error = QStringLiteral("invalid date '%1' (\"YYYY-MM-DD HH:MM\", from %2)")
                          .arg(atText, astro::ephemerisRangeText());
            return o;
        }
    }
    if (search && !o.from.isValid())
        o.error = QStringLiteral("search needs --from YYYY-MM-DD");
    if (ranged && (!o.from.isValid() || !o.to.isValid()))
        o.error = QStringLiteral("%1 needs --from YYYY-MM-DD and --to YYYY-MM-DD").arg(o.command);
    else if (ranged)
        o.error = ical::rangeError(o.from, o.to,
                                   ics || events ? ical::MaximumYears : MaximumEventYears);
    if (pdf && (!o.from.isValid() || !o.to.isValid() || o.output.isEmpty()))
        o.error = QStringLiteral("pdf needs --from YYYY-MM, --to YYYY-MM and --output FILE");
    else if (pdf)
        o.error = print::rangeError(o.from, o.to);
    return o;
}

} // namespace cli
