#include "cli/commands.h"

#include "astro/calculation.h"
#include "astro/calendarmodel.h"
#include "astro/compute.h"
#include "astro/library.h"
#include "astro/moonevents.h"
#include "astro/searchmodel.h"
#include "cli/json.h"
#include "geo/places.h"
#include "ical/events.h"

#include <QJsonArray>
#include <QMutex>

#include <cmath>
#include <memory>

namespace cli {

namespace {

QJsonValue signName(int sign)
{
    return sign >= 0 && sign < 12 ? QJsonValue(signNames().at(sign)) : QJsonValue();
}

// The days from --from to --to, included, on the sky's clock, as Julian days.
std::pair<double, double> daysOf(const astro::Sky &sky, const Options &options)
{
    return {astro::julianDay(sky.zone.startOfDay(options.from)),
            astro::julianDay(sky.zone.startOfDay(options.to.addDays(1)))};
}

// Magnitudes and fractions to four places, as tables print them.
double rounded(double x)
{
    return std::round(x * 1e4) / 1e4;
}

} // namespace

QJsonDocument ephemeris(astro::Calculation &calculation, const Options &options)
{
    std::unique_ptr<astro::Ephemeris> e = astro::computeEphemeris(calculation.sky(), options.at);
    return e ? QJsonDocument(propertiesOf(e.get())) : QJsonDocument();
}

QJsonDocument calendar(astro::Calculation &calculation, const Options &options)
{
    astro::CalendarModel model;
    model.setCalculation(&calculation);
    // The month change starts the run; a model that already shows the month needs a refresh.
    const bool sameMonth = model.activeMonth() == options.month;
    model.setActiveMonth(options.month);
    if (sameMonth)
        model.refresh();
    model.waitForRuns();

    QJsonArray days;
    for (int i = 0; i < astro::CalendarModel::GridDays; ++i) {
        const astro::CalendarEntry entry = model.entry(i);
        QJsonObject day;
        day.insert(QStringLiteral("date"), entry.first.time.date().toString(Qt::ISODate));
        day.insert(QStringLiteral("lunarDayStart"), entry.first.lunarDay);
        day.insert(QStringLiteral("lunarDayEnd"), entry.second.lunarDay);
        day.insert(QStringLiteral("signStart"), signName(entry.first.zodiac));
        day.insert(QStringLiteral("signEnd"), signName(entry.second.zodiac));
        if (entry.first.voidZodiac >= 0) {
            QJsonObject v;
            v.insert(QStringLiteral("start"), dateTimeValue(entry.first.voidStart));
            v.insert(QStringLiteral("end"), dateTimeValue(entry.first.voidEnd));
            v.insert(QStringLiteral("sign"), signName(entry.first.voidZodiac));
            day.insert(QStringLiteral("void"), v);
        } else {
            day.insert(QStringLiteral("void"), QJsonValue::Null);
        }
        days.append(day);
    }
    return QJsonDocument(days);
}

QJsonDocument events(const astro::Calculation &calculation, const Options &options)
{
    ical::Request request;
    request.place = calculation.observer();
    request.zone = calculation.zone().timeZone();
    request.from = options.from;
    request.to = options.to;
    request.kinds = options.kinds;
    const int failures = astro::libraryFailures();
    const QVector<ical::Event> found = ical::collectEvents(request);
    if (astro::libraryFailures() != failures)
        return {};
    QJsonArray list;
    for (const ical::Event &e : found) {
        QJsonObject event;
        event.insert(QStringLiteral("kind"),
                     ical::kindNames().value(qCountTrailingZeroBits(uint(e.kind))));
        event.insert(QStringLiteral("start"), dateTimeValue(e.start));
        event.insert(QStringLiteral("end"), dateTimeValue(e.end));
        event.insert(QStringLiteral("summary"), e.summary);
        list.append(event);
    }
    return QJsonDocument(list);
}

QJsonDocument search(astro::Calculation &calculation, const Options &options)
{
    astro::SearchModel model;
    model.setCalculation(&calculation);
    // Hits arrive on the worker thread; they are kept and read once the search has ended.
    QMutex mutex;
    QList<QPair<astro::Ephemeris *, bool>> hits;
    QObject::connect(
        &model, &astro::SearchModel::searchResult, &model,
        [&](astro::Ephemeris *e, bool timeout) {
            QMutexLocker locker(&mutex);
            hits.append({e, timeout});
        },
        Qt::DirectConnection);
    model.search(calculation.zone().startOfDay(options.from), options.lunarDay, options.sign,
                 options.results);
    model.waitForSearches();

    QJsonArray results;
    for (const auto &[e, timeout] : qAsConst(hits)) {
        QJsonObject hit;
        hit.insert(QStringLiteral("date"), e->time().date().toString(Qt::ISODate));
        hit.insert(QStringLiteral("lunarDay"), e->lunarDay());
        hit.insert(QStringLiteral("sign"), signName(e->zodiac()));
        hit.insert(QStringLiteral("phase"), e->phase());
        hit.insert(QStringLiteral("timeout"), timeout);
        results.append(hit);
        delete e;
    }
    return QJsonDocument(results);
}

QJsonDocument eclipses(astro::Calculation &calculation, const Options &options)
{
    const astro::Sky sky = calculation.sky();
    const auto [from, to] = daysOf(sky, options);
    const int failures = astro::libraryFailures();
    auto time = [&](double jd) { return dateTimeValue(astro::localTime(jd, sky.zone)); };
    QJsonArray found;
    for (const astro::Eclipse &e : astro::eclipsesBetween(from, to)) {
        const astro::EclipseView view = astro::viewFrom(sky, e);
        QJsonValue local;
        if (e.body == astro::EclipseBody::Moon) {
            // The contacts the eclipse reaches, the same instants everywhere.
            QJsonObject contacts;
            const std::pair<const char *, double> named[]
                = {{"penumbralBegin", e.begin},  {"partialBegin", e.partialBegin},
                   {"totalBegin", e.totalBegin}, {"totalEnd", e.totalEnd},
                   {"partialEnd", e.partialEnd}, {"penumbralEnd", e.end}};
            for (const auto &[name, jd] : named) {
                if (std::isfinite(jd))
                    contacts.insert(QLatin1String(name), time(jd));
            }
            local = contacts;
        } else if (view.local) {
            local = QJsonObject{{QStringLiteral("begin"), time(view.local->begin)},
                                {QStringLiteral("maximum"), time(view.local->maximum)},
                                {QStringLiteral("end"), time(view.local->end)},
                                {QStringLiteral("obscuration"), rounded(view.local->obscuration)}};
        }
        found.append(QJsonObject{{QStringLiteral("body"), astro::bodyName(e.body)},
                                 {QStringLiteral("type"), astro::typeName(e.type)},
                                 {QStringLiteral("maximum"), time(e.maximum)},
                                 {QStringLiteral("magnitude"), rounded(e.magnitude)},
                                 {QStringLiteral("visible"), view.visible},
                                 {QStringLiteral("local"), local}});
    }
    return astro::libraryFailures() == failures ? QJsonDocument(found) : QJsonDocument();
}

QJsonDocument apsides(astro::Calculation &calculation, const Options &options)
{
    const astro::Sky sky = calculation.sky();
    const auto [from, to] = daysOf(sky, options);
    const int failures = astro::libraryFailures();
    QJsonArray found;
    for (const astro::Apsis &a : astro::apsidesBetween(from, to)) {
        found.append(QJsonObject{
            {QStringLiteral("kind"), a.kind == astro::Apsis::Kind::Perigee
                                         ? QStringLiteral("perigee")
                                         : QStringLiteral("apogee")},
            {QStringLiteral("time"), dateTimeValue(astro::localTime(a.instant, sky.zone))},
            {QStringLiteral("distanceKm"), double(qRound64(a.distanceKm))}});
    }
    return astro::libraryFailures() == failures ? QJsonDocument(found) : QJsonDocument();
}

QJsonDocument places(const QString &placeFolder, const Options &options)
{
    geo::Places tables;
    tables.load(placeFolder);
    if (tables.cityCount() == 0)
        return QJsonDocument();
    QJsonArray found;
    for (const geo::Location &place :
         tables.search(options.query, geo::Location(), options.results)) {
        found.append(QJsonObject({{QStringLiteral("name"), place.name()},
                                  {QStringLiteral("region"), place.region()},
                                  {QStringLiteral("country"), place.country()},
                                  {QStringLiteral("latitude"), place.latitude()},
                                  {QStringLiteral("longitude"), place.longitude()},
                                  {QStringLiteral("population"), place.population()},
                                  {QStringLiteral("zone"), place.zone()}}));
    }
    return QJsonDocument(found);
}

} // namespace cli
