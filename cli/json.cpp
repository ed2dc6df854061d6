#include "cli/json.h"

#include "astro/position.h"

#include <QMetaProperty>
#include <QObject>

namespace cli {

QJsonValue dateTimeValue(const QDateTime &time)
{
    if (!time.isValid())
        return QJsonValue::Null;
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate);
}

QJsonObject propertiesOf(const QObject *object)
{
    QJsonObject result;
    const QMetaObject *meta = object->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QVariant value = property.read(object);
        if (value.userType() == QMetaType::QDateTime) {
            result.insert(QLatin1String(property.name()), dateTimeValue(value.toDateTime()));
        } else if (value.userType() == qMetaTypeId<astro::Position>()) {
            const auto p = value.value<astro::Position>();
            result.insert(QLatin1String(property.name()),
                          QJsonObject{{QStringLiteral("longitude"), p.longitude()},
                                      {QStringLiteral("latitude"), p.latitude()},
                                      {QStringLiteral("altitude"), p.altitude()}});
        } else {
            result.insert(QLatin1String(property.name()), QJsonValue::fromVariant(value));
        }
    }
    return result;
}

} // namespace cli
