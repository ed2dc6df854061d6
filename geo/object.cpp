#include "geo/object.h"

#include "geo/logging.h"
#include "geo/zonetable.h"
#include "global/object.h"

#include <QDebug>
#include <QMetaMethod>
#include <QQmlEngine>

#include <cmath>

namespace geo {

namespace {

const QString settingsGroup = QStringLiteral("location");
const QString countryKey = QStringLiteral("country");
const QString regionKey = QStringLiteral("region");
const QString nameKey = QStringLiteral("name");
const QString longitudeKey = QStringLiteral("longitude");
const QString latitudeKey = QStringLiteral("latitude");
const QString placeTimeZoneKey = QStringLiteral("placeTimeZone");
const QString zoneKey = QStringLiteral("zone");
// Coordinates this close are the same point: the store writes them with their shortest digits.
constexpr double SamePointDegrees = 1e-6;

QString storedText(const QString &key)
{
    return global::Object::instance()->readSetting(settingsGroup, key).toString();
}

// A key that is there but holds no text: a damaged value reads as nothing at all.
bool unreadableText(const QString &key)
{
    global::Object *settings = global::Object::instance();
    const QVariant value = settings->readSetting(settingsGroup, key);
    return !value.canConvert<QString>()
           && settings->settings()->contains(settingsGroup + QLatin1Char('/') + key);
}

} // namespace

Object::Object(QObject *parent)
    : Object(global::Object::resourcePath() + QStringLiteral("geo/"), parent)
{}

Object::Object(const QString &placeFolder, QObject *parent)
    : QObject(parent)
    , m_loader(QThread::create([this, placeFolder] { m_places.load(placeFolder); }))
{
    // Behind the window's first frame, which the two cores of a small machine are busy with;
    // whoever has to wait for the tables lifts it (places()).
    m_loader->start(QThread::IdlePriority);
    if (restoreStoredPlace()) {
        connect(m_loader.get(), &QThread::finished, this, &Object::checkStoredPlace);
    } else {
        places();
        restoreLocation();
        m_checked = true;
    }
}

Object::~Object()
{
    m_loader->wait();
    // Searches not yet started return at once; the running ones finish their walk.
    m_tasks.close();
}

void Object::waitForPlaces()
{
    places();
    if (!m_checked)
        checkStoredPlace();
}

const Places &Object::places() const
{
    if (!m_loader->isFinished()) {
        m_loader->setPriority(QThread::NormalPriority);
        m_loader->wait();
    }
    return m_places;
}

bool Object::restoreStoredPlace()
{
    const QString name = storedName();
    if (name.isEmpty() || unreadableText(nameKey))
        return false;
    double longitude = storedLongitude();
    double latitude = storedLatitude();
    normalizeCoordinates(longitude, latitude);
    const QString zone = storedText(zoneKey);
    m_location = name == Location::customName() ? Location::custom(longitude, latitude, zone)
                                                : Location(name, storedRegion(), storedCountry(),
                                                           longitude, latitude, 0, zone);
    return true;
}

void Object::checkStoredPlace()
{
    if (m_checked)
        return;
    m_checked = true;
    const Location before = m_location;
    const QString zone = timeZone();
    restoreLocation();
    if (m_location.name() != before.name() || m_location.region() != before.region()
        || m_location.country() != before.country() || m_location.longitude() != before.longitude()
        || m_location.latitude() != before.latitude() || m_location.zone() != before.zone())
        emit locationChanged(m_location);
    if (timeZone() != zone)
        emit timeZoneChanged(timeZone());
}

void Object::restoreLocation()
{
    const QString name = storedName();
    const QString region = storedRegion();
    const QString country = storedCountry();
    // A damaged name would read as a first start and lose the place around it: the listed
    // city at the stored coordinates in the stored region comes back, else the coordinates as a
    // custom place, and only the damaged keys are written again.
    if (unreadableText(nameKey)) {
        qCDebug(lcGeo).noquote() << QStringLiteral(
            "stored name cannot be read, keeping the stored coordinates");
        double longitude = storedLongitude();
        double latitude = storedLatitude();
        normalizeCoordinates(longitude, latitude);
        const Location near = places().nearest(longitude, latitude);
        const bool same = near.country() == country && near.region() == region
                          && std::fabs(near.longitude() - longitude) < SamePointDegrees
                          && std::fabs(near.latitude() - latitude) < SamePointDegrees;
        m_location
            = same ? near
                   : Location::custom(longitude, latitude, places().zoneNear(longitude, latitude));
        global::Object::instance()->writeSetting(settingsGroup, nameKey, m_location.name());
        global::Object::instance()->writeSetting(settingsGroup, zoneKey, m_location.zone());
        return;
    }
    // A listed city comes back as the file has it, so corrected coordinates reach old settings.
    const Location known = places().find(name, region, country);
    if (!known.country().isEmpty()) {
        m_location = known;
        return;
    }
    // No place was ever chosen (only a first start leaves the name empty): rather than the
    // sea off Africa, the city of the system's time zone. A custom place, or a city the files
    // no longer list, takes its zone from the cities near.
    if (name.isEmpty()) {
        m_location = placeOfSystemZone();
    } else {
        double longitude = storedLongitude();
        double latitude = storedLatitude();
        normalizeCoordinates(longitude, latitude); // both finite: stored texts read as 0
        const QString zone = places().zoneNear(longitude, latitude);
        m_location = name == Location::customName()
                         ? Location::custom(longitude, latitude, zone)
                         : Location(name, region, country, longitude, latitude, 0, zone);
    }
    saveChangedKeys();
}

Location Object::placeOfSystemZone() const
{
    QString zone;
    const ZonePoint point = systemZonePoint(&zone);
    const Location place
        = point.found ? places().placeForZone(point.longitude, point.latitude, zoneCityName(zone))
                      : Location();
    if (place.name().isEmpty()) {
        qCDebug(lcGeo).noquote() << QStringLiteral("no known city for time zone \"%1\"").arg(zone);
        return Location();
    }
    qCDebug(lcGeo) << "first place, from time zone" << zone << ":" << place;
    return place;
}

void Object::saveLocation()
{
    global::Object *settings = global::Object::instance();
    settings->writeSetting(settingsGroup, countryKey, m_location.country());
    settings->writeSetting(settingsGroup, regionKey, m_location.region());
    settings->writeSetting(settingsGroup, nameKey, m_location.name());
    settings->writeSetting(settingsGroup, longitudeKey, m_location.longitude());
    settings->writeSetting(settingsGroup, latitudeKey, m_location.latitude());
    settings->writeSetting(settingsGroup, zoneKey, m_location.zone());
}

void Object::saveChangedKeys()
{
    global::Object *settings = global::Object::instance();
    const std::pair<const QString &, QVariant> keys[]
        = {{countryKey, m_location.country()},   {regionKey, m_location.region()},
           {nameKey, m_location.name()},         {longitudeKey, m_location.longitude()},
           {latitudeKey, m_location.latitude()}, {zoneKey, m_location.zone()}};
    // In the store's own text form, in which a double reads back as its shortest digits.
    for (const auto &[key, value] : keys) {
        const QVariant stored = settings->readSetting(settingsGroup, key);
        if (!stored.canConvert<QString>() || stored.toString() != value.toString())
            settings->writeSetting(settingsGroup, key, value);
    }
}

Location Object::location() const
{
    return m_location;
}

void Object::setLocation(const Location &newLocation)
{
    if (newLocation.country().compare(m_location.country(), Qt::CaseInsensitive) == 0
        && newLocation.region().compare(m_location.region(), Qt::CaseInsensitive) == 0
        && newLocation.name().compare(m_location.name(), Qt::CaseInsensitive) == 0)
        return;
    if (!places().contains(newLocation.name(), newLocation.region(), newLocation.country()))
        return;
    if (!std::isfinite(newLocation.longitude()) || !std::isfinite(newLocation.latitude())) {
        qCDebug(lcGeo) << "ignored a place without finite coordinates:" << newLocation;
        return;
    }
    changeLocation(newLocation);
}

void Object::changeLocation(const Location &location)
{
    const QString zone = timeZone();
    m_location = location;
    saveLocation();
    emit locationChanged(m_location);
    if (timeZone() != zone)
        emit timeZoneChanged(timeZone());
}

bool Object::placeTimeZone() const
{
    return global::Object::instance()->readSetting(settingsGroup, placeTimeZoneKey, false).toBool();
}

void Object::setPlaceTimeZone(bool place)
{
    if (place == placeTimeZone())
        return;
    const QString zone = timeZone();
    global::Object::instance()->writeSetting(settingsGroup, placeTimeZoneKey, place);
    emit placeTimeZoneChanged(place);
    if (timeZone() != zone)
        emit timeZoneChanged(timeZone());
}

QString Object::timeZone() const
{
    return placeTimeZone() ? m_location.zone() : QString();
}

QString Object::storedCountry() const
{
    return storedText(countryKey);
}

QString Object::storedRegion() const
{
    return storedText(regionKey);
}

QString Object::storedName() const
{
    return storedText(nameKey);
}

double Object::storedLongitude() const
{
    return storedCoordinate(longitudeKey);
}

double Object::storedLatitude() const
{
    return storedCoordinate(latitudeKey);
}

double Object::storedCoordinate(const QString &key) const
{
    const QVariant value = global::Object::instance()->readSetting(settingsGroup, key, 0.0);
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (ok && std::isfinite(number))
        return number;
    qCDebug(lcGeo).noquote()
        << QStringLiteral("stored %1 \"%2\" is not a number, using 0").arg(key, value.toString());
    return 0.0;
}

void Object::setLocationIndex(int index)
{
    Location chosen = m_location;
    {
        QMutexLocker locker(&m_mutex);
        if (index >= 0 && index < m_results.size())
            chosen = m_results.at(index);
    }
    setLocation(chosen);
}

void Object::clearLocation()
{
    setCustomLocation(0.0, 0.0);
}

void Object::setLongitude(double value)
{
    setCustomLocation(value, m_location.latitude());
}

void Object::setLatitude(double value)
{
    setCustomLocation(m_location.longitude(), value);
}

void Object::setCustomLocation(double longitude, double latitude)
{
    // NaN or infinity (a field that held no number) would reach the moon calculation as an
    // observer no search can converge for; a latitude past a pole or a longitude round the
    // globe is brought onto it, so the place shown is the place computed.
    if (!normalizeCoordinates(longitude, latitude))
        return;
    // Typed coordinates have no city: the nearest city's zone, if one is near, stands in.
    changeLocation(Location::custom(longitude, latitude, places().zoneNear(longitude, latitude)));
}

void Object::search(const QString &searchString)
{
    // The place is copied here, on the thread that changes it, so the search reads a
    // consistent one.
    const Location current = m_location;
    m_tasks.run([this, searchString, current] { doSearch(searchString, current); });
}

void Object::doSearch(const QString &query, const Location &current)
{
    QMutexLocker locker(&m_mutex);
    m_results = places().search(query, current);
    // Nobody would take the list, so nobody would free it.
    static const QMetaMethod completed = QMetaMethod::fromSignal(&Object::searchCompleted);
    if (!isSignalConnected(completed))
        return;
    auto *list = new LocationList(m_results);
    // The engine frees it once no script holds it. It must live in a thread with an event
    // loop: the engine's deferred delete would never run in a pool thread.
    QQmlEngine::setObjectOwnership(list, QQmlEngine::JavaScriptOwnership);
    list->moveToThread(thread());
    emit searchCompleted(list);
}

void Object::searchCoords(double longitude, double latitude, double pixelLongitude,
                          double pixelLatitude)
{
    m_tasks.run([=] { doSearchCoords(longitude, latitude, pixelLongitude, pixelLatitude); });
}

Location Object::placeAt(double longitude, double latitude, double pixelLongitude,
                         double pixelLatitude) const
{
    // The tables are only read after loading: no lock needed.
    return places().pick(longitude, latitude, pixelLongitude, pixelLatitude);
}

void Object::doSearchCoords(double longitude, double latitude, double pixelLongitude,
                            double pixelLatitude)
{
    QMutexLocker locker(&m_mutex);
    emit searchCoordsCompleted(places().pick(longitude, latitude, pixelLongitude, pixelLatitude));
}

} // namespace geo
