// Fuzz target for the place files: the first two bytes say where the input is cut into the
// country, region and city files, which are then loaded and queried. Replayed over corpus/ by
// tst_corpus_places; see tests/fuzz.sh. Aborts where the tables break a rule that holds for any
// input.

#include "geo/places.h"

#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdlib>

static void require(bool condition)
{
    if (!condition)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    // Millions of runs would otherwise print their count lines.
    static const bool quiet
        = (QLoggingCategory::setFilterRules(QStringLiteral("vendarion.*.debug=false")), true);
    Q_UNUSED(quiet);
    if (size < 2 || size > 1 << 16)
        return 0;
    const size_t cuts[] = {2, 2 + (size - 2) * std::min(data[0], data[1]) / 255,
                           2 + (size - 2) * std::max(data[0], data[1]) / 255, size};
    const char *names[] = {"countries.txt", "regions.txt", "cities.txt"};
    for (int i = 0; i < 3; ++i) {
        QFile file(dir.filePath(QLatin1String(names[i])));
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char *>(data + cuts[i]), qint64(cuts[i + 1] - cuts[i]));
    }
    geo::Places places;
    places.load(dir.path() + QLatin1Char('/'));

    const QVector<geo::Location> &cities = places.cities();
    for (int i = 0; i < cities.size(); ++i) {
        const geo::Location &city = cities.at(i);
        require(!city.country().isEmpty() && city.population() >= 0);
        require(std::isfinite(city.longitude()) && std::isfinite(city.latitude()));
        require(i == 0 || cities.at(i - 1).name() <= city.name());
        if (i >= 8)
            continue;
        require(places.contains(city.name(), city.region(), city.country()));
        // At distance 0 from itself, the nearest place is one at the same point.
        require(places.nearest(city.longitude(), city.latitude()).latitude() == city.latitude());
        places.pick(city.longitude(), city.latitude(), 0.1, 0.1);
        places.placeForZone(city.longitude(), city.latitude(), city.name());
        const QString query = geo::foldedName(city.name().left(2));
        const QVector<geo::Location> found = places.search(city.name().left(2), geo::Location());
        require(!found.isEmpty() && found.size() <= geo::Places::searchLimit);
        for (const geo::Location &place : found)
            require(geo::foldedName(place.name()).contains(query));
    }
    return 0;
}
