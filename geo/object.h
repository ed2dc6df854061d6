#pragma once

#include "geo/location.h"
#include "geo/locationlist.h"
#include "geo/places.h"
#include "global/taskgroup.h"

#include <QMutex>
#include <QObject>
#include <QThread>
#include <QVector>

#include <memory>

namespace geo {

// The location service, QML singleton "Geo": the observer's current place, kept in the
// settings, and the searches of the place tables by name and by nearness to a point.
class Object : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Location location READ location WRITE setLocation NOTIFY locationChanged)
    Q_PROPERTY(QString storedCountry READ storedCountry NOTIFY storedCountryChanged)
    Q_PROPERTY(QString storedRegion READ storedRegion NOTIFY storedRegionChanged)
    Q_PROPERTY(QString storedName READ storedName NOTIFY storedNameChanged)
    Q_PROPERTY(double storedLongitude READ storedLongitude NOTIFY storedLongitudeChanged)
    Q_PROPERTY(double storedLatitude READ storedLatitude NOTIFY storedLatitudeChanged)
    // The setting "times shown in": false for this computer's zone, true for the place's.
    Q_PROPERTY(
        bool placeTimeZone READ placeTimeZone WRITE setPlaceTimeZone NOTIFY placeTimeZoneChanged)
    // The zone times are shown in: the place's (a city's own, or for typed coordinates the
    // nearest city's) when chosen and known, otherwise empty for this computer's.
    Q_PROPERTY(QString timeZone READ timeZone NOTIFY timeZoneChanged)

public:
    // Restores the stored place and loads the place files from the resource folder, on a thread
    // of their own: the window need not wait for 135,000 cities to show the Moon of a place it
    // knows. The stored place is checked against the files once they are in (corrected
    // coordinates, its zone); a first start, or a stored name that cannot be read, waits for
    // them. Whatever needs the tables before then waits for them.
    explicit Object(QObject *parent = nullptr);
    // The same with the place files taken from placeFolder (ending in "/").
    explicit Object(const QString &placeFolder, QObject *parent = nullptr);
    // Waits for the loading and for the searches still running: they read the tables and emit
    // from this object.
    ~Object() override;

    // Blocks until the place files are loaded and the stored place checked against them
    // (tests, the command line).
    void waitForPlaces();

    Location location() const;
    void setLocation(const Location &newLocation);

    QString storedCountry() const;
    QString storedRegion() const;
    QString storedName() const;
    double storedLongitude() const;
    double storedLatitude() const;
    bool placeTimeZone() const;
    void setPlaceTimeZone(bool place);
    QString timeZone() const;

signals:
    void locationChanged(Location location);
    void storedCountryChanged(QString storedCountry);
    void storedRegionChanged(QString storedRegion);
    void storedNameChanged(QString storedName);
    void storedLongitudeChanged(double storedLongitude);
    void storedLatitudeChanged(double storedLatitude);
    void placeTimeZoneChanged(bool placeTimeZone);
    void timeZoneChanged(QString timeZone);
    // Emitted on a pool thread. The list lives in this object's thread and belongs to the QML
    // engine (or, for a C++ receiver, to the receiver).
    void searchCompleted(LocationList *locationList);
    // Emitted on a pool thread; an empty name means no known city is near.
    void searchCoordsCompleted(Location near);

public:
    Q_INVOKABLE void setLocationIndex(int index);
    Q_INVOKABLE void search(const QString &searchString);
    // A name as the search compares it (geo::foldedName), for the scene to match answers.
    Q_INVOKABLE QString foldedName(const QString &name) const { return geo::foldedName(name); }
    // With the size of one of the map's pixels in degrees, the answer is the place a click there
    // means (Places::pick); without, the nearest city.
    Q_INVOKABLE void searchCoords(double longitude, double latitude, double pixelLongitude = 0.0,
                                  double pixelLatitude = 0.0);
    // The same answer at once, for a click: a click means its own point, not the one the mouse
    // last hovered over (whose answer may still be on its way, and a tap has no hover at all).
    Q_INVOKABLE geo::Location placeAt(double longitude, double latitude, double pixelLongitude,
                                      double pixelLatitude) const;
    Q_INVOKABLE void clearLocation();
    Q_INVOKABLE void setLongitude(double value);
    Q_INVOKABLE void setLatitude(double value);

private:
    // The stored place as the settings hold it; false when the files are needed to restore it.
    bool restoreStoredPlace();
    // Once the files are in: the stored place as they know it.
    void checkStoredPlace();
    // The tables, once loaded (waits for the loading).
    const Places &places() const;
    void restoreLocation();
    // The known city of the system's time zone, or the unnamed place at 0, 0.
    Location placeOfSystemZone() const;
    void saveLocation();
    // Writes only the keys that do not hold the place already: what a restore leaves damaged
    // or missing, and nothing that is valid.
    void saveChangedKeys();
    // Sets the place, keeping timeZone's signal true to it.
    void changeLocation(const Location &location);
    void setCustomLocation(double longitude, double latitude);
    double storedCoordinate(const QString &key) const;
    void doSearch(const QString &query, const Location &current);
    void doSearchCoords(double longitude, double latitude, double pixelLongitude,
                        double pixelLatitude);

    Location m_location;
    Places m_places; // written by the loader only, read through places()
    std::unique_ptr<QThread> m_loader;
    bool m_checked = false;
    QVector<Location> m_results;
    // Serialises the searches and guards m_results.
    QMutex m_mutex;
    global::TaskGroup m_tasks;
};

} // namespace geo
