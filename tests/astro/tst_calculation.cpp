// Calculation: its setters and signals, the full ephemeris and its delivery, the void of course
// and sign changes, and the fast searches against the literal walks.

#include "astro/calculation.h"
#include "astro/library.h"
#include "astro/module.h"

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

} // namespace

class TestCalculation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startEngine(); }

    void setBody_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("emitted");
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("number");
        QTest::newRow("same text") << "moon" << false << "moon" << 1;
        QTest::newRow("capital and blanks") << " Moon " << true << " Moon " << 1;
        QTest::newRow("another body") << "Venus" << true << "Venus" << 3;
        QTest::newRow("earth is not in the table") << "earth" << false << "moon" << 1;
    }
    void setBody()
    {
        QFETCH(QString, name);
        QFETCH(bool, emitted);
        QFETCH(QString, body);
        QFETCH(int, number);
        Calculation c;
        QSignalSpy spy(&c, &Calculation::bodyChanged);
        if (astro::bodyNumber(name) < 0)
            QTest::ignoreMessage(QtDebugMsg,
                                 qPrintable(QStringLiteral("invalid body '%1'").arg(name)));
        c.setBody(name);
        QCOMPARE(spy.count(), emitted ? 1 : 0);
        if (emitted)
            QCOMPARE(spy.first().first().toString(), name);
        QCOMPARE(c.body(), body);
        QCOMPARE(c.bodyNumber(), number);
    }

    void setObserver()
    {
        Calculation c;
        QSignalSpy position(&c, &Calculation::observerChanged);
        QSignalSpy vector(&c, &Calculation::observerVectorChanged);
        c.setObserver(Position(0, 0, 0));
        QCOMPARE(position.count(), 0);
        c.setObserver(Position(2.3522219, 48.856614, 35));
        QCOMPARE(position.count(), 1);
        QCOMPARE(vector.count(), 1);
        QCOMPARE(c.observerVector(), QVector3D(2.3522219f, 48.856614f, 35.f));
        // The observer arrives from the interface in single precision and is kept as it came.
        c.setObserverVector(QVector3D(2.3522219f, 48.856614f, 35.f));
        QCOMPARE(c.observer().latitude(), double(48.856614f));
        QCOMPARE(position.count(), 2);

        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^invalid observer")));
        c.setObserver(Position(0, 95, 0));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^invalid observer")));
        c.setObserver(Position(qQNaN(), 0, 0));
        QCOMPARE(position.count(), 2);
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

    // Destroying the calculation while its workers run must wait for them, not crash.
    void destructionWaitsForWorkers()
    {
        auto c = std::make_unique<Calculation>();
        int received = 0;
        connect(c.get(), &Calculation::ephemerisCalculated, this, [&](Ephemeris *e) {
            ++received;
            delete e;
        });
        for (int i = 0; i < 4; ++i)
            c->fullEphemeris(local(2026, 2, 1 + i, 9));
        c.reset();
        QCoreApplication::processEvents();
        QVERIFY(received <= 4);
    }

    void fullEphemerisShape_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<double>("latitude");
        QTest::newRow("Paris winter") << local(2026, 1, 20, 8, 17) << 48.85;
        QTest::newRow("Sydney") << local(2027, 4, 9, 3, 5) << -33.87;
        QTest::newRow("near 64 north") << local(2026, 6, 21, 12, 0) << 64.15;
    }
    void fullEphemerisShape()
    {
        QFETCH(QDateTime, time);
        QFETCH(double, latitude);
        Calculation c;
        c.setObserver(Position(10.0, latitude, 0));
        std::unique_ptr<Ephemeris> e(c.computeEphemeris(time));
        QVERIFY(e->prevNewMoon() <= time && time <= e->nextNewMoon());
        QVERIFY(e->prevFullMoon() <= time && time <= e->nextFullMoon());
        QVERIFY(e->prevFirstQuarter() <= time && time <= e->nextFirstQuarter());
        QVERIFY(e->prevThirdQuarter() <= time && time <= e->nextThirdQuarter());
        for (const QDateTime &event :
             {e->nextRising(), e->nextSetting(), e->upperTransit(), e->lowerTransit()}) {
            if (event.isValid()) // absent where the Moon does not rise or set
                QVERIFY(event >= time.addSecs(-60) && event < time.addDays(2));
        }
        QCOMPARE(e->prevMidDay(), time.addDays(-1));
        QCOMPARE(e->nextMidDay(), time.addDays(1));
        QVERIFY(e->lunarDay() >= 1 && e->lunarDay() <= 30);
        QVERIFY(e->phase() >= 0.0 && e->phase() < 1.0);
        QVERIFY(e->illumination() >= 0.0 && e->illumination() <= 1.0);

        // The interval ends at the first sign change after the start of the day, whatever the
        // moment; it starts before that change and the Moon leaves the sign it shows.
        const QDateTime day(time.date(), QTime(0, 0), Qt::LocalTime);
        QList<QDateTime> changes;
        c.zodiacChanges(day, day.addDays(2), changes);
        if (changes.isEmpty()) {
            QCOMPARE(e->voidZodiac(), -1);
            QVERIFY(!e->isVoC());
        } else {
            QCOMPARE(e->voidEnd(), changes.first());
            QVERIFY(e->voidStart() < e->voidEnd());
            QCOMPARE(e->voidZodiac(), c.zodiacAt(astro::julianDay(e->voidStart())));
            QCOMPARE((e->voidZodiac() + 1) % 12, c.zodiacAt(astro::julianDay(e->voidEnd())));
            QCOMPARE(e->isVoC(), e->voidStart() <= time && time <= e->voidEnd());
        }
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
        Calculation c;
        std::unique_ptr<Ephemeris> e(c.computeEphemeris(time));
        QCOMPARE(e->prevMidDay(), prev);
        QCOMPARE(e->nextMidDay(), next);
    }

    void lunarDayAroundNewMoon()
    {
        Calculation c;
        const QDateTime newMoon = c.nextPhase(local(2026, 3, 1), 0.0, 86400);
        std::unique_ptr<Ephemeris> after(c.computeEphemeris(newMoon.addSecs(120)));
        QCOMPARE(after->prevNewMoon(), newMoon);
        QCOMPARE(after->lunarDay(), 1);
        std::unique_ptr<Ephemeris> before(c.computeEphemeris(newMoon.addSecs(-120)));
        QCOMPARE(before->nextNewMoon(), newMoon);
        QVERIFY(before->lunarDay() >= 29 && before->lunarDay() <= 30);
    }

    // The fast sign scan and void-of-course search give exactly the literal walks' minutes.
    void fastEqualsLiteral_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QDate>("start");
        QTest::newRow("Paris") << 48.85 << 2.35 << QDate(2026, 1, 1);
        QTest::newRow("Sydney") << -33.87 << 151.21 << QDate(2026, 5, 1);
        QTest::newRow("64 north") << 64.15 << -21.94 << QDate(2026, 9, 1);
    }
    void fastEqualsLiteral()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QDate, start);
        Calculation fast, literal;
        literal.setAlgorithm(Calculation::Algorithm::Literal);
        fast.setObserver(Position(longitude, latitude, 0));
        literal.setObserver(Position(longitude, latitude, 0));
        const QDateTime from(start, QTime(0, 0), Qt::LocalTime);
        const QDateTime to = from.addMonths(3);
        QList<QDateTime> a, b;
        fast.zodiacChanges(from, to, a);
        literal.zodiacChanges(from, to, b);
        QCOMPARE(a, b);
        QVERIFY(a.size() >= 30);
        for (const QDateTime &ingress : a) {
            const astro::VoidOfCourse x = fast.voidOfCourse(ingress);
            const astro::VoidOfCourse y = literal.voidOfCourse(ingress);
            QCOMPARE(x.start, y.start);
            QCOMPARE(x.end, y.end);
            QCOMPARE(x.zodiac, y.zodiac);
        }
        // An odd start (not on the hour) and a span that is not whole hours.
        QList<QDateTime> c, d;
        fast.zodiacChanges(from.addSecs(17 * 60 + 13), from.addSecs(9 * 86400 + 1234), c);
        literal.zodiacChanges(from.addSecs(17 * 60 + 13), from.addSecs(9 * 86400 + 1234), d);
        QCOMPARE(c, d);
    }

    // The phase search computes fewer points in the fast mode; it must land on the very same
    // instants, to the last bit.
    void phaseSearchFastEqualsLiteral()
    {
        Calculation fast, literal;
        literal.setAlgorithm(Calculation::Algorithm::Literal);
        for (Calculation *c : {&fast, &literal})
            c->setObserver(Position(-74.0, 40.7, 10));
        const double start = astro::julianDay(local(2026, 1, 1, 7, 13));
        int compared = 0;
        for (double jd = start; jd < start + 400.0; jd += 1.37) {
            for (double target : {0.0, 0.25, 0.5, 0.75}) {
                for (double resolution : {1440.0, 86400.0}) {
                    for (bool backwards : {false, true}) {
                        const double a = fast.phaseTime(jd, target, resolution, backwards);
                        const double b = literal.phaseTime(jd, target, resolution, backwards);
                        QVERIFY2(a == b, qPrintable(QStringLiteral("%1 %2: %3 s apart")
                                                        .arg(jd, 0, 'f', 5)
                                                        .arg(target)
                                                        .arg((a - b) * 86400.0)));
                        ++compared;
                    }
                }
            }
        }
        QVERIFY(compared > 4000);
    }

    void signChangesFallOnTheFirstMinute()
    {
        Calculation c;
        const QDateTime from = local(2026, 4, 1);
        QList<QDateTime> changes;
        c.zodiacChanges(from, from.addDays(10), changes);
        QVERIFY(changes.size() >= 3);
        for (const QDateTime &t : changes) {
            const int before = c.zodiacAt(astro::julianDay(t.addSecs(-60)));
            QCOMPARE(c.zodiacAt(astro::julianDay(t)), (before + 1) % 12);
        }
        std::atomic<bool> cancel{true};
        QList<QDateTime> none;
        c.zodiacChanges(from, from.addDays(10), none, &cancel);
        QVERIFY(none.isEmpty());
        c.zodiacChanges(from, from.addDays(-1), none);
        QVERIFY(none.isEmpty());
    }

    // The walk is bounded: when the last aspect lies beyond the bound, the interval is
    // invalid and a line says so; fast and literal agree on both sides of the bound.
    void voidWalkIsBounded()
    {
        Calculation fast, literal;
        literal.setAlgorithm(Calculation::Algorithm::Literal);
        QList<QDateTime> changes;
        fast.zodiacChanges(local(2026, 6, 1), local(2026, 6, 20), changes);
        QVERIFY(!changes.isEmpty());
        const QDateTime ingress = changes.first();
        const astro::VoidOfCourse full = fast.voidOfCourse(ingress);
        const int minutes = int(full.start.secsTo(ingress) / 60);
        QVERIFY(minutes >= 2);
        QCOMPARE(fast.voidOfCourse(ingress, minutes).start, full.start);
        QCOMPARE(literal.voidOfCourse(ingress, minutes).start, full.start);
        for (Calculation *c : {&fast, &literal}) {
            QTest::ignoreMessage(QtDebugMsg,
                                 QRegularExpression(QStringLiteral("^no lunar aspect within")));
            const astro::VoidOfCourse cut = c->voidOfCourse(ingress, minutes - 1);
            QCOMPARE(cut.zodiac, -1);
            QVERIFY(!cut.start.isValid() && !cut.end.isValid());
        }
    }
};

QTEST_GUILESS_MAIN(TestCalculation)
#include "tst_calculation.moc"
