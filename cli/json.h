#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>

class QObject;

namespace cli {

// ISO 8601 with the UTC offset in force at that moment, or null for an absent time.
QJsonValue dateTimeValue(const QDateTime &time);
// Every property of an object (an ephemeris), under its property name.
QJsonObject propertiesOf(const QObject *object);

} // namespace cli
