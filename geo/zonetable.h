#pragma once

#include <QString>
#include <QStringView>

namespace geo {

// A time zone's principal location as the tz database lists it.
struct ZonePoint
{
    bool found = false;
    double longitude = 0.0;
    double latitude = 0.0;
};

// Looks the zone up in the text of a tz database table ("zone1970.tab", "zone.tab": lines of
// tab-separated country codes, coordinates and zone name; "#" starts a comment line).
ZonePoint findZonePoint(QStringView table, QStringView zoneId);

// ISO 6709 as those tables write it, latitude first: +DDMM+DDDMM or +DDMMSS+DDDMMSS.
bool parseZoneCoordinates(QStringView text, double *latitude, double *longitude);

// The city a zone is named after, spelt as place names are: "America/New_York" gives
// "New York".
QString zoneCityName(QStringView zoneId);

// The system's zone (the TZ variable, else /etc/localtime) and its principal location from the
// system's tz database; not found for zones the tables do not list, such as UTC.
ZonePoint systemZonePoint(QString *zoneId);

} // namespace geo
