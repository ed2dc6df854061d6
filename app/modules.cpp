#include "app/modules.h"

#include "app/companion.h"

#include "app/ui.h"
#include "astro/module.h"
#include "geo/module.h"
#include "global/object.h"
#include "ical/calendarexport.h"
#include "print/calendarprint.h"
#include "text/module.h"

#include <QQmlEngine>

void installModules()
{
    astro::registerModule();
    qmlRegisterType<ical::CalendarExport>("Ical", 1, 0, "CalendarExport");
    qmlRegisterType<print::CalendarPrint>("Print", 1, 0, "CalendarPrint");
    // UI and Global are the very objects the native side uses; the engine never owns them.
    qmlRegisterSingletonType<UI>(
        "UI", 1, 0, "UI", [](QQmlEngine *, QJSEngine *) -> QObject * { return UI::instance(); });
    qmlRegisterSingletonType<Companion>(
        "UI", 1, 0, "Companion",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return Companion::instance(); });
    // The text loader and Geo's service are made and owned by the engine.
    text::registerModule();
    geo::registerModule();
    qmlRegisterSingletonType<global::Object>(
        "Global", 1, 0, "Global",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return global::Object::instance(); });
}
