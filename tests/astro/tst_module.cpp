// The declarative module "Astro" 1.0: its creatable types, the singleton, and the value types,
// which are not creatable by name.

#include "astro/calculation.h"
#include "astro/library.h"
#include "astro/module.h"
#include "astro/position.h"

#include "enginetest.h"
#include <QQmlComponent>
#include <QQmlEngine>

#include <QtTest>

#include <memory>

class TestModule : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startEngine();
        astro::registerModule();
    }

    void creatable_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("creatable");
        QTest::newRow("Ephemeris") << "Ephemeris" << true;
        QTest::newRow("Calculation") << "Calculation" << true;
        QTest::newRow("CalendarModel") << "CalendarModel" << true;
        QTest::newRow("SearchModel") << "SearchModel" << true;
        QTest::newRow("Position") << "Position" << false;
    }
    void creatable()
    {
        QFETCH(QString, type);
        QFETCH(bool, creatable);
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(QStringLiteral("import Astro 1.0\n%1 {}\n").arg(type).toUtf8(), QUrl());
        std::unique_ptr<QObject> object(component.create());
        QCOMPARE(bool(object), creatable);
    }

    void singletonAndValues()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(
            "import QtQml 2.0\nimport Astro 1.0\n"
            "QtObject {\n"
            "  property Calculation calc: Calculation {}\n"
            "  property real jd: Astro.julianDay(new Date(Date.UTC(2000, 0, 1, 12, 0, 0)))\n"
            "  property real lat: calc.observer.y\n"
            "  property real lat2: calc.observer.latitude\n"
            "  property int noVoid: Qt.createQmlObject('import Astro 1.0; Ephemeris {}', "
            "this).voidZodiac\n"
            "}\n",
            QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        // The scene hands the observer over as a vector; the bindings follow it.
        object->property("calc").value<astro::Calculation *>()->setProperty(
            "observerVector", QVector3D(2.5f, 48.5f, 0.f));
        QVERIFY(std::fabs(object->property("jd").toDouble() - 2451545.0) < 0.001);
        QCOMPARE(object->property("lat").toDouble(), 48.5);
        QCOMPARE(object->property("lat2").toDouble(), 48.5);
        QCOMPARE(object->property("noVoid").toInt(), -1);
    }
};

QTEST_GUILESS_MAIN(TestModule)
#include "tst_module.moc"
