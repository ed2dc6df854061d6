// Calculation: bad input, the full ephemeris and its delivery, the void of course and sign
// changes, and the fast searches against the literal walks.

#include "astro/calculation.h"
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
        QCOMPARE(body.count() + observer.count(), 0);
        QCOMPARE(c.bodyNumber(), 3);
        QCOMPARE(c.observer(), paris);
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

    // The exact searches against the literal walks, near 64 north where the Moon may not rise
    // (the benchmark compares three years at three places). A literal ingress is the first
    // whole minute with the new sign, one after the minute during which it happens; a literal
    // void starts once the Moon is within 0.01 degrees of the aspect, up to a minute and a half
    // after it is exact.
    void exactAgainstLiteral()
    {
        Calculation fast, literal;
        literal.setAlgorithm(Calculation::Algorithm::Literal);
        for (Calculation *c : {&fast, &literal})
            c->setObserver(Position(-21.94, 64.15, 0));
        const QDateTime from = local(2026, 9, 1);
        const QDateTime to = from.addMonths(1);
        QList<QDateTime> a, b;
        fast.zodiacChanges(from, to, a);
        literal.zodiacChanges(from, to, b);
        QCOMPARE(a.size(), b.size());
        QVERIFY(a.size() >= 10);
        for (int i = 0; i < a.size(); ++i) {
            QCOMPARE(a.at(i).addSecs(60), b.at(i));
            const astro::VoidOfCourse x = fast.voidOfCourse(a.at(i));
            const astro::VoidOfCourse y = literal.voidOfCourse(b.at(i));
            QCOMPARE(x.end, a.at(i));
            QVERIFY2(
                x.start.secsTo(y.start) >= 0 && x.start.secsTo(y.start) <= 180,
                qPrintable(x.start.toString(Qt::ISODate) + " " + y.start.toString(Qt::ISODate)));
            QCOMPARE(x.zodiac, y.zodiac);
        }
        // A cancelled scan and an empty range find nothing.
        std::atomic<bool> cancel{true};
        QList<QDateTime> none;
        fast.zodiacChanges(from, to, none, &cancel);
        fast.zodiacChanges(from, from.addDays(-1), none);
        QVERIFY(none.isEmpty());

        // Phase instants: the literal search to the second lies within the exact minute.
        const double jd0 = astro::julianDay(from);
        for (double jd = jd0; jd < jd0 + 30.0; jd += 1.37) {
            const QDateTime t = astro::localTime(jd);
            for (double target : {0.0, 0.25, 0.5, 0.75}) {
                for (bool backwards : {false, true}) {
                    const QDateTime minute = backwards ? fast.prevPhase(t, target, 86400)
                                                       : fast.nextPhase(t, target, 86400);
                    const double off
                        = (literal.phaseTime(astro::julianDay(t), target, 86400, backwards)
                           - astro::julianDay(minute))
                          * 86400.0;
                    QVERIFY2(
                        off > -1.0 && off < 61.0,
                        qPrintable(QStringLiteral("%1 %2: %3 s").arg(jd).arg(target).arg(off)));
                }
            }
        }
    }

    // Every moment between two events names the same minutes: the instants hold still.
    void instantsHoldStill()
    {
        Calculation c;
        const QDateTime first(QDate(2027, 2, 3), QTime(10, 0), Qt::UTC);
        std::unique_ptr<Ephemeris> a(c.computeEphemeris(first));
        for (int minutes : {1, 197, 2000, 4000}) {
            std::unique_ptr<Ephemeris> b(c.computeEphemeris(first.addSecs(60 * minutes)));
            QCOMPARE(b->nextNewMoon(), a->nextNewMoon());
            QCOMPARE(b->nextFirstQuarter(), a->nextFirstQuarter());
            QCOMPARE(b->nextFullMoon(), a->nextFullMoon());
            QCOMPARE(b->nextThirdQuarter(), a->nextThirdQuarter());
            QCOMPARE(b->prevFullMoon(), a->prevFullMoon());
        }
    }

    // The search back is bounded: when the last aspect lies beyond the bound, the interval is
    // invalid and a line says so.
    void voidWalkIsBounded()
    {
        Calculation fast, literal;
        literal.setAlgorithm(Calculation::Algorithm::Literal);
        QList<QDateTime> changes;
        fast.zodiacChanges(local(2026, 6, 1), local(2026, 6, 20), changes);
        QVERIFY(!changes.isEmpty());
        for (Calculation *c : {&fast, &literal}) {
            const QDateTime ingress = changes.first();
            const astro::VoidOfCourse full = c->voidOfCourse(ingress);
            const int minutes = int(full.start.secsTo(ingress) / 60);
            QVERIFY(minutes >= 2);
            QCOMPARE(c->voidOfCourse(ingress, minutes).start, full.start);
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
