#include "geo/module.h"

#include "geo/location.h"
#include "geo/locationlist.h"
#include "geo/object.h"

#include <QQmlEngine>

namespace geo {

void registerModule()
{
    // The service's signals name the type "Location"; a signal crossing threads is copied by
    // that name, and without the alias it would not arrive.
    qRegisterMetaType<Location>("geo::Location");
    qRegisterMetaType<Location>("Location");
    qmlRegisterType<LocationList>("Geo", 1, 0, "LocationList");
    qmlRegisterSingletonType<Object>(
        "Geo", 1, 0, "Geo", [](QQmlEngine *, QJSEngine *) -> QObject * { return new Object(); });
}

} // namespace geo
