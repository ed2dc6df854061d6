#pragma once

#include <QMetaType>
#include <QString>
#include <QVector3D>

class QDebug;

namespace geo {

// A place: a known city, a custom place typed as coordinates, or nothing (empty texts).
// Degrees, east and north positive.
class Location
{
    Q_GADGET
    Q_PROPERTY(double longitude READ longitude CONSTANT)
    Q_PROPERTY(double latitude READ latitude CONSTANT)
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString region READ region CONSTANT)
    Q_PROPERTY(QString country READ country CONSTANT)
    Q_PROPERTY(int population READ population CONSTANT)
    Q_PROPERTY(QString zone READ zone CONSTANT)
    Q_PROPERTY(QVector3D vector READ vector CONSTANT)
    // Typed coordinates rather than a city.
    Q_PROPERTY(bool custom READ isCustom CONSTANT)

public:
    Location() = default;
    Location(const QString &name, const QString &region, const QString &country, double longitude,
             double latitude, int population = 0, const QString &zone = QString());
    // Typed coordinates, with the zone of the cities near them if any. Its name is the key
    // the settings keep for such a place, which the window shows translated.
    static Location custom(double longitude, double latitude, const QString &zone = QString());
    // That name: a stored place so named is a custom one.
    static QString customName();

    double longitude() const { return m_longitude; }
    double latitude() const { return m_latitude; }
    const QString &name() const { return m_name; }
    const QString &region() const { return m_region; }
    const QString &country() const { return m_country; }
    // Inhabitants, 0 when not known.
    int population() const { return m_population; }
    // The IANA time zone at the place ("Europe/Paris"), empty when not known.
    const QString &zone() const { return m_zone; }
    // The observer as the moon calculation takes it: (longitude, latitude, 0) in single precision.
    QVector3D vector() const;
    bool isCustom() const { return m_custom; }

    bool operator==(const Location &other) const;
    bool operator!=(const Location &other) const { return !(*this == other); }

private:
    double m_longitude = 0.0;
    double m_latitude = 0.0;
    QString m_name;
    QString m_region;
    QString m_country;
    QString m_zone;
    int m_population = 0;
    bool m_custom = false;
};

QDebug operator<<(QDebug debug, const Location &location);

// The one rule for coordinates that enter the program (the setters, the settings file, the typed
// fields), so that the place shown is the place computed: the latitude limited to -90..90, the
// longitude wrapped into -180..180 (200 is -160), with a log line when they change. A value that
// is not a finite number names no place: false, and a log line.
bool normalizeCoordinates(double &longitude, double &latitude);

} // namespace geo

// Its members are all relocatable, so containers may move it with memcpy.
Q_DECLARE_TYPEINFO(geo::Location, Q_MOVABLE_TYPE);
Q_DECLARE_METATYPE(geo::Location)
