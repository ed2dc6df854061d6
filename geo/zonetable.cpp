#include "geo/zonetable.h"

#include <QFile>
#include <QTimeZone>
#include <QList>

namespace geo {

namespace {

// Reads `digits` decimal digits at text[at], or -1 when they are not all digits.
int number(QStringView text, int at, int digits)
{
    int value = 0;
    for (int i = at; i < at + digits; ++i) {
        const ushort unit = i < text.size() ? text.at(i).unicode() : 0;
        if (unit < '0' || unit > '9')
            return -1;
        value = value * 10 + (unit - '0');
    }
    return value;
}

// A sign, degreeDigits digits of degrees, two of minutes and perhaps two of seconds; NaN when
// the text is not that or the angle exceeds limit.
double angle(QStringView text, int degreeDigits, double limit)
{
    const QChar sign = text.isEmpty() ? QChar() : text.at(0);
    const int length = text.size() - 1;
    if ((sign != QLatin1Char('+') && sign != QLatin1Char('-'))
        || (length != degreeDigits + 2 && length != degreeDigits + 4))
        return qQNaN();
    const int degrees = number(text, 1, degreeDigits);
    const int minutes = number(text, 1 + degreeDigits, 2);
    const int seconds = length == degreeDigits + 4 ? number(text, 3 + degreeDigits, 2) : 0;
    if (degrees < 0 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59)
        return qQNaN();
    const double value = degrees + minutes / 60.0 + seconds / 3600.0;
    if (value > limit)
        return qQNaN();
    return sign == QLatin1Char('-') ? -value : value;
}

} // namespace

bool parseZoneCoordinates(QStringView text, double *latitude, double *longitude)
{
    // The longitude starts at the second sign.
    int split = -1;
    for (int i = 1; i < text.size() && split < 0; ++i) {
        if (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))
            split = i;
    }
    if (split < 0)
        return false;
    const double lat = angle(text.left(split), 2, 90.0);
    const double lon = angle(text.mid(split), 3, 180.0);
    if (qIsNaN(lat) || qIsNaN(lon))
        return false;
    *latitude = lat;
    *longitude = lon;
    return true;
}

ZonePoint findZonePoint(QStringView table, QStringView zoneId)
{
    ZonePoint point;
    if (zoneId.isEmpty())
        return point;
    for (QStringView line : table.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QList<QStringView> fields = line.split(QLatin1Char('\t'));
        if (fields.size() < 3 || fields.at(2).trimmed() != zoneId)
            continue;
        point.found = parseZoneCoordinates(fields.at(1), &point.latitude, &point.longitude);
        return point;
    }
    return point;
}

QString zoneCityName(QStringView zoneId)
{
    const int slash = zoneId.lastIndexOf(QLatin1Char('/'));
    return zoneId.mid(slash + 1).toString().replace(QLatin1Char('_'), QLatin1Char(' '));
}

ZonePoint systemZonePoint(QString *zoneId)
{
    *zoneId = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    // zone1970.tab names one zone per region that has kept its clocks since 1970; zone.tab
    // also has the zones merged into those since, such as Europe/Amsterdam.
    for (const char *name : {"/usr/share/zoneinfo/zone1970.tab", "/usr/share/zoneinfo/zone.tab"}) {
        QFile file(QString::fromLatin1(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const ZonePoint point = findZonePoint(QString::fromUtf8(file.readAll()), *zoneId);
        if (point.found)
            return point;
    }
    return ZonePoint();
}

} // namespace geo
