#include "geo/location.h"

#include "geo/logging.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

namespace geo {

Location::Location(const QString &name, const QString &region, const QString &country,
                   double longitude, double latitude, int population, const QString &zone)
    : m_longitude(longitude)
    , m_latitude(latitude)
    , m_name(name)
    , m_region(region)
    , m_country(country)
    , m_zone(zone)
    , m_population(population)
{}

Location Location::custom(double longitude, double latitude, const QString &zone)
{
    Location place(customName(), QString(), QString(), longitude, latitude, 0, zone);
    place.m_custom = true;
    return place;
}

QString Location::customName()
{
    return QStringLiteral("Custom city");
}

QVector3D Location::vector() const
{
    return QVector3D(float(m_longitude), float(m_latitude), 0.0f);
}

bool Location::operator==(const Location &other) const
{
    return m_longitude == other.m_longitude && m_latitude == other.m_latitude
           && m_name == other.m_name && m_region == other.m_region && m_country == other.m_country
           && m_population == other.m_population && m_zone == other.m_zone
           && m_custom == other.m_custom;
}

QDebug operator<<(QDebug debug, const Location &location)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Location(" << location.name() << ", " << location.region() << ", "
                    << location.country() << ", " << location.longitude() << ", "
                    << location.latitude();
    if (!location.zone().isEmpty() || location.population() > 0)
        debug << ", " << location.population() << ", " << location.zone();
    debug << ')';
    return debug;
}

bool normalizeCoordinates(double &longitude, double &latitude)
{
    if (!std::isfinite(longitude) || !std::isfinite(latitude)) {
        qCDebug(lcGeo) << "ignored coordinates that are not finite numbers:" << longitude
                       << latitude;
        return false;
    }
    double lon = longitude;
    if (lon < -180.0 || lon > 180.0)
        lon = std::fmod(std::fmod(lon + 180.0, 360.0) + 360.0, 360.0) - 180.0;
    const double lat = std::clamp(latitude, -90.0, 90.0);
    if (lon != longitude || lat != latitude) {
        qCDebug(lcGeo) << "coordinates" << longitude << latitude << "taken as" << lon << lat;
        longitude = lon;
        latitude = lat;
    }
    return true;
}

} // namespace geo
