// Local date-time <-> Julian day, with the offset in force at the date itself. Registered once
// per time zone (TZ in the test's environment).

#include "astro/calculation.h"
#include "astro/compute.h"
#include "astro/library.h"
#include "astro/zone.h"

#include <QMetaProperty>
#include <QtTest>

#include <memory>

namespace {

// The Julian day of a UTC instant, independent of the library; UT1 and UTC differ by less than
// a second.
double unixJulianDay(const QDateTime &time)
{
    return 2440587.5 + double(time.toMSecsSinceEpoch()) / 86400000.0;
}

} // namespace

class TestTime : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { astro::setupEphemeris(); }

    void winterAndSummer_data()
    {
        QTest::addColumn<QDateTime>("local");
        const QTime noon(12, 0, 30);
        QTest::newRow("January") << QDateTime(QDate(2026, 1, 15), noon, Qt::LocalTime);
        QTest::newRow("July") << QDateTime(QDate(2026, 7, 15), noon, Qt::LocalTime);
        QTest::newRow("day before the spring change")
            << QDateTime(QDate(2026, 3, 7), QTime(23, 59), Qt::LocalTime);
        QTest::newRow("ambiguous autumn hour, first pass")
            << QDateTime(QDate(2026, 10, 25), QTime(1, 30), Qt::LocalTime);
        QTest::newRow("1900") << QDateTime(QDate(1900, 6, 1), QTime(8, 0), Qt::LocalTime);
    }
    void winterAndSummer()
    {
        QFETCH(QDateTime, local);
        const double jd = astro::julianDay(local);
        // Within a second of the true instant: the offset of the date itself was used.
        QVERIFY2(std::fabs(jd - unixJulianDay(local)) * 86400.0 < 1.0,
                 qPrintable(QStringLiteral("%1 s off").arg((jd - unixJulianDay(local)) * 86400.0)));
        const QDateTime back = astro::localTime(jd, astro::Zone::system());
        QCOMPARE(back, local.addSecs(-local.time().second()));
        QCOMPARE(back.time().second(), 0);
        QCOMPARE(back.time().msec(), 0);
    }

    void millisecondsDroppedSecondsKept()
    {
        const QDateTime t(QDate(2026, 7, 15), QTime(12, 0, 30, 999), Qt::LocalTime);
        const double jd = astro::julianDay(t);
        QCOMPARE(jd, astro::julianDay(t.addMSecs(-999)));
        QVERIFY(jd > astro::julianDay(t.addMSecs(-999 - 1000)));
    }

    void wholeDaysKeepTheMinute()
    {
        // jd + 1.0 carries rounding of tens of microseconds; it must not lose a minute.
        const QDateTime t(QDate(2026, 12, 6), QTime(13, 0), Qt::LocalTime);
        const double jd = astro::julianDay(t);
        for (int days = -3; days <= 3; ++days)
            QCOMPARE(astro::localTime(jd + days, astro::Zone::system()).time(),
                     t.addDays(days).time());
    }

    // With a place's zone chosen, every time the engine gives is that instant on the zone's
    // clock, daylight saving included, whatever this computer's zone; a day step keeps the
    // zone's wall-clock time across its clock change.
    void calculationZone_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QPointF>("place");    // longitude, latitude
        QTest::addColumn<QDateTime>("moment"); // on the zone's clock

        QTest::newRow("Tokyo, no daylight saving")
            << QByteArray("Asia/Tokyo") << QPointF(139.69, 35.69)
            << QDateTime(QDate(2026, 7, 14), QTime(21, 30));
        QTest::newRow("New York, the day its clocks go forward")
            << QByteArray("America/New_York") << QPointF(-74.0, 40.71)
            << QDateTime(QDate(2026, 3, 8), QTime(12, 0));
        QTest::newRow("Sydney, southern summer, the day before its clocks go back")
            << QByteArray("Australia/Sydney") << QPointF(151.21, -33.87)
            << QDateTime(QDate(2026, 4, 4), QTime(12, 0));
        QTest::newRow("Paris, the day its clocks go back")
            << QByteArray("Europe/Paris") << QPointF(2.35, 48.85)
            << QDateTime(QDate(2026, 10, 25), QTime(12, 0));
    }
    void calculationZone()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QPointF, place);
        QFETCH(QDateTime, moment);

        const QTimeZone tz(zone);
        astro::Calculation calculation;
        QSignalSpy zoneChanged(&calculation, &astro::Calculation::zoneChanged);
        calculation.setZone(QString::fromUtf8(zone));
        QCOMPARE(zoneChanged.count(), 1);
        calculation.setObserver(astro::Position(place.x(), place.y(), 0));
        std::unique_ptr<astro::Ephemeris> e(astro::computeEphemeris(
            calculation.sky(), calculation.zone().at(moment.date(), moment.time())));
        QVERIFY(calculation.isCurrent(e.get()));
        calculation.setZone(QString());
        QVERIFY(!calculation.isCurrent(e.get())); // computed for the zone before

        QCOMPARE(e->time(), QDateTime(moment.date(), moment.time(), tz));
        int times = 0;
        const QMetaObject *meta = e->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QVariant value = meta->property(i).read(e.get());
            if (value.userType() != QMetaType::QDateTime || !value.toDateTime().isValid())
                continue;
            const QDateTime t = value.toDateTime();
            const QDateTime expected = QDateTime::fromMSecsSinceEpoch(t.toMSecsSinceEpoch(), tz);
            QCOMPARE(t.toString(Qt::ISODate), expected.toString(Qt::ISODate));
            ++times;
        }
        QVERIFY(times >= 14);
        QCOMPARE(e->prevMidDay().time(), moment.time());
        QCOMPARE(e->nextMidDay().time(), moment.time());
    }

    void invalidDate()
    {
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression(QStringLiteral("^asUtcToJd\\(\\) error: .+")));
        QCOMPARE(astro::julianDay(QDateTime()), 0.0);
    }
};

QTEST_GUILESS_MAIN(TestTime)
#include "tst_time.moc"
