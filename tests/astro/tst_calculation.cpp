// Calculation: bad input and the full ephemeris's delivery; the full ephemeris's day steps,
// lunar day and instants.

#include "astro/calculation.h"
#include "astro/compute.h"
#include "astro/searches.h"
#include "enginetest.h"

#include <QQmlEngine>
#include <QtTest>

#include <memory>

using astro::Calculation;
using astro::Ephemeris;
using astro::Position;

namespace {

QDateTime local(int y, int m, int d, int h = 0, int min = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min), Qt::LocalTime);
}

// The Moon from Paris on this computer's clock (the test runs in Paris's zone).
astro::Sky paris()
{
    return {astro::Planet::MOON, Position(2.35, 48.85, 35), astro::Zone::system()};
}

} // namespace

class TestCalculation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startEngine(); }

    // A name not in the table, or a place off the globe, keeps what was set and says so.
    void badInputKeepsTheSetting()
    {
        Calculation c;
        c.setBody(QStringLiteral("Venus"));
        const Position paris(2.35, 48.85, 35);
        c.setObserver(paris);
        QSignalSpy body(&c, &Calculation::bodyChanged);
        QSignalSpy observer(&c, &Calculation::observerChanged);
        QTest::ignoreMessage(QtDebugMsg, "invalid body 'earth'");
        c.setBody(QStringLiteral("earth"));
        for (const Position &bad : {Position(0, 95, 0), Position(qQNaN(), 0, 0)}) {
            QTest::ignoreMessage(QtDebugMsg,
                                 QRegularExpression(QStringLiteral("^invalid observer")));
            c.setObserver(bad);
        }
        // An unknown zone leaves this computer's.
        c.setZone(QStringLiteral("Asia/Tokyo"));
        QTest::ignoreMessage(QtWarningMsg,
                             "unknown time zone 'Mars/Olympus', showing this computer's");
        c.setZone(QStringLiteral("Mars/Olympus"));
        QCOMPARE(body.count() + observer.count(), 0);
        QCOMPARE(c.bodyNumber(), 3);
        QCOMPARE(c.observer(), paris);
        QCOMPARE(c.zoneId(), QString());
    }

    void fullEphemerisDelivery()
    {
        Calculation c;
        QSignalSpy begin(&c, &Calculation::beginEphemeris);
        QSignalSpy done(&c, &Calculation::ephemerisCalculated);
        c.fullEphemeris(QDateTime());
        c.fullEphemeris(local(2026, 5, 1, 12));
        // The spy is filled from the worker thread; poll rather than wait on it.
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 20000);
        QCOMPARE(begin.count(), 1);
        QCOMPARE(done.count(), 1);
        auto *e = done.first().first().value<Ephemeris *>();
        QVERIFY(e);
        QCOMPARE(e->thread(), c.thread());
        QCOMPARE(QQmlEngine::objectOwnership(e), QQmlEngine::JavaScriptOwnership);
        QCOMPARE(e->time(), local(2026, 5, 1, 12));
        delete e;
    }

    // What lies ahead of a moment reaches the interface with the number of its request.
    void outlook()
    {
        Calculation c;
        c.setObserver(astro::Position(2.35, 48.85, 0));
        QSignalSpy done(&c, &Calculation::outlookCalculated);
        const int request = c.outlook(local(2026, 8, 1, 12));
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 20000);
        QCOMPARE(done.first().at(0).toInt(), request);
        const QVariantMap o = done.first().at(1).toMap();
        QVERIFY(o.value("distanceKm").toDouble() > 356000
                && o.value("distanceKm").toDouble() < 407000);
        QCOMPARE(o.value("perigee").toMap().value("time").toDateTime(), local(2026, 8, 10, 13, 17));
        QCOMPARE(o.value("apogee").toMap().value("time").toDateTime(), local(2026, 8, 22, 10, 20));
        QCOMPARE(o.value("eclipse").toMap().value("localMaximum").toDateTime(),
                 local(2026, 8, 12, 20, 17));
    }

    // Destroying the calculation waits for the workers that began: each of them has delivered
    // its result by then (those still queued give up without starting).
    void destructionWaitsForWorkers()
    {
        auto c = std::make_unique<Calculation>();
        std::atomic<int> begun{0};
        int received = 0;
        connect(
            c.get(), &Calculation::beginEphemeris, this, [&] { ++begun; }, Qt::DirectConnection);
        connect(c.get(), &Calculation::ephemerisCalculated, this, [&](Ephemeris *e) {
            ++received;
            delete e;
        });
        for (int i = 0; i < 4; ++i)
            c->fullEphemeris(local(2026, 2, 1 + i, 9));
        QTRY_VERIFY(begun > 0);
        c.reset();
        QCoreApplication::processEvents();
        QCOMPARE(received, int(begun));
    }

    // A day step keeps the wall-clock time across both clock changes, seconds dropped; a time
    // the clock skips moves on by the skip.
    void midDays_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QDateTime>("prev");
        QTest::addColumn<QDateTime>("next");
        QTest::newRow("before spring")
            << local(2026, 3, 28, 12) << local(2026, 3, 27, 12) << local(2026, 3, 29, 12);
        QTest::newRow("after spring")
            << local(2026, 3, 30, 12) << local(2026, 3, 29, 12) << local(2026, 3, 31, 12);
        QTest::newRow("into the skipped hour")
            << local(2026, 3, 28, 2, 30) << local(2026, 3, 27, 2, 30) << local(2026, 3, 29, 3, 30);
        QTest::newRow("before autumn")
            << local(2026, 10, 24, 12) << local(2026, 10, 23, 12) << local(2026, 10, 25, 12);
        QTest::newRow("after autumn, seconds")
            << QDateTime(QDate(2026, 10, 26), QTime(12, 0, 42), Qt::LocalTime)
            << local(2026, 10, 25, 12) << local(2026, 10, 27, 12);
    }
    void midDays()
    {
        QFETCH(QDateTime, time);
        QFETCH(QDateTime, prev);
        QFETCH(QDateTime, next);
        std::unique_ptr<Ephemeris> e(astro::computeEphemeris(paris(), time));
        QCOMPARE(e->prevMidDay(), prev);
        QCOMPARE(e->nextMidDay(), next);
    }

    void lunarDayAroundNewMoon()
    {
        const astro::Sky sky = paris();
        const QDateTime newMoon
            = astro::phaseMinute(sky, local(2026, 3, 1), 0.0, astro::Direction::Forward);
        std::unique_ptr<Ephemeris> after(astro::computeEphemeris(sky, newMoon.addSecs(120)));
        QCOMPARE(after->prevNewMoon(), newMoon);
        QCOMPARE(after->lunarDay(), 1);
        std::unique_ptr<Ephemeris> before(astro::computeEphemeris(sky, newMoon.addSecs(-120)));
        QCOMPARE(before->nextNewMoon(), newMoon);
        QVERIFY(before->lunarDay() >= 29 && before->lunarDay() <= 30);
    }

    // Every moment between two events names the same minutes: the instants hold still.
    void instantsHoldStill()
    {
        const astro::Sky sky = paris();
        const QDateTime first(QDate(2027, 2, 3), QTime(10, 0), Qt::UTC);
        std::unique_ptr<Ephemeris> a(astro::computeEphemeris(sky, first));
        for (int minutes : {1, 197, 2000, 4000}) {
            std::unique_ptr<Ephemeris> b(astro::computeEphemeris(sky, first.addSecs(60 * minutes)));
            QCOMPARE(b->nextNewMoon(), a->nextNewMoon());
            QCOMPARE(b->nextFirstQuarter(), a->nextFirstQuarter());
            QCOMPARE(b->nextFullMoon(), a->nextFullMoon());
            QCOMPARE(b->nextThirdQuarter(), a->nextThirdQuarter());
            QCOMPARE(b->prevFullMoon(), a->prevFullMoon());
        }
    }
};

QTEST_GUILESS_MAIN(TestCalculation)
#include "tst_calculation.moc"
