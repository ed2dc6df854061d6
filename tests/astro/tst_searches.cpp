// The searches against the reference (the literal walks of tests/reference), each comparison
// with the rule it holds: a literal ingress is the first whole minute with the new sign, so it is
// the exact minute or the next; a literal void starts at the first minute, walking back, at
// which the Moon is within 0.01 degrees of an aspect, so from the exact minute up to the few
// minutes the Moon takes for 0.01 degrees; a literal phase instant found to the second lies
// within the exact minute.

#include "astro/library.h"
#include "astro/rules.h"
#include "astro/searches.h"
#include "enginetest.h"
#include "reference.h"

#include <QtTest>

#include <cmath>

using astro::Direction;
using astro::Position;
using astro::Sky;

namespace {

constexpr qint64 MinuteInSeconds = 60;
// 0.01 degrees at the slowest the Moon gains on a body, about 4 degrees a day, takes 3.6
// minutes.
constexpr qint64 AspectToleranceSeconds = 4 * MinuteInSeconds;
// The halving search to the second may stop up to a second before the instant.
constexpr double PhaseSlackSeconds = 1.0;

Sky moonAt(double latitude, double longitude)
{
    return {astro::Planet::MOON, Position(longitude, latitude, 0.0), astro::Zone(QTimeZone::utc())};
}

QDateTime utc(int y, int m, int d)
{
    return QDateTime(QDate(y, m, d), QTime(0, 0), Qt::UTC);
}

} // namespace

class TestSearches : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startEngine(); }

    void places_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QDateTime>("from");
        QTest::newRow("Paris") << 48.85 << 2.35 << utc(2026, 9, 1);
        QTest::newRow("Sydney") << -33.87 << 151.21 << utc(2027, 1, 1);
        // Near 64 north the Moon may not rise, and the topocentric Moon slows and speeds most.
        QTest::newRow("Reykjavik") << 64.15 << -21.94 << utc(2026, 9, 1);
    }

    void ingressesAndVoids_data() { places_data(); }
    void ingressesAndVoids()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QDateTime, from);
        const Sky sky = moonAt(latitude, longitude);
        const QDateTime to = from.addMonths(1);
        const QVector<astro::Ingress> exact
            = astro::ingresses(sky, astro::julianDay(from), astro::julianDay(to));
        const QList<QDateTime> literal = reference::zodiacChanges(sky, from, to);
        QCOMPARE(exact.size(), literal.size());
        QVERIFY(exact.size() >= 12);
        int aspectAfterIngress = 0;
        for (int i = 0; i < exact.size(); ++i) {
            const QDateTime minute = astro::ingressMinute(sky, exact.at(i));
            const qint64 late = minute.secsTo(literal.at(i));
            QVERIFY2(late >= 0 && late <= MinuteInSeconds,
                     qPrintable(minute.toString(Qt::ISODate) + " " + literal.at(i).toString()));
            QCOMPARE(exact.at(i).sign, astro::signAt(sky, exact.at(i).instant + 1e-4));

            const astro::VoidOfCourse x = astro::voidBefore(sky, exact.at(i));
            const astro::VoidOfCourse y = reference::voidOfCourse(sky, literal.at(i));
            QCOMPARE(x.end, minute);
            QCOMPARE(x.zodiac, y.zodiac);
            const qint64 startLate = x.start.secsTo(y.start);
            if (startLate >= 0 && startLate <= AspectToleranceSeconds)
                continue;
            // The literal walk starts inside the ingress minute, where an aspect that becomes
            // exact only after the ingress is already within its tolerance: it ends there, the
            // exact search looks further back.
            QVERIFY2(startLate > 0 && y.start.secsTo(y.end) <= 2 * MinuteInSeconds,
                     qPrintable(x.start.toString(Qt::ISODate) + " " + y.start.toString()));
            ++aspectAfterIngress;
        }
        qInfo("%d ingresses, %d voids whose last aspect the literal walk took after the ingress",
              int(exact.size()), aspectAfterIngress);
    }

    void phases_data() { places_data(); }
    void phases()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QDateTime, from);
        const Sky sky = moonAt(latitude, longitude);
        const double jd0 = astro::julianDay(from);
        for (double jd = jd0; jd < jd0 + 30.0; jd += 1.37) {
            const astro::PhaseInstants instants(sky, jd);
            for (double target : {0.0, 0.25, 0.5, 0.75}) {
                for (bool backwards : {false, true}) {
                    const Direction direction
                        = backwards ? Direction::Backward : Direction::Forward;
                    const QDateTime minute = instants.minute(target, direction);
                    const double off = (reference::phaseTime(sky, jd, target, 86400, backwards)
                                        - astro::julianDay(minute))
                                       * astro::SecondsPerDay;
                    QVERIFY2(
                        off > -PhaseSlackSeconds && off < MinuteInSeconds + PhaseSlackSeconds,
                        qPrintable(QStringLiteral("%1 %2: %3 s").arg(jd).arg(target).arg(off)));
                    // The instant itself lies on the right side of the moment.
                    const double t = instants.instant(target, direction);
                    QVERIFY(backwards ? t <= jd : t >= jd);
                }
            }
        }
    }

    // A body that turns back: every crossing, forwards and backwards, as the hourly scan finds it.
    void retrogradeIngresses()
    {
        const Sky mercury{astro::Planet::MERCURY, Position(2.35, 48.85, 0.0),
                          astro::Zone(QTimeZone::utc())};
        // 2025: Mercury turns back over the boundaries of Aries and of Sagittarius.
        const QDateTime from = utc(2025, 1, 1), to = utc(2026, 1, 1);
        const QVector<astro::Ingress> exact
            = astro::ingresses(mercury, astro::julianDay(from), astro::julianDay(to));
        const QList<QDateTime> literal = reference::zodiacChanges(mercury, from, to);
        QCOMPARE(exact.size(), literal.size());
        int backwards = 0;
        for (int i = 0; i < exact.size(); ++i) {
            const qint64 late = astro::ingressMinute(mercury, exact.at(i)).secsTo(literal.at(i));
            QVERIFY(late >= 0 && late <= MinuteInSeconds);
            backwards += exact.at(i).forward ? 0 : 1;
        }
        QVERIFY(backwards >= 2);
    }

    // The elongation of a planet turns back: its phase instants are the crossings found by
    // stepping, or none where the planet never reaches the phase.
    void planetPhase()
    {
        const Sky venus{astro::Planet::VENUS, Position(2.35, 48.85, 0.0),
                        astro::Zone(QTimeZone::utc())};
        const double jd = astro::julianDay(utc(2026, 3, 1));
        const astro::PhaseInstants instants(venus, jd);
        const double conjunction = instants.instant(0.0, Direction::Forward);
        QVERIFY(conjunction > jd && conjunction < jd + 600.0);
        const double p = astro::phaseOf(venus, conjunction);
        QVERIFY(std::min(p, 1.0 - p) < 1e-6);
        // Venus never stands opposite the Sun.
        QVERIFY(std::isnan(instants.instant(0.5, Direction::Forward)));
        QVERIFY(!instants.minute(0.5, Direction::Forward).isValid());
    }

    // A cancelled scan and an empty range find nothing.
    void nothingToFind()
    {
        const Sky sky = moonAt(48.85, 2.35);
        const double from = astro::julianDay(utc(2026, 9, 1));
        std::atomic<bool> cancel{true};
        QVERIFY(astro::ingresses(sky, from, from + 30.0, &cancel).isEmpty());
        QVERIFY(astro::ingresses(sky, from, from - 1.0).isEmpty());
    }

    // The search back is bounded: when the last aspect lies beyond the bound, the interval is
    // invalid and a line says so.
    void voidIsBounded()
    {
        const Sky sky = moonAt(48.85, 2.35);
        const double from = astro::julianDay(utc(2026, 6, 1));
        const astro::Ingress ingress = astro::ingresses(sky, from, from + 5.0).value(0);
        const astro::VoidOfCourse full = astro::voidBefore(sky, ingress);
        const int minutes = int(full.start.secsTo(full.end) / MinuteInSeconds);
        QVERIFY(minutes >= 2);
        QCOMPARE(astro::voidBefore(sky, ingress, minutes).start, full.start);
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression(QStringLiteral("^no lunar aspect within")));
        const astro::VoidOfCourse cut = astro::voidBefore(sky, ingress, minutes - 1);
        QCOMPARE(cut.zodiac, -1);
        QVERIFY(!cut.start.isValid() && !cut.end.isValid());
    }
};

QTEST_GUILESS_MAIN(TestSearches)
#include "tst_searches.moc"
