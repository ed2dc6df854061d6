#include "geo/places.h"

#include "geo/logging.h"
#include "global/regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringMatcher>
#include <QTextStream>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <vector>

namespace geo {

namespace {

// Reads the file line by line, each without its line end. No encoding is set on the stream:
// the locale's encoding is used unless the file starts with a byte-order mark, which is why the
// shipped files carry one.
template<typename Handle>
bool forEachLine(const QString &fileName, Handle handle)
{
    QFile file(fileName);
    if (!global::openRegularFile(file, QIODevice::ReadOnly | QIODevice::Text)) {
        // An empty list of places is otherwise a puzzle to whoever meets it.
        qCDebug(lcGeo).noquote() << QStringLiteral("cannot read %1: %2, its places stay empty")
                                        .arg(fileName, QFileInfo::exists(fileName)
                                                           ? QStringLiteral("not readable")
                                                           : QStringLiteral("no such file"));
        return false;
    }
    QTextStream stream(&file);
    QString line;
    while (stream.readLineInto(&line))
        handle(line);
    return true;
}

// Splits at every comma, keeping empty fields, into at most max fields. Returns the number of
// fields, or max + 1 when the line has more, so callers can reject it without splitting it all.
int splitFields(QStringView line, QStringView *fields, int max)
{
    const QChar *fieldStart = line.data();
    const QChar *end = fieldStart + line.size();
    int count = 0;
    for (const QChar *p = fieldStart;; ++p) {
        if (p == end || *p == QLatin1Char(',')) {
            if (count == max)
                return max + 1;
            fields[count++] = QStringView(fieldStart, p - fieldStart);
            if (p == end)
                return count;
            fieldStart = p + 1;
        }
    }
}

// The first eight UTF-16 code units of a text, the first in the highest bits, padded with
// zeros. Comparing two keys orders two texts as comparing the texts would, unless the keys are
// equal, and most place names differ within eight units.
struct SortKey
{
    quint64 high = 0;
    quint64 low = 0;
    int position = 0;

    SortKey(const QString &text, int at)
        : position(at)
    {
        const int length = qMin(text.size(), 8);
        for (int i = 0; i < 8; ++i) {
            const quint64 unit = i < length ? text.at(i).unicode() : 0u;
            (i < 4 ? high : low) = ((i < 4 ? high : low) << 16) | unit;
        }
    }
    // -1, 0 or 1 as the eight first units compare.
    int compare(const SortKey &other) const
    {
        if (high != other.high)
            return high < other.high ? -1 : 1;
        if (low != other.low)
            return low < other.low ? -1 : 1;
        return 0;
    }
};

void logSkipped(const QString &fileName, int skipped)
{
    if (skipped > 0)
        qCDebug(lcGeo).noquote()
            << QStringLiteral("%1: skipped %2 unreadable lines").arg(fileName).arg(skipped);
}

} // namespace

QString foldedName(const QString &text)
{
    // Most names are plain ASCII: lower-cased and done, which keeps loading the table quick.
    const bool ascii
        = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        return text.toLower();
    // Letters with no decomposition that people type as plain ones: ß æ œ ø ł đ and dotless ı.
    static const struct
    {
        char16_t letter;
        const char *plain;
    } spellings[] = {{u'\u00df', "ss"}, {u'\u00e6', "ae"}, {u'\u0153', "oe"}, {u'\u00f8', "o"},
                     {u'\u0142', "l"},  {u'\u0111', "d"},  {u'\u0131', "i"}};
    QString result;
    result.reserve(text.size());
    for (QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        c = c.toCaseFolded();
        const auto *spelling = std::find_if(std::begin(spellings), std::end(spellings),
                                            [c](const auto &s) { return s.letter == c.unicode(); });
        if (spelling != std::end(spellings))
            result += QLatin1String(spelling->plain);
        else
            result += c;
    }
    return result;
}

double longitudeDifference(double to, double from)
{
    const double east = to - from;
    if (east > 180.0)
        return east - 360.0;
    if (east < -180.0)
        return east + 360.0;
    return east;
}

QString Places::normalizedCode(QStringView code)
{
    return code.toString().toLower().simplified();
}

double Places::parseCoordinate(QStringView text, bool *ok)
{
    *ok = false;
    text = text.trimmed();
    // from_chars takes a minus but no plus sign; "+-1" is no number.
    if (text.startsWith(QLatin1Char('+'))) {
        text = text.mid(1);
        if (text.startsWith(QLatin1Char('-')))
            return 0.0;
    }
    // Longer than any sensible coordinate, and keeps the conversion on the stack.
    char buffer[64];
    if (text.isEmpty() || text.size() > qsizetype(sizeof buffer))
        return 0.0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const ushort unit = text.at(i).unicode();
        if (unit > 0x7f)
            return 0.0;
        buffer[i] = char(unit);
    }
    double value = 0.0;
    const char *end = buffer + text.size();
    const auto [stop, error] = std::from_chars(buffer, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return 0.0;
    *ok = true;
    return value;
}

void Places::load(const QString &folder)
{
    loadCountries(folder + QStringLiteral("countries.txt"));
    loadRegions(folder + QStringLiteral("regions.txt"));
    loadCities(folder + QStringLiteral("cities.txt"));
}

bool Places::loadCountries(const QString &fileName)
{
    QMap<QString, QString> countries;
    int skipped = 0;
    const bool opened = forEachLine(fileName, [&](QString &line) {
        // A name may hold commas and then comes quoted; the code follows the last comma.
        line.remove(QLatin1Char('"'));
        const int comma = line.lastIndexOf(QLatin1Char(','));
        const QStringView rest = comma < 0 ? QStringView(line) : QStringView(line).mid(comma + 1);
        const QString name = comma < 0 ? line : line.left(comma);
        const QString code = normalizedCode(rest.left(2));
        if (code.isEmpty() || name.isEmpty()) {
            ++skipped;
            return;
        }
        countries.insert(code, name);
    });
    if (!opened)
        return false;
    m_countries = countries;
    logSkipped(fileName, skipped);
    qCDebug(lcGeo).noquote() << QStringLiteral("parsed %1 countries").arg(m_countries.size());
    return true;
}

bool Places::loadRegions(const QString &fileName)
{
    QMap<QString, QMap<QString, QString>> regions;
    int counted = 0;
    int skipped = 0;
    const bool opened = forEachLine(fileName, [&](QString &line) {
        line.remove(QLatin1Char('"'));
        QStringView fields[3];
        if (splitFields(line, fields, 3) < 3) {
            ++skipped;
            return;
        }
        const QString country = normalizedCode(fields[0]);
        const QString name = fields[1].toString();
        const QString code = normalizedCode(fields[2]);
        if (country.isEmpty() || name.isEmpty() || code.isEmpty()) {
            ++skipped;
            return;
        }
        regions[country].insert(code, name);
        ++counted;
    });
    if (!opened)
        return false;
    m_regions = regions;
    logSkipped(fileName, skipped);
    qCDebug(lcGeo).noquote() << QStringLiteral("parsed %1 regions").arg(counted);
    return true;
}

bool Places::loadCities(const QString &fileName)
{
    // Parsed in file order; sorted below by moving positions, not records.
    QVector<Location> cities;
    QVector<QString> keys;
    // About 55 bytes a line in the shipped file; a guess too high only costs memory briefly.
    const qint64 expected = qBound<qint64>(0, QFileInfo(fileName).size() / 48, 1 << 22);
    cities.reserve(int(expected));
    keys.reserve(int(expected));
    int skipped = 0;
    int badCoordinates = 0;
    int outOfRange = 0;

    // The file comes grouped by country and mostly by region, so the last look-up is kept
    // rather than normalising and finding the same codes on every line.
    QString countryField;
    bool countryCached = false;
    const QString *country = nullptr;
    const QMap<QString, QString> *countryRegions = nullptr;
    QString regionField;
    bool regionCached = false;
    QString region;
    // A few hundred zones for all cities: each text is kept once and shared.
    QSet<QString> zones;
    QString zone;

    const bool opened = forEachLine(fileName, [&](const QString &line) {
        // Four fields: country, name, latitude, longitude. Five: a region code after the name.
        // Seven: the five, then the population and the time zone.
        QStringView fields[7];
        const int count = splitFields(line, fields, 7);
        if (count != 4 && count != 5 && count != 7) {
            ++skipped;
            return;
        }
        if (!countryCached || fields[0] != QStringView(countryField)) {
            countryField = fields[0].toString();
            countryCached = true;
            regionCached = false;
            const QString code = normalizedCode(fields[0]);
            const auto found = m_countries.constFind(code);
            country = found == m_countries.constEnd() ? nullptr : &found.value();
            const auto regions = m_regions.constFind(code);
            countryRegions = regions == m_regions.constEnd() ? nullptr : &regions.value();
        }
        if (!country) {
            ++skipped;
            return;
        }
        const bool hasRegion = count >= 5;
        if (hasRegion && (!regionCached || fields[2] != QStringView(regionField))) {
            regionField = fields[2].toString();
            regionCached = true;
            region = countryRegions ? countryRegions->value(normalizedCode(fields[2])) : QString();
        }
        const int at = hasRegion ? 3 : 2;
        bool latitudeOk = false;
        bool longitudeOk = false;
        const double latitude = parseCoordinate(fields[at], &latitudeOk);
        const double longitude = parseCoordinate(fields[at + 1], &longitudeOk);
        if (!latitudeOk || !longitudeOk) {
            // The older lines read such a number as 0; a seven-field line is taken as damaged
            // (lone carriage returns can join two old lines into seven fields).
            if (count == 7) {
                ++skipped;
                return;
            }
            ++badCoordinates;
        }
        // A place off the globe would be shown and then refused by the engine.
        if (std::abs(latitude) > 90.0 || std::abs(longitude) > 180.0) {
            ++outOfRange;
            return;
        }
        int population = 0;
        if (count == 7) {
            population = qMax(0, fields[5].trimmed().toInt());
            const QStringView zoneField = fields[6].trimmed();
            if (zoneField != QStringView(zone))
                zone = *zones.insert(zoneField.toString());
        }
        const QString name = fields[1].toString();
        keys.append(foldedName(name));
        cities.append(Location(name, hasRegion ? region : QString(), *country, longitude, latitude,
                               population, count == 7 ? zone : QString()));
    });
    if (!opened)
        return false;

    const int size = cities.size();
    // Search order: name, region, country, each compared code unit by code unit. Most names
    // differ in their first eight units, so those are compared as two integers first.
    std::vector<SortKey> order;
    order.reserve(size_t(size));
    for (int i = 0; i < size; ++i)
        order.emplace_back(cities.at(i).name(), i);
    std::sort(order.begin(), order.end(), [&cities](const SortKey &a, const SortKey &b) {
        if (const int c = a.compare(b))
            return c < 0;
        const Location &x = cities.at(a.position);
        const Location &y = cities.at(b.position);
        if (const int c = x.name().compare(y.name()))
            return c < 0;
        if (const int c = x.region().compare(y.region()))
            return c < 0;
        return x.country() < y.country();
    });
    // The index keeps file order among namesakes: a restore takes the last one of a region.
    std::vector<SortKey> byName;
    byName.reserve(size_t(size));
    for (int i = 0; i < size; ++i)
        byName.emplace_back(keys.at(i), i);
    std::sort(byName.begin(), byName.end(), [&keys](const SortKey &a, const SortKey &b) {
        if (const int c = a.compare(b))
            return c < 0;
        const int c = keys.at(a.position).compare(keys.at(b.position));
        return c < 0 || (c == 0 && a.position < b.position);
    });

    std::vector<int> sortedPosition(size_t(size), 0);
    m_cities.clear();
    m_cityKeys.clear();
    m_cities.reserve(size);
    m_cityKeys.reserve(size);
    for (int i = 0; i < size; ++i) {
        const int from = order[size_t(i)].position;
        sortedPosition[size_t(from)] = i;
        m_cities.append(std::move(cities[from]));
        m_cityKeys.append(std::move(keys[from]));
    }
    m_index.clear();
    m_index.reserve(size);
    for (const SortKey &entry : byName)
        m_index.append(sortedPosition[size_t(entry.position)]);

    logSkipped(fileName, skipped);
    if (outOfRange > 0)
        qCDebug(lcGeo).noquote() << QStringLiteral("%1: skipped %2 lines with coordinates off the "
                                                   "globe (latitude -90 to 90, longitude -180 to "
                                                   "180)")
                                        .arg(fileName)
                                        .arg(outOfRange);
    if (badCoordinates > 0)
        qCDebug(lcGeo).noquote()
            << QStringLiteral("%1: %2 lines with coordinates that are not numbers, read as 0")
                   .arg(fileName)
                   .arg(badCoordinates);
    qCDebug(lcGeo).noquote() << QStringLiteral("parsed %1 cities").arg(m_cities.size());
    return true;
}

QString Places::regionName(const QString &countryCode, const QString &regionCode) const
{
    return m_regions.value(countryCode).value(regionCode);
}

Location Places::find(const QString &name, const QString &region, const QString &country) const
{
    const QString key = foldedName(name);
    // The index holds positions; their keys are what it is ordered by.
    auto it = std::lower_bound(
        m_index.cbegin(), m_index.cend(), key,
        [this](int position, const QString &wanted) { return m_cityKeys.at(position) < wanted; });
    const QString lowerRegion = region.toLower();
    const QString lowerCountry = country.toLower();
    Location found;
    for (; it != m_index.cend() && m_cityKeys.at(*it) == key; ++it) {
        const Location &city = m_cities.at(*it);
        // The key leaves accents aside; the name as stored keeps them.
        if (city.name().compare(name, Qt::CaseInsensitive) == 0
            && city.region().toLower() == lowerRegion && city.country().toLower() == lowerCountry)
            found = city;
    }
    return found;
}

bool Places::contains(const QString &name, const QString &region, const QString &country) const
{
    // Every city has a country, so a match never leaves the place empty.
    return !find(name, region, country).country().isEmpty();
}

QVector<Location> Places::search(const QString &query, const Location &current, int limit) const
{
    const QString lowerQuery = foldedName(query);
    // Prepared once for the whole walk rather than for every name.
    const QStringMatcher matcher(lowerQuery);
    const QString currentName = foldedName(current.name());
    QVector<Location> result;
    if (limit > 0 && !current.name().isEmpty()
        && (lowerQuery.isEmpty() || matcher.indexIn(currentName) >= 0))
        result.append(current);
    const QString currentCountry = current.country().toLower();

    // An exact name first, then names that begin with the text, then the rest; within each,
    // the larger place first, then search order. Every match is ranked, so the walk is whole.
    struct Match
    {
        int kind;
        int population;
        int position;
        bool operator<(const Match &other) const
        {
            if (kind != other.kind)
                return kind < other.kind;
            if (population != other.population)
                return population > other.population;
            return position < other.position;
        }
    };
    std::vector<Match> matches;
    for (int i = 0; i < m_cities.size(); ++i) {
        const QString &key = m_cityKeys.at(i);
        const int at = lowerQuery.isEmpty() ? 0 : matcher.indexIn(key);
        if (at < 0)
            continue;
        // The current place is already at the top; its namesakes in its country would only
        // look like the same entry twice.
        if (key == currentName && m_cities.at(i).country().toLower() == currentCountry)
            continue;
        const int kind = at > 0 ? 2 : key.size() == lowerQuery.size() ? 0 : 1;
        matches.push_back({kind, m_cities.at(i).population(), i});
    }
    const size_t wanted = size_t(qMax(0, limit - result.size()));
    const auto last = matches.begin() + qMin(matches.size(), wanted);
    std::partial_sort(matches.begin(), last, matches.end());
    for (auto it = matches.begin(); it != last; ++it)
        result.append(m_cities.at(it->position));
    return result;
}

Location Places::nearest(double longitude, double latitude) const
{
    constexpr double nowhere = 360.0;
    constexpr double reach = 30.0;
    // A NaN in either coordinate makes every distance NaN, and NaN never compares less.
    double bestDistance = std::abs(nowhere - longitude) + std::abs(nowhere - latitude);
    int best = -1;
    for (int i = 0; i < m_cities.size(); ++i) {
        const Location &city = m_cities.at(i);
        const double distance = std::abs(longitudeDifference(city.longitude(), longitude))
                                + std::abs(city.latitude() - latitude);
        if (distance <= reach && distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    if (best < 0)
        return Location(QString(), QString(), QString(), nowhere, nowhere);
    return m_cities.at(best);
}

Location Places::placeForZone(double longitude, double latitude, const QString &cityName) const
{
    constexpr double reach = 1.0;
    const QString wanted = foldedName(cityName);
    double bestDistance = reach;
    int best = -1;
    for (int i = 0; i < m_cities.size(); ++i) {
        const Location &city = m_cities.at(i);
        const double distance = std::abs(longitudeDifference(city.longitude(), longitude))
                                + std::abs(city.latitude() - latitude);
        if (distance <= bestDistance && (best < 0 || distance < bestDistance)
            && m_cityKeys.at(i) == wanted) {
            bestDistance = distance;
            best = i;
        }
    }
    return best < 0 ? nearest(longitude, latitude) : m_cities.at(best);
}

Location Places::pick(double longitude, double latitude, double pixelLongitude,
                      double pixelLatitude) const
{
    if (!(pixelLongitude > 0.0 && pixelLatitude > 0.0) || !std::isfinite(pixelLongitude)
        || !std::isfinite(pixelLatitude))
        return nearest(longitude, latitude);
    // A place's score is its distance from the click in pixels less half a pixel for every
    // factor of ten in population: a city draws clicks from a little farther than a village,
    // so a click on a capital's pixel chooses the capital and not a suburb on the same pixel,
    // while in open country the nearest town wins. Unknown populations count as the smallest.
    constexpr double pixelsPerDecade = 0.5;
    constexpr double smallestPopulation = 1000.0;
    constexpr double reach = 30.0;
    const double largestBonus = pixelsPerDecade * std::log10(double(INT_MAX));
    double bestScore = std::numeric_limits<double>::infinity();
    int best = -1;
    for (int i = 0; i < m_cities.size(); ++i) {
        const Location &city = m_cities.at(i);
        // The map repeats nothing, but a click beyond its edge at 180 degrees means the
        // places just across.
        const double east = longitudeDifference(city.longitude(), longitude);
        const double north = city.latitude() - latitude;
        if (!(std::abs(east) + std::abs(north) <= reach))
            continue;
        const double x = east / pixelLongitude;
        const double y = north / pixelLatitude;
        const double pixels = std::sqrt(x * x + y * y);
        if (pixels - largestBonus >= bestScore)
            continue;
        const double score
            = pixels
              - pixelsPerDecade * std::log10(qMax(smallestPopulation, double(city.population())));
        if (score < bestScore) {
            bestScore = score;
            best = i;
        }
    }
    if (best < 0)
        return nearest(longitude, latitude);
    return m_cities.at(best);
}

QString Places::zoneNear(double longitude, double latitude) const
{
    constexpr double reachKm = 300.0;
    constexpr double kmPerDegree = 111.2;
    const double east = std::cos(latitude * M_PI / 180.0);
    double best = reachKm * reachKm;
    QString zone;
    // Short distances: the plane of the point's latitude is close enough.
    for (const Location &city : m_cities) {
        const double dx = longitudeDifference(city.longitude(), longitude) * kmPerDegree * east;
        const double dy = (city.latitude() - latitude) * kmPerDegree;
        const double d = dx * dx + dy * dy;
        if (d < best && !city.zone().isEmpty()) {
            best = d;
            zone = city.zone();
        }
    }
    return zone;
}

} // namespace geo
