#include "geo/places.h"
#include "global/object.h"
#include "locationtext.h"
#include "logcapture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using geo::Location;
using geo::Places;

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");

// Bytes of a literal that may hold NUL characters.
template<int size>
QByteArray bytes(const char (&text)[size])
{
    return QByteArray(text, size - 1);
}

// The three place files in a fresh folder; a null content leaves that file out.
class PlaceFiles
{
public:
    PlaceFiles(const QByteArray &countries, const QByteArray &regions, const QByteArray &cities)
    {
        write(QStringLiteral("countries.txt"), countries);
        write(QStringLiteral("regions.txt"), regions);
        write(QStringLiteral("cities.txt"), cities);
    }

    QString folder() const { return m_dir.path() + QLatin1Char('/'); }

    Places load(QStringList *log = nullptr) const
    {
        LogCapture capture;
        Places places;
        places.load(folder());
        if (log)
            *log = capture.lines();
        return places;
    }

private:
    void write(const QString &name, const QByteArray &content)
    {
        if (content.isNull())
            return;
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir m_dir;
};

// The tests run under the C locale: files with names beyond ASCII carry a byte-order mark.
const QByteArray countries("France,FR\nSwitzerland,CH\nUnited States,US\n");
const QByteArray regions("\xEF\xBB\xBF"
                         "FR,Île-de-France,11\nFR,Auvergne,84\nUS,Texas,TX\nUS,Tennessee,TN\n"
                         "CH,Zurich,ZH\nDE,Bavaria,02\n");

QString describe(const Location &place)
{
    return place.name() + QLatin1Char('/') + place.region() + QLatin1Char('/') + place.country();
}

QStringList describe(const QVector<Location> &places)
{
    QStringList texts;
    for (const Location &place : places)
        texts << describe(place);
    return texts;
}

} // namespace

class TestPlaces : public QObject
{
    Q_OBJECT

private slots:
    void countryLines_data();
    void countryLines();
    void regionLines_data();
    void regionLines();
    void cityLines_data();
    void cityLines();
    void encodings_data();
    void encodings();
    void sortOrder();
    void lookUpIgnoresCaseAndKeepsFileOrder();
    void missingOrDamagedFiles_data();
    void missingOrDamagedFiles();
    void search_data();
    void search();
    void searchStopsAtThirty_data();
    void searchStopsAtThirty();
    void nearest_data();
    void nearest();
    void shippedFiles();
};

void TestPlaces::countryLines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");

    QTest::newRow("name, comma, code") << QByteArray("France,FR\n") << "fr"
                                       << "France" << 1;
    QTest::newRow("quoted name with a comma") << QByteArray("\"Moldova, Republic of\",MD\n") << "md"
                                              << "Moldova, Republic of" << 1;
    QTest::newRow("blank after the comma: one-letter code") << QByteArray("France, FR\n") << "f"
                                                            << "France" << 1;
    QTest::newRow("no comma: first two characters") << QByteArray("Xanadu\n") << "xa"
                                                    << "Xanadu" << 1;
    QTest::newRow("characters after the code ignored") << QByteArray("France,FRA\n") << "fr"
                                                       << "France" << 1;
    QTest::newRow("later line wins, counted once") << QByteArray("Old,FR\nNew,fr\n") << "fr"
                                                   << "New" << 1;
    QTest::newRow("stray quote removed") << QByteArray("Fra\"nce,FR\n") << "fr"
                                         << "France" << 1;
    QTest::newRow("CR LF line ends") << QByteArray("France,FR\r\nSpain,ES\r\n") << "es"
                                     << "Spain" << 2;
    QTest::newRow("NUL byte kept in the name")
        << bytes("Fr\0ance,FR\n") << "fr" << QString::fromUtf8("Fr\0ance", 7) << 1;
    QTest::newRow("empty name skipped") << QByteArray(",FR\n") << "fr" << QString() << 0;
    QTest::newRow("empty code skipped") << QByteArray("France,\n") << "" << QString() << 0;
    QTest::newRow("empty file") << QByteArray("") << "fr" << QString() << 0;
    QTest::newRow("last line without line end") << QByteArray("France,FR\nSpain,E") << "e"
                                                << "Spain" << 2;
}

void TestPlaces::countryLines()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(int, count);

    QStringList log;
    const Places places = PlaceFiles(file, QByteArray(), QByteArray()).load(&log);
    QCOMPARE(places.countryName(code), name);
    QCOMPARE(places.countryCount(), count);
    QVERIFY2(log.contains(QStringLiteral("parsed %1 countries").arg(count)),
             qPrintable(log.join('|')));
}

void TestPlaces::regionLines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("counted");

    QTest::newRow("country, name, code") << QByteArray("FR,Île-de-France,11\n") << "fr"
                                         << "11"
                                         << "Île-de-France" << 1;
    QTest::newRow("two fields skipped") << QByteArray("FR,Paris\n") << "fr"
                                        << "paris" << QString() << 0;
    QTest::newRow("fields after the third ignored") << QByteArray("FR,Normandy,28,x,y\n") << "fr"
                                                    << "28"
                                                    << "Normandy" << 1;
    QTest::newRow("repeated pair replaces and counts again")
        << QByteArray("FR,Old,11\nFR,New,11\n") << "fr"
        << "11"
        << "New" << 2;
    QTest::newRow("codes normalised, name kept as written")
        << QByteArray(" Fr , Upper  Rhine ,  A   B \n") << "fr"
        << "a b"
        << " Upper  Rhine " << 1;
    QTest::newRow("quotes removed") << QByteArray("\"US\",\"Texas\",\"TX\"\n") << "us"
                                    << "tx"
                                    << "Texas" << 1;
    QTest::newRow("empty name skipped") << QByteArray("FR,,11\n") << "fr"
                                        << "11" << QString() << 0;
    QTest::newRow("country need not be known") << QByteArray("ZZ,Nowhere,01\n") << "zz"
                                               << "01"
                                               << "Nowhere" << 1;
}

void TestPlaces::regionLines()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, country);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(int, counted);

    QStringList log;
    const Places places = PlaceFiles(countries, file, QByteArray()).load(&log);
    QCOMPARE(places.regionName(country, code), name);
    QVERIFY2(log.contains(QStringLiteral("parsed %1 regions").arg(counted)),
             qPrintable(log.join('|')));
}

void TestPlaces::cityLines_data()
{
    QTest::addColumn<QByteArray>("line");
    // A null name: the line is skipped.
    QTest::addColumn<Location>("city");

    const QString france = QStringLiteral("France");
    QTest::newRow("four fields") << QByteArray("FR,Paris,48.85,2.35")
                                 << Location("Paris", QString(), france, 2.35, 48.85);
    QTest::newRow("five fields") << QByteArray("FR,Paris,11,48.85341,2.3488")
                                 << Location("Paris", QString::fromUtf8("Île-de-France"), france,
                                             2.3488, 48.85341);
    QTest::newRow("unknown region accepted without one")
        << QByteArray("FR,Lyon,69,45.75,4.85") << Location("Lyon", QString(), france, 4.85, 45.75);
    QTest::newRow("unknown country skipped despite a known region")
        << QByteArray("DE,Munich,02,48.1,11.6") << Location();
    QTest::newRow("three fields skipped") << QByteArray("FR,Paris,48.85") << Location();
    QTest::newRow("six fields skipped") << QByteArray("FR,Paris,11,x,48.85,2.35") << Location();
    QTest::newRow("empty line skipped") << QByteArray("") << Location();
    QTest::newRow("quoted fields skipped")
        << QByteArray("\"FR\",\"Paris\",\"48.85\",\"2.35\"") << Location();
    QTest::newRow("name kept with blanks and capitals")
        << QByteArray("FR,  PARIS Nord,48.85,2.35")
        << Location("  PARIS Nord", QString(), france, 2.35, 48.85);
    QTest::newRow("empty name accepted")
        << QByteArray("FR,,1,2") << Location("", QString(), france, 2, 1);
    QTest::newRow("country code normalised")
        << QByteArray(" fr ,Paris,48.85,2.35") << Location("Paris", QString(), france, 2.35, 48.85);
    QTest::newRow("letters for latitude read as 0")
        << QByteArray("FR,Nowhere,north,2.35") << Location("Nowhere", QString(), france, 2.35, 0);
    QTest::newRow("NaN and infinity read as 0")
        << QByteArray("FR,Nowhere,nan,inf") << Location("Nowhere", QString(), france, 0, 0);
    QTest::newRow("overflow read as 0")
        << QByteArray("FR,Nowhere,1e999,-1e999") << Location("Nowhere", QString(), france, 0, 0);
    QTest::newRow("decimal comma read as 0")
        << QByteArray("FR,Nowhere,48;85,2 35") << Location("Nowhere", QString(), france, 0, 0);
    QTest::newRow("sign and blanks around a number")
        << QByteArray("FR,Here, +48.5 ,-2.25") << Location("Here", QString(), france, -2.25, 48.5);
    QTest::newRow("double sign read as 0")
        << QByteArray("FR,Here,+-1,--2") << Location("Here", QString(), france, 0, 0);
    QTest::newRow("exponent") << QByteArray("FR,Here,4.5e1,-1E-1")
                              << Location("Here", QString(), france, -0.1, 45);
    QTest::newRow("absurd coordinates kept")
        << QByteArray("FR,Far,1000,-720") << Location("Far", QString(), france, -720, 1000);
    QTest::newRow("NUL byte in the name")
        << bytes("FR,Pa\0ris,48.85,2.35")
        << Location(QString::fromUtf8("Pa\0ris", 6), QString(), france, 2.35, 48.85);
}

void TestPlaces::cityLines()
{
    QFETCH(QByteArray, line);
    QFETCH(Location, city);

    QStringList log;
    const Places places = PlaceFiles(countries, regions, utf8Bom + line + '\n').load(&log);
    const bool accepted = !city.country().isEmpty();
    QCOMPARE(places.cityCount(), accepted ? 1 : 0);
    QVERIFY2(log.contains(QStringLiteral("parsed %1 cities").arg(accepted ? 1 : 0)),
             qPrintable(log.join('|')));
    if (accepted) {
        QCOMPARE(places.cities().first(), city);
        // The index key is the name lower-cased and nothing else.
        QVERIFY(places.contains(city.name().toLower(), city.region(), city.country()));
    }
}

void TestPlaces::encodings_data()
{
    QTest::addColumn<QByteArray>("countryFile");
    QTest::addColumn<QByteArray>("cityFile");

    const QString switzerland = QStringLiteral("Schweiz/Suisse/Svizzera/Svizra");
    const QString zurich = QStringLiteral("Z\u00FCrich");
    const QString countryLine = switzerland + QStringLiteral(",CH\n");
    const QString cityLine = QStringLiteral("CH,") + zurich + QStringLiteral(",47.36667,8.55\n");

    QTest::newRow("UTF-8 with a byte-order mark")
        << utf8Bom + countryLine.toUtf8() << utf8Bom + cityLine.toUtf8();
    QTest::newRow("UTF-8 with a byte-order mark, CR LF")
        << utf8Bom + countryLine.toUtf8() << utf8Bom + cityLine.toUtf8().replace("\n", "\r\n");
    const auto utf16 = [](const QString &text, bool littleEndian) {
        QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
        for (const QChar unit : text) {
            const char high = char(unit.unicode() >> 8);
            const char low = char(unit.unicode() & 0xff);
            bytes.append(littleEndian ? low : high).append(littleEndian ? high : low);
        }
        return bytes;
    };
    QTest::newRow("UTF-16 little-endian with a mark")
        << utf16(countryLine, true) << utf16(cityLine, true);
    QTest::newRow("UTF-16 big-endian with a mark")
        << utf16(countryLine, false) << utf16(cityLine, false);
}

// Run under LANG=C: without the mark these bytes would not decode to the same text.
void TestPlaces::encodings()
{
    QFETCH(QByteArray, countryFile);
    QFETCH(QByteArray, cityFile);

    const Places places = PlaceFiles(countryFile, QByteArray(), cityFile).load();
    QCOMPARE(places.cityCount(), 1);
    QCOMPARE(places.cities().first().name(), QStringLiteral("Z\u00FCrich"));
    QCOMPARE(places.cities().first().country(), QStringLiteral("Schweiz/Suisse/Svizzera/Svizra"));
    QCOMPARE(places.cities().first().latitude(), 47.36667);
    QVERIFY(places.contains(QStringLiteral("Z\u00DCRICH"), QString(),
                            QStringLiteral("schweiz/suisse/svizzera/svizra")));
}

void TestPlaces::sortOrder()
{
    // Capitals before small letters, a text before the longer ones it begins, then region,
    // then country; all compared code unit by code unit.
    const Places places
        = PlaceFiles(countries, regions,
                     utf8Bom
                         + "FR,b,1,1\nFR,a,1,1\nFR,Ab,1,1\nUS,A,TX,1,1\nFR,A,1,1\n"
                           "FR,A,84,1,1\nCH,A,1,1\nUS,A,TN,1,1\nFR,\xC3\x89vry,1,1\n")
              .load();
    QCOMPARE(describe(places.cities()),
             QStringList({"A//France", "A//Switzerland", "A/Auvergne/France",
                          "A/Tennessee/United States", "A/Texas/United States", "Ab//France",
                          "a//France", "b//France", QString::fromUtf8("\xC3\x89vry//France")}));
}

void TestPlaces::lookUpIgnoresCaseAndKeepsFileOrder()
{
    const Places places = PlaceFiles(countries, regions,
                                     "US,Springfield,TX,30,-97\nUS,Springfield,TN,36,-86\n"
                                     "US,SPRINGFIELD,TX,31,-98\nUS,Springfield,TX,32,-99\n")
                              .load();
    // Every namesake in the region matches; the last one in the file is the one found.
    const Location found = places.find(QStringLiteral("springfield"), QStringLiteral("texas"),
                                       QStringLiteral("UNITED STATES"));
    QCOMPARE(found, Location("Springfield", "Texas", "United States", -99, 32));
    QVERIFY(places.contains("Springfield", "Tennessee", "United States"));
    QVERIFY(!places.contains("Springfield", "", "United States"));
    QVERIFY(!places.contains("Springfield", "Texas", "France"));
    QVERIFY(!places.contains("Springfiel", "Texas", "United States"));
    QCOMPARE(places.find("Nowhere", "", ""), Location());
}

void TestPlaces::missingOrDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("countryFile");
    QTest::addColumn<QByteArray>("regionFile");
    QTest::addColumn<QByteArray>("cityFile");
    QTest::addColumn<QStringList>("expectedLog");
    QTest::addColumn<int>("cityCount");

    QByteArray garbage;
    for (int i = 0; i < 20000; ++i)
        garbage.append(char((i * 7919 + (i >> 3)) & 0xff));

    QTest::newRow("all missing: nothing logged")
        << QByteArray() << QByteArray() << QByteArray() << QStringList() << 0;
    QTest::newRow("no country file: no city accepted")
        << QByteArray() << regions << QByteArray("FR,Paris,48.85,2.35\n")
        << QStringList({"parsed 6 regions", "parsed 0 cities"}) << 0;
    QTest::newRow("empty country file: no city accepted")
        << QByteArray("") << regions << QByteArray("FR,Paris,48.85,2.35\n")
        << QStringList({"parsed 0 countries", "parsed 6 regions", "parsed 0 cities"}) << 0;
    QTest::newRow("no region file: regions empty")
        << countries << QByteArray() << QByteArray("FR,Paris,11,48.85,2.35\n")
        << QStringList({"parsed 3 countries", "parsed 1 cities"}) << 1;
    QTest::newRow("binary garbage everywhere")
        << garbage << garbage << garbage
        << QStringList({"parsed 0 countries", "parsed 0 regions", "parsed 0 cities"}) << -1;
    QTest::newRow("truncated in the middle of a line")
        << countries << regions << QByteArray("FR,Paris,11,48.85,2.35\nFR,Ly")
        << QStringList({"parsed 3 countries", "parsed 6 regions", "parsed 1 cities"}) << 1;
    QTest::newRow("lone carriage returns and NUL lines")
        << countries << regions << bytes("FR,A,1,2\r\rFR,B,3,4\n\0\0\0\nFR,C,5,6\n")
        << QStringList({"parsed 3 countries", "parsed 6 regions", "parsed 1 cities"}) << 1;
}

void TestPlaces::missingOrDamagedFiles()
{
    QFETCH(QByteArray, countryFile);
    QFETCH(QByteArray, regionFile);
    QFETCH(QByteArray, cityFile);
    QFETCH(QStringList, expectedLog);
    QFETCH(int, cityCount);

    QStringList log;
    const Places places = PlaceFiles(countryFile, regionFile, cityFile).load(&log);
    const QStringList parsedLines = log.filter(QRegularExpression("^parsed \\d+ \\w+$"));
    if (expectedLog.isEmpty())
        QCOMPARE(log, QStringList());
    if (cityCount < 0) {
        // Garbage may happen to hold a readable line; only the three lines must be there.
        QCOMPARE(parsedLines.size(), 3);
    } else {
        QCOMPARE(parsedLines, expectedLog);
        QCOMPARE(places.cityCount(), cityCount);
    }
    for (const Location &city : places.cities())
        QVERIFY(std::isfinite(city.longitude()) && std::isfinite(city.latitude()));
    // The searches still answer.
    QCOMPARE(places.search(QString(), Location("Custom city", "", "", 1, 2)).first().name(),
             QStringLiteral("Custom city"));
    if (places.cityCount() == 0)
        QCOMPARE(places.nearest(2.35, 48.85), Location("", "", "", 360, 360));
}

void TestPlaces::search_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<Location>("current");
    QTest::addColumn<QStringList>("expected");

    const Location nowhere;
    const Location parisFrance("Paris", QString::fromUtf8("Île-de-France"), "France", 2.35, 48.85);
    QTest::newRow("all namesakes in search order")
        << "paris" << nowhere
        << QStringList({"Paris/Auvergne/France", "Paris/Tennessee/United States",
                        "Paris/Texas/United States",
                        QString::fromUtf8("Paris/Île-de-France/France"),
                        "Parisot/Auvergne/France"});
    QTest::newRow("current place first and once; its namesake in the country left out")
        << "paris" << parisFrance
        << QStringList({QString::fromUtf8("Paris/Île-de-France/France"),
                        "Paris/Tennessee/United States", "Paris/Texas/United States",
                        "Parisot/Auvergne/France"});
    QTest::newRow("named current place listed even when it does not match")
        << "lyon" << Location("Custom city", "", "", 5, 5)
        << QStringList({"Custom city//", "Lyon/Auvergne/France"});
    QTest::newRow("current place differing in case still left out below")
        << "par" << Location("PARIS", "elsewhere", "FRANCE", 0, 0)
        << QStringList({"PARIS/elsewhere/FRANCE", "Paris/Tennessee/United States",
                        "Paris/Texas/United States", "Parisot/Auvergne/France"});
    QTest::newRow("substring anywhere in the name")
        << "ot" << nowhere << QStringList({"Parisot/Auvergne/France"});
    QTest::newRow("non-ASCII") << QString::fromUtf8("zür") << nowhere
                               << QStringList({QString::fromUtf8("Zürich/Zurich/Switzerland")});
    QTest::newRow("blanks are not trimmed") << " paris" << nowhere << QStringList();
    QTest::newRow("no match, unnamed current place") << "xyz" << nowhere << QStringList();
}

void TestPlaces::search()
{
    QFETCH(QString, query);
    QFETCH(Location, current);
    QFETCH(QStringList, expected);

    const Places places = PlaceFiles(countries, regions,
                                     utf8Bom
                                         + "FR,Paris,11,48.85,2.35\nFR,Paris,84,45,3\n"
                                           "US,Paris,TX,33.66,-95.56\nUS,Paris,TN,36.3,-88.33\n"
                                           "CH,Zürich,ZH,47.37,8.55\nFR,Lyon,84,45.75,4.85\n"
                                           "FR,Parisot,84,44,2\n")
                              .load();
    QCOMPARE(describe(places.search(query, current)), expected);
}

void TestPlaces::searchStopsAtThirty_data()
{
    QTest::addColumn<int>("cities");
    QTest::addColumn<Location>("current");
    QTest::addColumn<QStringList>("expected");

    const auto names = [](int from, int to) {
        QStringList list;
        for (int i = from; i < to; ++i)
            list << QStringLiteral("City %1//France").arg(i, 2, 10, QLatin1Char('0'));
        return list;
    };
    QTest::newRow("unnamed current place: the first thirty") << 40 << Location() << names(0, 30);
    QTest::newRow("named current place and the first twenty-nine")
        << 40 << Location("City 05", "", "France", 0, 0)
        << QStringList({"City 05//France"}) + names(0, 5) + names(6, 30);
    QTest::newRow("fewer cities than the limit") << 12 << Location() << names(0, 12);
}

void TestPlaces::searchStopsAtThirty()
{
    QFETCH(int, cities);
    QFETCH(Location, current);
    QFETCH(QStringList, expected);

    QByteArray file;
    for (int i = cities - 1; i >= 0; --i)
        file += QStringLiteral("FR,City %1,1,1\n").arg(i, 2, 10, QLatin1Char('0')).toUtf8();
    const Places places = PlaceFiles(countries, regions, file).load();
    // An empty query matches everything.
    QCOMPARE(describe(places.search(QString(), current)), expected);
}

void TestPlaces::nearest_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<QString>("expected");

    QTest::newRow("exactly at a city") << 2.35 << 48.85 << "Paris";
    QTest::newRow("nearer of two") << 4.0 << 46.0 << "Lyon";
    // Square is 15 away by the sum, 15 in a straight line; Origin 20 and 14.1.
    QTest::newRow("sum of differences, not the straight line") << 10.0 << 10.0 << "Square";
    QTest::newRow("distance exactly 30 accepted") << 20.0 << -10.0 << "Origin";
    QTest::newRow("beyond 30: nothing") << 20.0 << -10.5 << "";
    QTest::newRow("tie: first in search order") << -100.0 << 0.0 << "Alpha";
    QTest::newRow("no wrap-around at 180 degrees") << -179.0 << 50.0 << "";
    QTest::newRow("NaN longitude") << qQNaN() << 48.85 << "";
    QTest::newRow("NaN latitude") << 2.35 << qQNaN() << "";
    QTest::newRow("infinite") << qInf() << 0.0 << "";
}

void TestPlaces::nearest()
{
    QFETCH(double, longitude);
    QFETCH(double, latitude);
    QFETCH(QString, expected);

    const Places places
        = PlaceFiles(countries, regions,
                     "FR,Paris,48.85,2.35\nFR,Lyon,45.75,4.85\nFR,Origin,0,0\n"
                     "FR,Beta,0,-110\nFR,Alpha,0,-90\nFR,East,50,179\nFR,Square,25,10\n")
              .load();
    const Location found = places.nearest(longitude, latitude);
    QCOMPARE(found.name(), expected);
    if (expected.isEmpty()) {
        QCOMPARE(found.longitude(), 360.0);
        QCOMPARE(found.latitude(), 360.0);
    }
}

void TestPlaces::shippedFiles()
{
    QStringList log;
    Places places;
    {
        LogCapture capture;
        places.load(global::Object::resourcePath() + QStringLiteral("geo/"));
        log = capture.lines();
    }
    QCOMPARE(log,
             QStringList({"parsed 246 countries", "parsed 3865 regions", "parsed 171075 cities"}));
    QCOMPARE(places.countryCount(), 246);
    QCOMPARE(places.cityCount(), 171075);
    QCOMPARE(places.countryName("ax"), QString::fromUtf8("Åland Islands"));
    QCOMPARE(places.countryName("md"), QStringLiteral("Moldova, Republic of"));

    const Location zurich = places.find(QString::fromUtf8("zürich"), "zurich", "switzerland");
    QCOMPARE(zurich,
             Location(QString::fromUtf8("Zürich"), "Zurich", "Switzerland", 8.55, 47.36667));
    QVERIFY(describe(places.search(QString::fromUtf8("zür"), Location()))
                .contains(QString::fromUtf8("Zürich/Zurich/Switzerland")));
    QCOMPARE(places.find("Paris", QString::fromUtf8("Île-de-France"), "France").latitude(),
             48.85341);
    QCOMPARE(places.find("Tokyo", "Tokyo", "Japan").country(), QStringLiteral("Japan"));
    QCOMPARE(places.find("Boston", "Massachusetts", "United States of America").latitude(),
             42.35843);

    const Location nearParis = places.nearest(2.35, 48.85);
    QVERIFY2(nearParis.name().startsWith(QLatin1String("Paris")), qPrintable(nearParis.name()));
    QCOMPARE(nearParis.country(), QStringLiteral("France"));
    // No city name holds the comma the files are split at.
    for (const Location &city : places.cities())
        QVERIFY(!city.name().contains(QLatin1Char(',')));
}

QTEST_GUILESS_MAIN(TestPlaces)
#include "tst_places.moc"
