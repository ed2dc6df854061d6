#include "app/modules.h"

#include "app/ui.h"
#include "global/object.h"
#include "text/module.h"

#include <QQmlEngine>

void installModules()
{
    // The singletons are the very objects the native side uses; the engine never owns them.
    qmlRegisterSingletonType<UI>(
        "UI", 1, 0, "UI", [](QQmlEngine *, QJSEngine *) -> QObject * { return UI::instance(); });
    text::registerModule();
    qmlRegisterSingletonType<global::Object>(
        "Global", 1, 0, "Global",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return global::Object::instance(); });
}
