#include "astro/module.h"

#include "astro/astro.h"
#include "astro/calculation.h"
#include "astro/calculationmethod.h"
#include "astro/calendarentry.h"
#include "astro/calendarmodel.h"
#include "astro/ephemeris.h"
#include "astro/phenomena.h"
#include "astro/planet.h"
#include "astro/position.h"
#include "astro/searchmodel.h"
#include "astro/voidofcourse.h"

#include <QQmlEngine>

namespace astro {

namespace {

// Signals name the types without their namespace ("observerChanged(Position)"), so queued
// delivery looks them up by the short name too.
template<typename T>
void registerWithAlias(const char *qualified, const char *alias)
{
    qRegisterMetaType<T>(qualified);
    qRegisterMetaType<T>(alias);
}

} // namespace

void registerMetaTypes()
{
    registerWithAlias<Planet>("astro::Planet", "Planet");
    registerWithAlias<Position>("astro::Position", "Position");
    registerWithAlias<Phenomena>("astro::Phenomena", "Phenomena");
    registerWithAlias<VoidOfCourse>("astro::VoidOfCourse", "VoidOfCourse");
    registerWithAlias<CalculationMethod>("astro::CalculationMethod", "CalculationMethod");
    registerWithAlias<CalendarMoment>("astro::CalendarMoment", "CalendarMoment");
    registerWithAlias<CalendarEntry>("astro::CalendarEntry", "CalendarEntry");
    registerWithAlias<Ephemeris *>("astro::Ephemeris*", "Ephemeris*");
    registerWithAlias<Calculation *>("astro::Calculation*", "Calculation*");
}

void registerModule()
{
    registerMetaTypes();
    qmlRegisterType<Ephemeris>("Astro", 1, 0, "Ephemeris");
    qmlRegisterType<Calculation>("Astro", 1, 0, "Calculation");
    qmlRegisterType<CalendarModel>("Astro", 1, 0, "CalendarModel");
    qmlRegisterType<SearchModel>("Astro", 1, 0, "SearchModel");
    qmlRegisterSingletonType<Astro>(
        "Astro", 1, 0, "Astro", [](QQmlEngine *, QJSEngine *) -> QObject * { return new Astro; });
}

} // namespace astro
