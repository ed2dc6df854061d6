#include "common/testhome.h"
#include "geo/locationlist.h"
#include "geo/module.h"
#include "geo/object.h"
#include "global/object.h"
#include "locationtext.h"
#include "logcapture.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <memory>

using geo::Location;

namespace {

const QString group = QStringLiteral("location");
const QStringList keys = {"country", "region", "name", "longitude", "latitude"};

QVariantMap storedSettings()
{
    QVariantMap values;
    for (const QString &key : keys) {
        const QVariant value = global::Object::instance()->readSetting(group, key);
        if (value.isValid())
            values.insert(key, value);
    }
    return values;
}

QVariantMap settingsOf(const Location &place)
{
    return {{"country", place.country()},
            {"region", place.region()},
            {"name", place.name()},
            {"longitude", place.longitude()},
            {"latitude", place.latitude()}};
}

// Settings come back as text from the store: compare them as text.
QStringList texts(const QVariantMap &values)
{
    QStringList list;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        list << it.key() + QLatin1Char('=') + it.value().toString();
    return list;
}

const Location paris("Paris", QString::fromUtf8("Île-de-France"), "France", 2.3488, 48.85341);
const Location zurich(QString::fromUtf8("Zürich"), "Zurich", "Switzerland", 8.55, 47.36667);

} // namespace

class TestLocationService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void restore_data();
    void restore();
    void setLocation_data();
    void setLocation();
    void coordinateSetters_data();
    void coordinateSetters();
    void searchByName_data();
    void searchByName();
    void pickFromSearchResult_data();
    void pickFromSearchResult();
    void searchCoords();
    void destructionWaitsForSearches();
    void declarativeInterface();

private:
    std::unique_ptr<geo::Object> makeService() const
    {
        return std::make_unique<geo::Object>(m_files.path() + QLatin1Char('/'));
    }
    // The service at Paris, Île-de-France, restored from the settings.
    std::unique_ptr<geo::Object> makeServiceAtParis() const
    {
        const QVariantMap values = settingsOf(paris);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            global::Object::instance()->writeSetting(group, it.key(), it.value());
        return makeService();
    }

    QTemporaryDir m_files;
};

void TestLocationService::initTestCase()
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
    write("cities.txt", "FR,Paris,11,48.85341,2.3488\nFR,Paris,84,45,3\nUS,Paris,TX,33.66,-95.56\n"
                        "CH,Zürich,ZH,47.36667,8.55\nUS,Springfield,TX,30,-97\n"
                        "US,Springfield,TX,32,-99\nFR,Lyon,84,45.75,4.85\n");
}

void TestLocationService::init()
{
    global::Object::instance()->settings()->remove(group);
}

void TestLocationService::restore_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<Location>("expected");
    // What the store holds afterwards.
    QTest::addColumn<QVariantMap>("afterwards");

    const Location unnamed;
    QTest::newRow("first run: unnamed place at 0, 0, keys written")
        << QVariantMap() << unnamed << settingsOf(unnamed);
    const Location custom("Custom city", "", "", 12.5, -33.25);
    QTest::newRow("custom city as saved") << settingsOf(custom) << custom << settingsOf(custom);
    const QVariantMap parisElsewhere = {{"country", "France"},
                                        {"region", QString::fromUtf8("Île-de-France")},
                                        {"name", "Paris"},
                                        {"longitude", 1.0},
                                        {"latitude", 1.0}};
    QTest::newRow("listed city takes the file's coordinates, nothing saved")
        << parisElsewhere << paris << parisElsewhere;
    const QVariantMap shouted = {
        {"country", "FRANCE"}, {"region", QString::fromUtf8("ÎLE-DE-FRANCE")}, {"name", "PARIS"}};
    QTest::newRow("listed city matched ignoring case") << shouted << paris << shouted;
    const QVariantMap springfield
        = {{"country", "United States"}, {"region", "Texas"}, {"name", "Springfield"}};
    QTest::newRow("namesakes in one region: the last in the file")
        << springfield << Location("Springfield", "Texas", "United States", -99, 32) << springfield;
    const Location atlantis("Atlantis", "Deep", "Ocean", 5, 6);
    QTest::newRow("city no longer listed comes back as saved")
        << settingsOf(atlantis) << atlantis << settingsOf(atlantis);
    QTest::newRow("text where a number belongs: 0, saved as such")
        << QVariantMap({{"name", "Custom city"}, {"longitude", "east"}, {"latitude", "nan"}})
        << Location("Custom city", "", "", 0, 0)
        << settingsOf(Location("Custom city", "", "", 0, 0));
    QTest::newRow("a list where a text belongs: empty")
        << QVariantMap({{"name", QStringList({"a", "b"})}, {"longitude", 3.5}})
        << Location("", "", "", 3.5, 0) << settingsOf(Location("", "", "", 3.5, 0));
}

void TestLocationService::restore()
{
    QFETCH(QVariantMap, stored);
    QFETCH(Location, expected);
    QFETCH(QVariantMap, afterwards);

    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        global::Object::instance()->writeSetting(group, it.key(), it.value());
    const auto service = makeService();
    QCOMPARE(service->location(), expected);
    QCOMPARE(texts(storedSettings()), texts(afterwards));
    // The stored properties read the store, with the defaults for what it lacks or garbles.
    QCOMPARE(service->storedName(), afterwards.value("name").toString());
    QCOMPARE(service->storedLongitude(), afterwards.value("longitude", 0.0).toDouble());
}

void TestLocationService::setLocation_data()
{
    QTest::addColumn<Location>("newLocation");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("differs only in case")
        << Location("PARIS", QString::fromUtf8("île-de-france"), "france", 7, 7) << false;
    QTest::newRow("differs only in coordinates")
        << Location(paris.name(), paris.region(), paris.country(), 0, 0) << false;
    QTest::newRow("a known city, with its own coordinates")
        << Location(zurich.name(), zurich.region(), zurich.country(), 1, 2) << true;
    QTest::newRow("a namesake in another region")
        << Location("Paris", "Auvergne", "France", 3, 45) << true;
    QTest::newRow("a known name in the wrong region")
        << Location("Paris", "Texas", "France", 0, 0) << false;
    QTest::newRow("custom city") << Location("Custom city", "", "", 1, 1) << false;
    QTest::newRow("the empty answer of the nearest-place search")
        << Location("", "", "", 360, 360) << false;
    QTest::newRow("a known city without finite coordinates")
        << Location(zurich.name(), zurich.region(), zurich.country(), qQNaN(), 2) << false;
}

void TestLocationService::setLocation()
{
    QFETCH(Location, newLocation);
    QFETCH(bool, accepted);

    const auto service = makeServiceAtParis();
    QSignalSpy changed(service.get(), &geo::Object::locationChanged);
    service->setProperty("location", QVariant::fromValue(newLocation));
    const Location expected = accepted ? newLocation : paris;
    QCOMPARE(service->location(), expected);
    QCOMPARE(changed.count(), accepted ? 1 : 0);
    if (accepted)
        QCOMPARE(changed.first().first().value<Location>(), expected);
    QCOMPARE(texts(storedSettings()), texts(settingsOf(expected)));
}

void TestLocationService::coordinateSetters_data()
{
    QTest::addColumn<QString>("setter");
    QTest::addColumn<double>("value");
    // A null name: nothing changes.
    QTest::addColumn<Location>("expected");

    QTest::newRow("latitude out of range kept")
        << "setLatitude" << 100.0 << Location("Custom city", "", "", paris.longitude(), 100);
    QTest::newRow("longitude") << "setLongitude" << -3.75
                               << Location("Custom city", "", "", -3.75, paris.latitude());
    QTest::newRow("the same latitude still turns it custom")
        << "setLatitude" << paris.latitude()
        << Location("Custom city", "", "", paris.longitude(), paris.latitude());
    QTest::newRow("clear") << "clearLocation" << 0.0 << Location("Custom city", "", "", 0, 0);
    QTest::newRow("NaN latitude ignored") << "setLatitude" << qQNaN() << Location();
    QTest::newRow("infinite longitude ignored") << "setLongitude" << -qInf() << Location();
}

void TestLocationService::coordinateSetters()
{
    QFETCH(QString, setter);
    QFETCH(double, value);
    QFETCH(Location, expected);

    const auto service = makeServiceAtParis();
    QSignalSpy changed(service.get(), &geo::Object::locationChanged);
    // Called as the interface calls them.
    const QByteArray method = setter.toLatin1();
    const bool called
        = setter == QLatin1String("clearLocation")
              ? QMetaObject::invokeMethod(service.get(), method.constData())
              : QMetaObject::invokeMethod(service.get(), method.constData(), Q_ARG(double, value));
    QVERIFY(called);

    const bool accepted = !expected.name().isEmpty();
    QCOMPARE(service->location(), accepted ? expected : paris);
    QCOMPARE(changed.count(), accepted ? 1 : 0);
    QCOMPARE(texts(storedSettings()), texts(settingsOf(accepted ? expected : paris)));
    // The saved custom place comes back as it was.
    if (accepted)
        QCOMPARE(makeService()->location(), expected);
}

void TestLocationService::searchByName_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("expected");

    const QStringList parisResult
        = {QString::fromUtf8("Paris/Île-de-France/France"), "Paris/Texas/United States"};
    QTest::newRow("small letters") << "paris" << parisResult;
    QTest::newRow("capitals give the same") << "PARIS" << parisResult;
    QTest::newRow("non-ASCII capitals")
        << QString::fromUtf8("ZÜR")
        << QStringList({QString::fromUtf8("Paris/Île-de-France/France"),
                        QString::fromUtf8("Zürich/Zurich/Switzerland")});
}

void TestLocationService::searchByName()
{
    QFETCH(QString, query);
    QFETCH(QStringList, expected);

    const auto service = makeServiceAtParis();
    QStringList found;
    QThread *listThread = nullptr;
    // Queued, as the interface receives it.
    connect(service.get(), &geo::Object::searchCompleted, this, [&](geo::LocationList *list) {
        listThread = list->thread();
        for (int i = 0; i < list->length(); ++i) {
            const Location place = list->at(i);
            found << place.name() + '/' + place.region() + '/' + place.country();
        }
        QCOMPARE(list->at(list->length()), Location());
        QCOMPARE(QQmlEngine::objectOwnership(list), QQmlEngine::JavaScriptOwnership);
        delete list;
    });
    service->search(query);
    QTRY_COMPARE(found, expected);
    // Deletable by the engine on the thread that runs its event loop.
    QCOMPARE(listThread, thread());
}

void TestLocationService::pickFromSearchResult_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<Location>("expected");

    QTest::newRow("an entry of the result") << 1 << zurich;
    QTest::newRow("the current place at the top") << 0 << paris;
    QTest::newRow("index -1") << -1 << paris;
    QTest::newRow("index equal to the count") << 2 << paris;
}

void TestLocationService::pickFromSearchResult()
{
    QFETCH(int, index);
    QFETCH(Location, expected);

    const auto service = makeServiceAtParis();
    int lengths = -1;
    connect(service.get(), &geo::Object::searchCompleted, this, [&](geo::LocationList *list) {
        lengths = list->length();
        delete list;
    });
    service->search(QString::fromUtf8("zürich"));
    QTRY_COMPARE(lengths, 2);

    QSignalSpy changed(service.get(), &geo::Object::locationChanged);
    service->setLocationIndex(index);
    QCOMPARE(service->location(), expected);
    QCOMPARE(changed.count(), expected == paris ? 0 : 1);
    QCOMPARE(texts(storedSettings()), texts(settingsOf(expected)));
}

void TestLocationService::searchCoords()
{
    const auto service = makeService();
    QVector<Location> answers;
    connect(service.get(), &geo::Object::searchCoordsCompleted, this,
            [&](const Location &near) { answers << near; });
    service->searchCoords(8.5, 47.4);
    service->searchCoords(-150, -40);
    service->searchCoords(qQNaN(), 0);
    QTRY_COMPARE(answers.size(), 3);
    // The searches take the lock one at a time, in no promised order.
    QVERIFY(answers.contains(zurich));
    QCOMPARE(answers.count(Location("", "", "", 360, 360)), 2);
}

void TestLocationService::destructionWaitsForSearches()
{
    std::atomic<int> answers{0};
    int started = 0;
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
        for (; started < 200; started += 2) {
            service->searchCoords(started, 45);
            service->search(QStringLiteral("a"));
        }
    }
    const int afterDestruction = answers;
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(answers.load(), afterDestruction);
    QVERIFY(afterDestruction <= started);
    // Nothing queued for the dead service may reach this thread either.
    QCoreApplication::processEvents();
}

void TestLocationService::declarativeInterface()
{
    // The singleton reads the shipped files from the resource folder.
    global::Object::instance()->writeSetting(group, "name", "Custom city");
    global::Object::instance()->writeSetting(group, "longitude", 2.35);
    global::Object::instance()->writeSetting(group, "latitude", 48.85);

    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(R"(
        import QtQml 2.15
        import Geo 1.0
        QtObject {
            id: root
            property string name: Geo.location.name
            property var near
            property var list
            property int emptyLength: empty.length
            property string outside: empty.at(3).name + "|" + empty.at(-1).country
            property LocationList empty: LocationList {}
            property Connections connections: Connections {
                target: Geo
                function onSearchCoordsCompleted(near) { root.near = near }
                function onSearchCompleted(list) { root.list = list }
            }
            function pick(name) {
                for (var i = 0; i < list.length; ++i) {
                    if (list.at(i).name === name)
                        Geo.location = list.at(i)
                }
            }
            Component.onCompleted: {
                Geo.searchCoords(2.35, 48.85)
                Geo.search("Z\u00FCRICH")
            }
        }
    )",
                      QUrl());
    std::unique_ptr<QObject> root(component.create());
    QVERIFY2(root, qPrintable(component.errorString()));
    QCOMPARE(root->property("name").toString(), QStringLiteral("Custom city"));
    QCOMPARE(root->property("emptyLength").toInt(), 0);
    QCOMPARE(root->property("outside").toString(), QStringLiteral("|"));

    // Both answers cross from a pool thread; the place only with its type name registered.
    QTRY_VERIFY(root->property("near").isValid());
    const Location near = root->property("near").value<Location>();
    QVERIFY2(near.name().startsWith(QLatin1String("Paris")), qPrintable(near.name()));
    QTRY_VERIFY(root->property("list").value<QObject *>());
    auto *list = qobject_cast<geo::LocationList *>(root->property("list").value<QObject *>());
    QVERIFY(list);
    QCOMPARE(list->length(), geo::Places::searchLimit);
    QCOMPARE(list->at(0).name(), QStringLiteral("Custom city"));

    QVERIFY(QMetaObject::invokeMethod(root.get(), "pick",
                                      Q_ARG(QVariant, QString::fromUtf8("Zürich"))));
    QCOMPARE(root->property("name").toString(), QString::fromUtf8("Zürich"));
    QCOMPARE(global::Object::instance()->readSetting(group, "region").toString(),
             QStringLiteral("Zurich"));
}

QTEST_GUILESS_MAIN(TestLocationService)
#include "tst_locationservice.moc"
