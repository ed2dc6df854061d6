// The pure rules: sign and degree, aspects, lunar day.

#include "astro/rules.h"

#include <QtTest>

#include <cmath>

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    // The library's sidereal longitude plus the offset is the longitude of date, on which the
    // signs are counted.
    void zodiac_data()
    {
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("offset");
        QTest::addColumn<int>("sign");
        QTest::addColumn<double>("degrees");
        QTest::newRow("offset is added") << 225.4334 << 0.3787 << 7 << 15.8121;
        QTest::newRow("offset carries into the next sign") << 29.8 << 0.4 << 1 << 0.2;
        QTest::newRow("360 or more is reduced") << 359.8 << 0.4 << 0 << 0.2;
        QTest::newRow("exactly 360 is Aries") << 359.5 << 0.5 << 0 << 0.0;
        QTest::newRow("negative input") << -10.0 << 0.0 << 11 << 20.0;
        QTest::newRow("tiny negative rounds to Aries, not 12") << -1e-15 << 0.0 << 0 << 0.0;
    }
    void zodiac()
    {
        QFETCH(double, longitude);
        QFETCH(double, offset);
        QFETCH(int, sign);
        QFETCH(double, degrees);
        QCOMPARE(astro::zodiacIndex(longitude, offset), sign);
        QVERIFY2(std::fabs(astro::zodiacDegreesOf(longitude, offset) - degrees) < 1e-9,
                 qPrintable(QString::number(astro::zodiacDegreesOf(longitude, offset))));
        QVERIFY(astro::zodiacDegreesOf(longitude, offset) < 30.0);
    }

    void hasAspect_data()
    {
        QTest::addColumn<double>("moon");
        QTest::addColumn<QVector<double>>("others");
        QTest::addColumn<bool>("aspect");
        QTest::newRow("empty list") << 10.0 << QVector<double>{} << false;
        QTest::newRow("conjunction across 0") << 359.995 << QVector<double>{0.004} << true;
        QTest::newRow("opposition") << 10.0 << QVector<double>{190.009} << true;
        QTest::newRow("trine the short way") << 350.0 << QVector<double>{110.005} << true;
        QTest::newRow("just outside the tolerance") << 100.0 << QVector<double>{40.02} << false;
        QTest::newRow("semi-square is no aspect") << 0.0 << QVector<double>{45.0} << false;
        QTest::newRow("any of several") << 0.0 << QVector<double>{33.0, 44.0, 120.001} << true;
    }
    void hasAspect()
    {
        QFETCH(double, moon);
        QFETCH(QVector<double>, others);
        QFETCH(bool, aspect);
        QCOMPARE(astro::hasAspect(moon, others), aspect);
    }

    void lunarDay_data()
    {
        QTest::addColumn<double>("lunation");
        QTest::addColumn<double>("phase");
        QTest::addColumn<int>("day");
        QTest::newRow("new moon") << 29.53 << 0.0 << 1;
        QTest::newRow("one day in") << 29.53 << 1.0 / 29.53 << 2;
        QTest::newRow("a hair below 15 counts as 15") << 29.5 << (15.0 - 1e-9) / 29.5 << 16;
        QTest::newRow("last moments") << 29.8 << 0.99999 << 30;
        QTest::newRow("never above 30") << 31.0 << 0.999 << 30;
        QTest::newRow("unfilled phase") << 29.5 << -1.0 << 1;
        QTest::newRow("unfilled new moons") << 0.0 << -1.0 << 1;
    }
    void lunarDay()
    {
        QFETCH(double, lunation);
        QFETCH(double, phase);
        QFETCH(int, day);
        QCOMPARE(astro::lunarDayOf(lunation, phase), day);
    }

    // The moon picture's turn: half a turn south of the equator, none on it; as in the sky, the
    // turn that brings the drawn lit side to the bright limb, the short way round.
    void pictureTurn_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("phase");
        QTest::addColumn<double>("brightLimb");
        QTest::addColumn<double>("hemisphere");
        QTest::addColumn<double>("inSky");
        QTest::newRow("north, waxing lit on the right") << 52.5 << 0.2 << -90.0 << 0.0 << 0.0;
        QTest::newRow("on the equator: as in the north") << 0.0 << 0.2 << 0.0 << 0.0 << 90.0;
        QTest::newRow("just south, waning lit on the left") << -0.01 << 0.7 << 90.0 << 180.0 << 0.0;
        QTest::newRow("full moon counts as waxing") << -33.9 << 0.5 << 180.0 << 180.0 << -90.0;
        QTest::newRow("half a turn is +180, not -180") << 10.0 << 0.8 << -90.0 << 0.0 << 180.0;
    }
    void pictureTurn()
    {
        QFETCH(double, latitude);
        QFETCH(double, phase);
        QFETCH(double, brightLimb);
        QFETCH(double, hemisphere);
        QFETCH(double, inSky);
        QCOMPARE(astro::pictureTurn(latitude), hemisphere);
        QCOMPARE(astro::pictureTurnInSky(phase, brightLimb), inSky);
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
