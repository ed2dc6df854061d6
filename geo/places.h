#pragma once

#include "geo/location.h"

#include <QMap>
#include <QString>
#include <QStringView>
#include <QVector>

namespace geo {

// A name as searches compare it: lower-cased, accents and other marks dropped, and the few
// letters without a decomposition spelt as people type them ("Zürich", "Łódź" and "São Paulo"
// become "zurich", "lodz" and "sao paulo").
QString foldedName(const QString &text);

// How far east of `from` the longitude `to` lies, the short way round: within -180..180 for
// longitudes within -180..180, so places either side of the 180th meridian are near.
double longitudeDifference(double to, double from);

// The place tables read from the three place files. Filled once by load() and only read
// afterwards, so any number of threads may query them at the same time.
class Places
{
public:
    // The most entries a search by name returns.
    static constexpr int searchLimit = 30;

    // Reads "countries.txt", "regions.txt" and "cities.txt" from folder (ending in "/"), in that
    // order: a city needs its country and region already known.
    void load(const QString &folder);
    // Each returns false, leaving its table as it was, when the file cannot be opened.
    bool loadCountries(const QString &fileName);
    bool loadRegions(const QString &fileName);
    bool loadCities(const QString &fileName);

    int countryCount() const { return m_countries.size(); }
    int cityCount() const { return m_cities.size(); }
    QString countryName(const QString &code) const { return m_countries.value(code); }
    QString regionName(const QString &countryCode, const QString &regionCode) const;
    // Every city in search order: by name, then region, then country.
    const QVector<Location> &cities() const { return m_cities; }

    // True when a city of that name lies in that region and country, ignoring letter case.
    bool contains(const QString &name, const QString &region, const QString &country) const;
    // The last city in file order matching as contains() does, or the empty place.
    Location find(const QString &name, const QString &region, const QString &country) const;

    // The named current place first if its name contains the query, then the cities whose
    // name contains it, both compared as foldedName() gives them, leaving out the current place's
    // namesakes in its country: exact names first, then names that begin with the text, then the
    // rest, each group by population, largest first; at most limit entries.
    QVector<Location> search(const QString &query, const Location &current,
                             int limit = searchLimit) const;
    // The first city in search order with the least sum of the absolute differences of
    // longitude (the short way round) and latitude, if that sum is at most 30 degrees; otherwise
    // the empty place at 360, 360.
    Location nearest(double longitude, double latitude) const;
    // The zone of the nearest city within 300 km that has one, or empty: typed coordinates
    // have no city of their own, and a zone from farther away is more likely wrong than not.
    QString zoneNear(double longitude, double latitude) const;
    // The city a time zone stands for: of the cities within a degree (as nearest() measures)
    // of the zone's principal location that bear the zone's city name, letter case and accents
    // aside, the nearest; without one, nearest(). The nearest city alone is often a district
    // or a suburb ("Paris 02 Bourse" for Europe/Paris).
    Location placeForZone(double longitude, double latitude, const QString &cityName) const;
    // The place a click at a point of a map means, for a map whose pixel spans pixelLongitude by
    // pixelLatitude degrees: the place within nearest()'s reach that is nearest in pixels once
    // each is drawn closer by half a pixel per factor of ten of its population. Without a
    // usable pixel size, or with no place in reach, the answer of nearest().
    Location pick(double longitude, double latitude, double pixelLongitude,
                  double pixelLatitude) const;

    // Codes are compared lower-cased with white space simplified.
    static QString normalizedCode(QStringView code);
    // A decimal number in the C locale; anything else, infinities and NaN included, is not.
    static double parseCoordinate(QStringView text, bool *ok);

private:
    QVector<Location> m_cities;
    // Folded names of m_cities, in the same order, so a search folds nothing but the query.
    QVector<QString> m_cityKeys;
    // The city name index: positions in m_cities ordered by folded name and, within one
    // name, by file order; looked up by binary search.
    QVector<int> m_index;
    QMap<QString, QString> m_countries;
    QMap<QString, QMap<QString, QString>> m_regions;
};

} // namespace geo
