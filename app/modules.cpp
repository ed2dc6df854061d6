#include "app/modules.h"

#include "app/ui.h"
#include "geo/module.h"
#include "global/object.h"

#include <QQmlEngine>

void installModules()
{
    // UI and Global are the very objects the native side uses; the engine never owns them.
    qmlRegisterSingletonType<UI>(
        "UI", 1, 0, "UI", [](QQmlEngine *, QJSEngine *) -> QObject * { return UI::instance(); });
    // Geo's service is made and owned by the engine.
    geo::registerModule();
    qmlRegisterSingletonType<global::Object>(
        "Global", 1, 0, "Global",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return global::Object::instance(); });
}
