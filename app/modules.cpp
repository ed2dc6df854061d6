#include "app/modules.h"

#include "app/ui.h"
#include "astro/module.h"
#include "global/object.h"

#include <QQmlEngine>

void installModules()
{
    astro::registerModule();
    // The singletons are the very objects the native side uses; the engine never owns them.
    qmlRegisterSingletonType<UI>(
        "UI", 1, 0, "UI", [](QQmlEngine *, QJSEngine *) -> QObject * { return UI::instance(); });
    qmlRegisterSingletonType<global::Object>(
        "Global", 1, 0, "Global",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return global::Object::instance(); });
}
