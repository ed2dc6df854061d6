#include "common/testhome.h"
#include "geo/module.h"
#include "geo/object.h"
#include "global/object.h"
#include "locationtext.h"

#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <memory>

using geo::Location;

namespace {

const QString group = QStringLiteral("location");

void store(const QVariantMap &values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        global::Object::instance()->writeSetting(group, it.key(), it.value());
}

QVariantMap settingsOf(const Location &place)
{
    return {{"country", place.country()},
            {"region", place.region()},
            {"name", place.name()},
            {"longitude", place.longitude()},
            {"latitude", place.latitude()}};
}

// The five keys as text: as `values` has them or, none given, as the store gives them back.
QStringList texts(const QVariantMap &values = {})
{
    QStringList list;
    for (const QString &key : settingsOf(Location()).keys()) {
        const QVariant value = values.isEmpty()
                                   ? global::Object::instance()->readSetting(group, key)
                                   : values.value(key);
        list << key + '=' + value.toString();
    }
    return list;
}

const Location paris("Paris", "Île-de-France", "France", 2.3488, 48.85341);
const Location zurich("Zürich", "Zurich", "Switzerland", 8.55, 47.36667);

} // namespace

class TestLocationService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startWithCleanHome();
        geo::registerModule();
        const auto write = [this](const char *name, const QByteArray &content) {
            QFile file(m_files.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("\xEF\xBB\xBF" + content);
        };
        write("countries.txt", "France,FR\nSwitzerland,CH\nUnited States,US\n");
        write("regions.txt", "FR,Île-de-France,11\nFR,Auvergne,84\nCH,Zurich,ZH\nUS,Texas,TX\n");
        write("cities.txt",
              "FR,Paris,11,48.85341,2.3488\nFR,Paris,84,45,3\nUS,Paris,TX,33.66,-95.56\n"
              "CH,Zürich,ZH,47.36667,8.55\n");
    }

    void init() { global::Object::instance()->settings()->remove(group); }

    void restore_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<Location>("expected");
        QTest::addColumn<QVariantMap>("afterwards");
        QTest::addColumn<QByteArray>("zone"); // the system's time zone

        QTest::newRow("first run in a zone with no city: unnamed place at 0, 0, keys written")
            << QVariantMap() << Location() << settingsOf(Location()) << QByteArray("UTC");
        QTest::newRow("first run in Europe/Paris: Paris, keys written")
            << QVariantMap() << paris << settingsOf(paris) << QByteArray("Europe/Paris");
        const QVariantMap parisElsewhere = {{"country", "FRANCE"},
                                            {"region", "île-de-france"},
                                            {"name", "PARIS"},
                                            {"longitude", 1.0},
                                            {"latitude", 1.0}};
        QTest::newRow("listed city, any case: the file's record, nothing saved")
            << parisElsewhere << paris << parisElsewhere << QByteArray("UTC");
        const Location custom = Location::custom(12.5, -33.25);
        QTest::newRow("custom place as saved (by this or an earlier version), whatever the zone")
            << settingsOf(custom) << custom << settingsOf(custom) << QByteArray("Europe/Paris");
        const Location origin = Location::custom(0, 0);
        QTest::newRow("text where a number belongs: 0, saved")
            << QVariantMap({{"name", "Custom city"}, {"longitude", "east"}, {"latitude", "nan"}})
            << origin << settingsOf(origin) << QByteArray("Europe/Paris");
        // A value the store cannot read back (written as "@Invalid()", as damaged as any): only
        // that key is rewritten, the valid ones keep what they hold.
        const QVariantMap nearZurich = {{"country", "Switzerland"},
                                        {"region", "Zurich"},
                                        {"name", QVariant()},
                                        {"longitude", 8.6},
                                        {"latitude", 47.4}};
        QVariantMap rewritten = nearZurich;
        rewritten.insert("name", Location::customName());
        QTest::newRow("damaged name: the coordinates as a custom place, the rest kept")
            << nearZurich << Location::custom(8.6, 47.4) << rewritten << QByteArray("UTC");
        QVariantMap atZurich = nearZurich;
        atZurich.insert("longitude", zurich.longitude());
        atZurich.insert("latitude", zurich.latitude());
        QTest::newRow("damaged name at a listed city's point: the city")
            << atZurich << zurich << settingsOf(zurich) << QByteArray("UTC");
        const Location onGlobe = Location::custom(-171, 90);
        QTest::newRow("off the globe: brought onto it, saved")
            << QVariantMap(
                   {{"name", "Custom city"}, {"longitude", 123456789.0}, {"latitude", 95.0}})
            << onGlobe << settingsOf(onGlobe) << QByteArray("UTC");
    }

    void restore()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(Location, expected);
        QFETCH(QVariantMap, afterwards);
        QFETCH(QByteArray, zone);

        qputenv("TZ", zone);
        store(stored);
        const auto service = makeService();
        QCOMPARE(service->location(), expected);
        QCOMPARE(texts(), texts(afterwards));
        QCOMPARE(service->storedLongitude(), afterwards.value("longitude").toDouble());
    }

    // The stored place stands at once, as the settings hold it; the files, once in, correct it.
    void storedPlaceBeforeTheFiles()
    {
        store({{"country", "France"},
               {"region", "Île-de-France"},
               {"name", "Paris"},
               {"longitude", 1.0},
               {"latitude", 1.0}});
        geo::Object service(m_files.path() + QLatin1Char('/'));
        QSignalSpy changed(&service, &geo::Object::locationChanged);
        QCOMPARE(service.location(), Location("Paris", "Île-de-France", "France", 1.0, 1.0));
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(service.location(), paris);
    }

    void changes_data()
    {
        QTest::addColumn<QByteArray>("call"); // "pick": an entry of a search for "ZÜRICH"
        QTest::addColumn<QVariant>("argument");
        QTest::addColumn<Location>("expected"); // empty: nothing changes

        const auto place = [](const Location &location) { return QVariant::fromValue(location); };
        QTest::newRow("location differing only in case and coordinates")
            << QByteArray("location") << place(Location("PARIS", "île-de-france", "france", 7, 7))
            << Location();
        const Location zurichElsewhere("Zürich", "Zurich", "Switzerland", 1, 2);
        QTest::newRow("known city, kept with its own coordinates")
            << QByteArray("location") << place(zurichElsewhere) << zurichElsewhere;
        QTest::newRow("known name in the wrong region")
            << QByteArray("location") << place(Location("Paris", "Texas", "France", 0, 0))
            << Location();
        QTest::newRow("empty nearest-place answer")
            << QByteArray("location") << place(Location("", "", "", 360, 360)) << Location();
        QTest::newRow("latitude past the pole: the pole")
            << QByteArray("setLatitude") << QVariant(100.0) << Location::custom(2.3488, 90);
        QTest::newRow("longitude round the globe: wrapped")
            << QByteArray("setLongitude") << QVariant(123456789.0)
            << Location::custom(-171, 48.85341);
        QTest::newRow("the same longitude still turns it custom")
            << QByteArray("setLongitude") << QVariant(2.3488) << Location::custom(2.3488, 48.85341);
        QTest::newRow("clear") << QByteArray("clearLocation") << QVariant()
                               << Location::custom(0, 0);
        QTest::newRow("NaN ignored")
            << QByteArray("setLatitude") << QVariant(qQNaN()) << Location();
        QTest::newRow("pick an entry of the result") << QByteArray("pick") << QVariant(0) << zurich;
        QTest::newRow("pick the count") << QByteArray("pick") << QVariant(1) << Location();
    }

    void changes()
    {
        QFETCH(QByteArray, call);
        QFETCH(QVariant, argument);
        QFETCH(Location, expected);

        store(settingsOf(paris));
        const auto service = makeService();
        if (call == "pick") {
            QVector<Location> found;
            // Queued, as the interface receives it.
            connect(
                service.get(), &geo::Object::searchCompleted, this, [&](geo::LocationList *list) {
                    QCOMPARE(list->thread(), thread()); // so the engine can free it
                    QCOMPARE(QQmlEngine::objectOwnership(list), QQmlEngine::JavaScriptOwnership);
                    for (int i = 0; i <= list->length(); ++i)
                        found << list->at(i);
                    delete list;
                });
            service->search("ZÜRICH");
            QTRY_COMPARE(found, QVector<Location>({zurich, Location()}));
        }
        QSignalSpy changed(service.get(), &geo::Object::locationChanged);
        if (call == "location")
            QVERIFY(service->setProperty("location", argument));
        else if (call == "pick")
            service->setLocationIndex(argument.toInt());
        else if (argument.isValid())
            QVERIFY(
                QMetaObject::invokeMethod(service.get(), call, Q_ARG(double, argument.toDouble())));
        else
            QVERIFY(QMetaObject::invokeMethod(service.get(), call));

        const Location now = expected.name().isEmpty() ? paris : expected;
        QCOMPARE(service->location(), now);
        QCOMPARE(changed.count(), now == paris ? 0 : 1);
        QCOMPARE(texts(), texts(settingsOf(now)));
    }

    void destructionWaitsForSearches()
    {
        std::atomic<int> answers{0};
        {
            const auto service = makeService();
            // Counted on the worker, so an answer after destruction would show.
            connect(
                service.get(), &geo::Object::searchCoordsCompleted, service.get(),
                [&answers] { ++answers; }, Qt::DirectConnection);
            connect(
                service.get(), &geo::Object::searchCompleted, service.get(),
                [&answers](geo::LocationList *list) {
                    ++answers;
                    delete list;
                },
                Qt::DirectConnection);
            for (int i = 0; i < 100; ++i) {
                service->searchCoords(i, 45);
                service->search(QStringLiteral("a"));
            }
        }
        const int afterDestruction = answers;
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(answers.load(), afterDestruction);
    }

private:
    std::unique_ptr<geo::Object> makeService() const
    {
        auto service = std::make_unique<geo::Object>(m_files.path() + QLatin1Char('/'));
        service->waitForPlaces();
        return service;
    }

    QTemporaryDir m_files;
};

QTEST_GUILESS_MAIN(TestLocationService)
#include "tst_locationservice.moc"
