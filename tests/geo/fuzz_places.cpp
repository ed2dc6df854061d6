// Fuzz target for the place files: one input is cut into a country, a region and a city file
// (the first two bytes say where), which are loaded as the location service loads them. Built
// for libFuzzer with clang (VENDARION_FUZZ, see tests/fuzz.sh) and, with an ordinary compiler,
// replayed over corpus/ by tst_corpus_places. Besides the sanitizers' findings it aborts when the
// tables break a rule that holds for every input.

#include "geo/places.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool inSearchOrder(const geo::Location &a, const geo::Location &b)
{
    if (const int c = a.name().compare(b.name()))
        return c < 0;
    if (const int c = a.region().compare(b.region()))
        return c < 0;
    return a.country().compare(b.country()) <= 0;
}

const QString &folder()
{
    static QTemporaryDir dir;
    static const QString path = dir.path() + QLatin1Char('/');
    return path;
}

void write(const char *name, const uint8_t *data, size_t size)
{
    QFile file(folder() + QLatin1String(name));
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    require(file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Millions of runs would otherwise print their count lines.
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("vendarion.*.debug=false"));
        return true;
    }();
    Q_UNUSED(quiet);
    if (size < 2 || size > 1 << 16)
        return 0;
    size_t first = (size - 2) * data[0] / 255;
    size_t second = (size - 2) * data[1] / 255;
    if (first > second)
        std::swap(first, second);
    write("countries.txt", data + 2, first);
    write("regions.txt", data + 2 + first, second - first);
    write("cities.txt", data + 2 + second, size - 2 - second);

    geo::Places places;
    places.load(folder());
    const QVector<geo::Location> &cities = places.cities();
    require(cities.size() == places.cityCount());
    for (int i = 0; i < cities.size(); ++i) {
        const geo::Location &city = cities.at(i);
        require(!city.country().isEmpty());
        require(std::isfinite(city.longitude()) && std::isfinite(city.latitude()));
        require(city.population() >= 0);
        require(i == 0 || inSearchOrder(cities.at(i - 1), city));
    }

    for (int i = 0; i < std::min(8, cities.size()); ++i) {
        const geo::Location &city = cities.at(i);
        require(places.contains(city.name(), city.region(), city.country()));
        require(places.find(city.name(), city.region(), city.country()).name().toLower()
                == city.name().toLower());
        // The city itself lies at distance 0, so the nearest place is one at the same point.
        const geo::Location near = places.nearest(city.longitude(), city.latitude());
        require(near.longitude() == city.longitude() && near.latitude() == city.latitude());
        places.pick(city.longitude(), city.latitude(), 0.1, 0.1);
        places.placeForZone(city.longitude(), city.latitude(), city.name());

        const QString query = city.name().toLower().left(2);
        const QVector<geo::Location> found = places.search(query, geo::Location());
        require(found.size() <= geo::Places::searchLimit);
        require(!found.isEmpty());
        for (const geo::Location &place : found)
            require(place.name().toLower().contains(query));
    }
    require(places.search(QString(), geo::Location()).size() <= geo::Places::searchLimit);
    return 0;
}
