#include "common/logcapture.h"
#include "geo/places.h"
#include "geo/zonetable.h"
#include "global/object.h"
#include "locationtext.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <sys/stat.h>

using geo::Location;
using geo::Places;

namespace {

// The tests run under the C locale: files with names beyond ASCII carry a byte-order mark.
const QByteArray byteOrderMark("\xEF\xBB\xBF");
const QByteArray countries("France,FR\nSwitzerland,CH\nUnited States,US\n");
const QByteArray regions(byteOrderMark
                         + "FR,Île-de-France,11\nFR,Auvergne,84\nUS,Texas,TX\n"
                           "US,Tennessee,TN\nCH,Zurich,ZH\nDE,Bavaria,02\n");

// Stands for a named pipe in place of a file.
const QByteArray namedPipe("\0pipe", 5);

// Loads the three files from a fresh folder; a null content leaves that file out.
Places load(const QByteArray &countryFile, const QByteArray &regionFile, const QByteArray &cityFile,
            QStringList *log = nullptr)
{
    QTemporaryDir dir;
    const QByteArray *contents[] = {&countryFile, &regionFile, &cityFile};
    const char *names[] = {"countries.txt", "regions.txt", "cities.txt"};
    for (int i = 0; i < 3; ++i) {
        QFile file(dir.filePath(names[i]));
        if (*contents[i] == namedPipe)
            ::mkfifo(QFile::encodeName(file.fileName()).constData(), 0600);
        else if (!contents[i]->isNull() && file.open(QIODevice::WriteOnly))
            file.write(*contents[i]);
    }
    LogCapture capture;
    Places places;
    places.load(dir.path() + QLatin1Char('/'));
    if (log)
        *log = capture.lines();
    return places;
}

const Places &shipped()
{
    static const Places places = [] {
        Places loaded;
        loaded.load(global::Object::resourcePath() + QStringLiteral("geo/"));
        return loaded;
    }();
    return places;
}

QStringList describe(const QVector<Location> &places)
{
    QStringList texts;
    for (const Location &place : places)
        texts << place.name() + '/' + place.region() + '/' + place.country();
    return texts;
}

} // namespace

class TestPlaces : public QObject
{
    Q_OBJECT

private slots:
    void codeTables_data()
    {
        QTest::addColumn<QByteArray>("countryFile");
        QTest::addColumn<QByteArray>("regionFile");
        QTest::addColumn<QString>("code"); // country, or country/region
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("parsed"); // countries or regions, as the log counts them

        const QByteArray none;
        QTest::newRow("quoted country name with a comma")
            << QByteArray("\"Moldova, Republic of\",MD\n") << none << "md"
            << "Moldova, Republic of" << 1;
        QTest::newRow("blank after the comma: one-letter code")
            << QByteArray("France, FR\n") << none << "f"
            << "France" << 1;
        QTest::newRow("no comma: first two characters") << QByteArray("Xanadu\n") << none << "xa"
                                                        << "Xanadu" << 1;
        QTest::newRow("later country wins, counted once")
            << QByteArray("Old,FR\r\nNew,fr\r\n") << none << "fr"
            << "New" << 1;
        QTest::newRow("empty country name skipped") << QByteArray(",FR\n") << none << "fr"
                                                    << "" << 0;
        QTest::newRow("region with two fields skipped")
            << none << QByteArray("FR,Paris\n") << "fr/paris"
            << "" << 0;
        QTest::newRow("region fields after the third ignored")
            << none << QByteArray("FR,Normandy,28,x\n") << "fr/28"
            << "Normandy" << 1;
        QTest::newRow("repeated region replaces and counts again")
            << none << QByteArray("FR,Old,11\nFR,New,11\n") << "fr/11"
            << "New" << 2;
        QTest::newRow("region codes normalised, name kept, quotes gone")
            << none << QByteArray("\" Fr \",\" Upper  Rhine \",  A   B \n") << "fr/a b"
            << " Upper  Rhine " << 1;
    }

    void codeTables()
    {
        QFETCH(QByteArray, countryFile);
        QFETCH(QByteArray, regionFile);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(int, parsed);

        QStringList log;
        const Places places = load(countryFile, regionFile, QByteArray(), &log);
        const QStringList codes = code.split('/');
        QCOMPARE(codes.size() == 1 ? places.countryName(code)
                                   : places.regionName(codes[0], codes[1]),
                 name);
        const QString logLine = QStringLiteral("parsed %1 %2")
                                    .arg(parsed)
                                    .arg(countryFile.isNull() ? QStringLiteral("regions")
                                                              : QStringLiteral("countries"));
        QVERIFY2(log.contains(logLine), qPrintable(log.join('|')));
    }

    void cityLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<Location>("city"); // empty: the line is skipped

        const QString fr = QStringLiteral("France");
        QTest::newRow("four fields")
            << QByteArray("FR,Paris,48.85,2.35") << Location("Paris", "", fr, 2.35, 48.85);
        QTest::newRow("five fields") << QByteArray("FR,Paris,11,48.85,2.35")
                                     << Location("Paris", "Île-de-France", fr, 2.35, 48.85);
        QTest::newRow("unknown region: accepted without")
            << QByteArray("FR,Lyon,69,45.75,4.85") << Location("Lyon", "", fr, 4.85, 45.75);
        QTest::newRow("unknown country: skipped despite a known region")
            << QByteArray("DE,Munich,02,48.1,11.6") << Location();
        QTest::newRow("seven fields: population and zone")
            << QByteArray("FR,Paris,11,48.85,2.35,2138551,Europe/Paris")
            << Location("Paris", "Île-de-France", fr, 2.35, 48.85, 2138551, "Europe/Paris");
        QTest::newRow("seven fields, no region, population not a number")
            << QByteArray("FR,Paris,,48.85,2.35,many, Europe/Paris ")
            << Location("Paris", "", fr, 2.35, 48.85, 0, "Europe/Paris");
        QTest::newRow("six fields skipped") << QByteArray("FR,Paris,11,x,48.85,2.35") << Location();
        QTest::newRow("quoted fields skipped")
            << QByteArray("\"FR\",\"Paris\",\"1\",\"2\"") << Location();
        QTest::newRow("blanks and capitals kept in the name")
            << QByteArray(" fr ,  PARIS Nord,1,2") << Location("  PARIS Nord", "", fr, 2, 1);
        QTest::newRow("letters: 0")
            << QByteArray("FR,X,north,2.35") << Location("X", "", fr, 2.35, 0);
        QTest::newRow("NaN, overflow: 0")
            << QByteArray("FR,X,nan,-1e999") << Location("X", "", fr, 0, 0);
        QTest::newRow("sign, blanks, exponent")
            << QByteArray("FR,X, +4.5e1 ,-0.25") << Location("X", "", fr, -0.25, 45);
        QTest::newRow("the globe's edges kept")
            << QByteArray("FR,X,-90,180") << Location("X", "", fr, 180, -90);
        QTest::newRow("latitude off the globe skipped")
            << QByteArray("FR,Zzlat999,11,999,13.4,100,Europe/Paris") << Location();
    }

    void cityLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(Location, city);

        QStringList log;
        const Places places = load(countries, regions, byteOrderMark + line + '\n', &log);
        const int count = city.country().isEmpty() ? 0 : 1;
        QCOMPARE(places.cityCount(), count);
        QCOMPARE(log.last(), QStringLiteral("parsed %1 cities").arg(count));
        if (count) {
            QCOMPARE(places.cities().first(), city);
            // The index key is the name lower-cased and nothing else.
            QVERIFY(places.contains(city.name().toLower(), city.region(), city.country()));
        }
    }

    void byteOrderMarks_data()
    {
        QTest::addColumn<QByteArray>("codec");
        QTest::addColumn<bool>("mark");
        QTest::addColumn<QString>("name");

        QTest::newRow("UTF-8 with a mark") << QByteArray("UTF-8") << true << "Zürich";
        QTest::newRow("UTF-16LE with a mark") << QByteArray("UTF-16LE") << true << "Zürich";
        QTest::newRow("UTF-8 without: the locale's encoding")
            << QByteArray("UTF-8") << false << QString::fromLatin1("Z\xC3\xBCrich");
    }

    // Qt reads the C locale of this test as UTF-8, so a Latin-1 locale (a Windows code page, say)
    // stands in to show what the mark is for.
    void byteOrderMarks()
    {
        QFETCH(QByteArray, codec);
        QFETCH(bool, mark);
        QFETCH(QString, name);

        const auto encode = [&](const QString &text) {
            QTextCodec::ConverterState state(mark ? QTextCodec::DefaultConversion
                                                  : QTextCodec::IgnoreHeader);
            return QTextCodec::codecForName(codec)->fromUnicode(text.constData(), text.size(),
                                                                &state);
        };
        QTextCodec *const locale = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        const Places places
            = load(encode("Switzerland,CH\n"), QByteArray(), encode("CH,Zürich,47.36667,8.55\r\n"));
        QTextCodec::setCodecForLocale(locale);
        QCOMPARE(places.cities().value(0), Location(name, "", "Switzerland", 8.55, 47.36667));
    }

    void sortOrderAndLookUp()
    {
        // Search order: capitals before small letters, a text before the longer ones it begins,
        // then region, then country; code unit by code unit.
        const Places places = load(countries, regions,
                                   byteOrderMark
                                       + "FR,b,1,1\nFR,Ab,1,1\nUS,A,TX,1,1\nFR,A,1,1\nFR,A,84,1,1\n"
                                         "CH,A,1,1\nFR,Évry,1,1\nUS,Springfield,TX,30,-97\n"
                                         "US,SPRINGFIELD,TX,31,-98\nUS,Springfield,TN,36,-86\n");
        QCOMPARE(
            describe(places.cities()),
            QStringList({"A//France", "A//Switzerland", "A/Auvergne/France",
                         "A/Texas/United States", "Ab//France", "SPRINGFIELD/Texas/United States",
                         "Springfield/Tennessee/United States", "Springfield/Texas/United States",
                         "b//France", "Évry//France"}));
        // The look-up ignores case, and of namesakes in one region the last in the file wins.
        QCOMPARE(places.find("springfield", "TEXAS", "united states"),
                 Location("SPRINGFIELD", "Texas", "United States", -98, 31));
        QVERIFY(!places.contains("Springfield", "", "United States"));
        QVERIFY(!places.contains("Springfiel", "Texas", "United States"));
    }

    void missingOrDamagedFiles_data()
    {
        QTest::addColumn<QByteArray>("countryFile");
        QTest::addColumn<QByteArray>("cityFile");
        QTest::addColumn<QStringList>("log"); // null: whatever garbage yields, with both counts

        QByteArray garbage;
        for (int i = 0; i < 20000; ++i)
            garbage.append(char((i * 7919 + (i >> 3)) & 0xff));
        const QByteArray paris("FR,Paris,48.85,2.35\n");

        QTest::newRow("all missing: each said once")
            << QByteArray() << QByteArray()
            << QStringList({"missing countries.txt", "missing regions.txt", "missing cities.txt"});
        QTest::newRow("empty country file: no city")
            << QByteArray("") << paris
            << QStringList(
                   {"parsed 0 countries", "missing regions.txt", "skipped 1", "parsed 0 cities"});
        QTest::newRow("truncated line, NUL bytes, lone carriage returns")
            << countries << QByteArray("FR,A,1,2\r\rFR,B,3,4\n\0\0\n", 22) + paris + "FR,Ly"
            << QStringList(
                   {"parsed 3 countries", "missing regions.txt", "skipped 3", "parsed 1 cities"});
        QTest::newRow("a named pipe is not waited for")
            << countries << namedPipe
            << QStringList({"parsed 3 countries", "missing regions.txt", "refusing cities.txt",
                            "unreadable cities.txt"});
        QTest::newRow("coordinates off the globe: one line for all")
            << countries << QByteArray("FR,A,91,0\nFR,B,0,-180.5\n") + paris
            << QStringList({"parsed 3 countries", "missing regions.txt", "off the globe 2",
                            "parsed 1 cities"});
        QTest::newRow("binary garbage") << garbage << garbage << QStringList(QString());
    }

    void missingOrDamagedFiles()
    {
        QFETCH(QByteArray, countryFile);
        QFETCH(QByteArray, cityFile);
        QFETCH(QStringList, log);

        QStringList written;
        const Places places = load(countryFile, QByteArray(), cityFile, &written);
        // The skipped-lines line names a temporary path: compare its count only.
        written.replaceInStrings(QRegularExpression("^.*: skipped (\\d+) unreadable lines$"),
                                 "skipped \\1");
        written.replaceInStrings(QRegularExpression("^cannot read .*/(\\w+.txt): no such file.*$"),
                                 "missing \\1");
        written.replaceInStrings(QRegularExpression("^cannot read .*/(\\w+.txt): not readable.*$"),
                                 "unreadable \\1");
        written.replaceInStrings(QRegularExpression("^refusing to read .*/(\\w+.txt): .*$"),
                                 "refusing \\1");
        written.replaceInStrings(
            QRegularExpression("^.*: skipped (\\d+) lines with coordinates off the globe .*$"),
            "off the globe \\1");
        if (log == QStringList(QString()))
            QCOMPARE(written.filter(QRegularExpression("^parsed \\d+ (countries|cities)$")).size(),
                     2);
        else
            QCOMPARE(written, log);
        for (const Location &city : places.cities())
            QVERIFY(qIsFinite(city.longitude()) && qIsFinite(city.latitude()));
        if (places.cityCount() == 0)
            QCOMPARE(places.nearest(2.35, 48.85), Location("", "", "", 360, 360));
    }

    void search_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<Location>("current");
        QTest::addColumn<QStringList>("expected");

        // Exact names before prefixes before the rest, whatever their size; larger places first,
        // then search order for places of unknown size.
        const Location parisFrance("Paris", "Île-de-France", "France", 2.35, 48.85);
        QTest::newRow("exact, then prefix, then inside the name")
            << "paris" << Location()
            << QStringList({"Paris/Île-de-France/France", "Paris/Texas/United States",
                            "Paris/Auvergne/France", "Paris/Tennessee/United States",
                            "Parisot/Auvergne/France", "Comparis/Auvergne/France"});
        QTest::newRow("current place first and once; its namesake in its country left out")
            << "paris" << parisFrance
            << QStringList({"Paris/Île-de-France/France", "Paris/Texas/United States",
                            "Paris/Tennessee/United States", "Parisot/Auvergne/France",
                            "Comparis/Auvergne/France"});
        QTest::newRow("current place left out when it does not match")
            << "ot" << Location::custom(5, 5) << QStringList({"Parisot/Auvergne/France"});
        QTest::newRow("non-ASCII")
            << "zür" << Location() << QStringList({"Zürich/Zurich/Switzerland"});
        QTest::newRow("blanks are not trimmed") << " paris" << Location() << QStringList();
    }

    void search()
    {
        QFETCH(QString, query);
        QFETCH(Location, current);
        QFETCH(QStringList, expected);

        const Places places
            = load(countries, regions,
                   byteOrderMark
                       + "FR,Paris,11,48.85,2.35,2138551,Europe/Paris\nFR,Paris,84,45,3\n"
                         "US,Paris,TX,33.66,-95.56,24782,America/Chicago\nUS,Paris,TN,36.3,-88.33\n"
                         "CH,Zürich,ZH,47.37,8.55\nFR,Parisot,84,44,2,9000000,Europe/Paris\n"
                         "FR,Comparis,84,44,2,9500000,Europe/Paris\n");
        QCOMPARE(describe(places.search(query, current)), expected);
    }

    void nearest_data()
    {
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<QString>("expected");

        QTest::newRow("exactly at a city") << 2.35 << 48.85 << "Paris";
        // Square is 15 away by the sum and 15 in a straight line; Origin 20 and 14.1.
        QTest::newRow("sum of differences, not the straight line") << 10.0 << 10.0 << "Square";
        QTest::newRow("distance exactly 30 accepted") << 20.0 << -10.0 << "Origin";
        QTest::newRow("beyond 30: nothing") << 20.0 << -10.5 << "";
        QTest::newRow("tie: first in search order") << -100.0 << 0.0 << "Alpha";
        // The sum counts the longitude the short way round, across the 180th meridian.
        QTest::newRow("across 180 degrees, from the west") << -179.0 << 50.0 << "East";
        QTest::newRow("across 180 degrees, from the east") << 179.9 << -16.0 << "Dateline";
        QTest::newRow("NaN") << qQNaN() << 48.85 << "";
    }

    void nearest()
    {
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        QFETCH(QString, expected);

        const Places places = load(countries, regions,
                                   "FR,Paris,48.85,2.35\nFR,Origin,0,0\nFR,Beta,0,-110\n"
                                   "FR,Alpha,0,-90\nFR,East,50,179\nFR,Square,25,10\n"
                                   "FR,Dateline,-16,-179.9\n");
        const Location found = places.nearest(longitude, latitude);
        QCOMPARE(found.name(), expected);
        if (expected.isEmpty())
            QCOMPARE(found.vector(), QVector3D(360, 360, 0));
    }

    void zoneTable_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("city");  // empty: no such zone in the table
        QTest::addColumn<QPointF>("point"); // longitude, latitude

        QTest::newRow("the zone's city before a nearer district")
            << "Europe/Paris"
            << "Paris" << QPointF(2 + 20 / 60.0, 48 + 52 / 60.0);
        QTest::newRow("seconds, south and west; accents and letter case aside")
            << "America/Sao_Paulo"
            << "S\u00e3o Paulo" << QPointF(-(46 + 37 / 60.0), -(23 + 32 / 60.0 + 7 / 3600.0));
        QTest::newRow("a namesake beyond a degree is not the zone's city")
            << "Test/Alpha"
            << "Origin" << QPointF(1, 0);
        for (const char *zone : {"Old/Zone", "Bad/Minutes", "Bad/Pole", "Bad/Sign"})
            QTest::newRow(zone) << zone << "" << QPointF();
    }

    void zoneTable()
    {
        QFETCH(QString, zone);
        QFETCH(QString, city);
        QFETCH(QPointF, point);

        const geo::ZonePoint found = geo::findZonePoint(
            QStringLiteral("#FR\t+4852+00220\tOld/Zone\nFR,MC\t+4852+00220\tEurope/Paris\n"
                           "BR\t-233207-0463700\tAmerica/Sao_Paulo\tS & SE Brazil\n"
                           "XX\t+0000+00100\tTest/Alpha\nXX\t+4860+00220\tBad/Minutes\n"
                           "XX\t+9100+00000\tBad/Pole\nXX\t+485200220\tBad/Sign\n"),
            zone);
        QCOMPARE(found.found, !city.isEmpty());
        if (!found.found)
            return;
        QCOMPARE(QPointF(found.longitude, found.latitude), point);
        const Places places
            = load(countries, regions,
                   byteOrderMark
                       + "FR,Paris,48.85,2.35\nFR,Paris Bourse,48.8655,2.3426\n"
                         "FR,Origin,0,0\nFR,Alpha,0,2.5\nFR,S\u00e3o Paulo,-23.55,-46.63\n");
        QCOMPARE(places.placeForZone(point.x(), point.y(), geo::zoneCityName(zone)).name(), city);
    }

    void shippedFiles()
    {
        LogCapture capture;
        const Places &places = shipped();
        QCOMPARE(capture.lines(), QStringList({"parsed 246 countries", "parsed 3865 regions",
                                               "parsed 135233 cities"}));
        QCOMPARE(places.countryName("md"), QStringLiteral("Moldova, Republic of"));
        QCOMPARE(
            places.find("zürich", "zurich", "switzerland"),
            Location("Zürich", "Zurich", "Switzerland", 8.55, 47.36667, 341730, "Europe/Zurich"));
        QCOMPARE(places.find("Boston", "Massachusetts", "United States of America").latitude(),
                 42.35843);
        // Europe/Paris, whose nearest city may be a district of Paris.
        const Location paris
            = places.placeForZone(2 + 20 / 60.0, 48 + 52 / 60.0, QStringLiteral("Paris"));
        QCOMPARE(paris.name() + '/' + paris.region(), QStringLiteral("Paris/\u00cele-de-France"));
    }

    void shippedSearch_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("first");
        QTest::newRow("Paris") << "paris"
                               << "Paris/Île-de-France/France";
        QTest::newRow("Sydney, not Nova Scotia's") << "sydney"
                                                   << "Sydney/New South Wales/Australia";
        QTest::newRow("prefix: New York City") << "new york"
                                               << "New York City/New York/United States of America";
        QTest::newRow("accents aside") << "reykjavik"
                                       << "Reykjavík/Capital Region/Iceland";
        QTest::newRow("a letter of its own: Ł") << "lodz"
                                                << "Łódź/Łódź Voivodeship/Poland";
    }

    void shippedSearch()
    {
        QFETCH(QString, query);
        QFETCH(QString, first);
        QCOMPARE(describe(shipped().search(query, Location())).value(0), first);
    }

    void mapClicks_data()
    {
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<QString>("expected"); // name/country

        QTest::newRow("on Paris") << 2.35 << 48.85 << "Paris/France";
        QTest::newRow("on Guignes, a village on Paris's pixel") << 2.8 << 48.63 << "Paris/France";
        QTest::newRow("on Brussels, 3 pixels from Paris") << 4.35 << 50.85 << "Brussels/Belgium";
        QTest::newRow("on Amsterdam, 2 pixels from Brussels")
            << 4.89 << 52.37 << "Amsterdam/Netherlands";
        QTest::newRow("open country: the nearest town")
            << 100.0 << 62.0 << "Tura/Russian Federation";
        QTest::newRow("across 180 degrees") << -179.8 << -16.4 << "Labasa/Fiji";
        QTest::newRow("Southern Ocean: nothing") << -120.0 << -60.0 << "/";
    }

    // On the settings page's map, 300 by 200 pixels: 1.2 degrees of longitude and 0.9 of latitude
    // to a pixel.
    void mapClicks()
    {
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        QFETCH(QString, expected);
        const Location place = shipped().pick(longitude, latitude, 1.2, 0.9);
        QCOMPARE(place.name() + '/' + place.country(), expected);
    }
};

QTEST_GUILESS_MAIN(TestPlaces)
#include "tst_places.moc"
