#include "text/module.h"

#include "text/document.h"
#include "text/loader.h"

#include <QQmlEngine>

namespace text {

void registerModule()
{
    qRegisterMetaType<text::Document *>("text::Document*");
    qmlRegisterUncreatableType<Document>("Text", 1, 0, "TextDocument",
                                         QStringLiteral("not creatable"));
    // The engine owns the loader it asked for and deletes it with itself.
    qmlRegisterSingletonType<Loader>(
        "Text", 1, 0, "TextLoader",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new Loader(); });
}

} // namespace text
