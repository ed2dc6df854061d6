#pragma once

#include <QMetaType>
#include <QObject>

namespace astro {

// Three numbers read two ways: an observer (longitude and latitude in degrees, altitude in
// metres) or a body position (ecliptic longitude and latitude in degrees, distance in AU).
struct Position
{
    Q_GADGET
    Q_PROPERTY(double x READ longitude CONSTANT)
    Q_PROPERTY(double y READ latitude CONSTANT)
    Q_PROPERTY(double z READ altitude CONSTANT)
    Q_PROPERTY(double longitude READ longitude CONSTANT)
    Q_PROPERTY(double latitude READ latitude CONSTANT)
    Q_PROPERTY(double altitude READ altitude CONSTANT)

public:
    Position() = default;
    Position(double longitude, double latitude, double altitude)
        : m_longitude(longitude)
        , m_latitude(latitude)
        , m_altitude(altitude)
    {}

    double longitude() const { return m_longitude; }
    double latitude() const { return m_latitude; }
    double altitude() const { return m_altitude; }

    // Exact: an observer is the same only when all three numbers are.
    bool operator==(const Position &o) const
    {
        return m_longitude == o.m_longitude && m_latitude == o.m_latitude
               && m_altitude == o.m_altitude;
    }
    bool operator!=(const Position &o) const { return !(*this == o); }

    double m_longitude = 0.0;
    double m_latitude = 0.0;
    double m_altitude = 0.0;
};

} // namespace astro

Q_DECLARE_METATYPE(astro::Position)
