#include "cli/commands.h"

#include "astro/calculation.h"
#include "astro/calendarmodel.h"
#include "astro/compute.h"
#include "astro/library.h"
#include "astro/searchmodel.h"
#include "cli/json.h"
#include "geo/places.h"
#include "ical/events.h"

#include <QJsonArray>
#include <QMutex>

#include <memory>

namespace cli {

namespace {

QJsonValue signName(int sign)
{
    return sign >= 0 && sign < 12 ? QJsonValue(signNames().at(sign)) : QJsonValue();
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
