// Where the Moon's lit limb lies as the observer sees it, against the textbook formulas written
// out here: the position angle of the bright limb from the Moon's and the Sun's apparent right
// ascension and declination, less the parallactic angle from the hour angle, the latitude and the
// declination, with the sidereal time from its polynomial. Only the two apparent places come from
// the library. And the moon picture turned as the observer sees the Moon.
#include "astro/rules.h"
#include "astro/sky.h"
#include "enginetest.h"

#include <QtTest>

#include <cmath>

namespace {

// Degrees: the engine's angle against the formulas'.
constexpr double LimbTolerance = 1.0;
// Degrees: the picture's lit side, turned for the hemisphere only, against the Moon's when it
// crosses the meridian. The ecliptic and the Moon's latitude tilt the limb by up to some 30
// degrees from the horizontal there.
constexpr double HemisphereTolerance = 45.0;
// Near the zenith the parallactic angle is undefined; moments within this many degrees of it are
// left out.
constexpr double NearZenith = 2.0;

constexpr double Rad = M_PI / 180.0;

double wrapped(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    if (degrees > 180.0)
        degrees -= 360.0;
    if (degrees <= -180.0)
        degrees += 360.0;
    return degrees;
}

// Greenwich mean sidereal time of a UT1 Julian day, degrees; the apparent one differs by the
// equation of the equinoxes, at most 0.005 degrees.
double meanSiderealTime(double jd)
{
    const double t = (jd - 2451545.0) / 36525.0;
    return 280.46061837 + 360.98564736629 * (jd - 2451545.0) + 0.000387933 * t * t
           - t * t * t / 38710000.0;
}

struct Expected
{
    double angle;
    double zenithDistance;
};

Expected formulas(const astro::Position &observer, double jd)
{
    const astro::Position moon = astro::calcEquatorial(astro::Planet::MOON, jd, observer);
    const astro::Position sun = astro::calcEquatorial(astro::Planet::SUN, jd, observer);
    const double a = moon.longitude() * Rad, d = moon.latitude() * Rad;
    const double a0 = sun.longitude() * Rad, d0 = sun.latitude() * Rad;
    const double phi = observer.latitude() * Rad;
    // Position angle of the bright limb, from the north point eastwards.
    const double chi
        = std::atan2(std::cos(d0) * std::sin(a0 - a),
                     std::sin(d0) * std::cos(d) - std::cos(d0) * std::sin(d) * std::cos(a0 - a));
    const double h = (meanSiderealTime(jd) + observer.longitude()) * Rad - a;
    // Parallactic angle: the position angle of the zenith.
    const double q
        = std::atan2(std::sin(h), std::tan(phi) * std::cos(d) - std::sin(d) * std::cos(h));
    const double altitude
        = std::asin(std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h));
    return {wrapped((chi - q) / Rad), 90.0 - altitude / Rad};
}

void addPlaces()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::newRow("Berlin") << 52.52 << 13.40;
    QTest::newRow("Tromso, high north") << 69.65 << 18.96;
    QTest::newRow("Sydney") << -33.87 << 151.21;
    QTest::newRow("Cape Town") << -33.92 << 18.42;
    QTest::newRow("Ushuaia, far south") << -54.80 << -68.30;
}

} // namespace

class TestSky : public QObject
{
    Q_OBJECT

    double m_worst = 0.0;

private slots:
    void initTestCase() { startEngine(); }
    void cleanupTestCase()
    {
        qInfo("bright limb: largest difference from the formulas %.4f degrees", m_worst);
    }

    void brightLimbAngle_data()
    {
        addPlaces();
        QTest::newRow("Quito, on the equator") << -0.18 << -78.47;
        QTest::newRow("Sao Paulo, in the tropics") << -23.55 << -46.63;
        QTest::newRow("McMurdo, polar") << -77.85 << 166.67;
    }

    // Every 31 hours over two lunations, the Moon above the horizon or not; and the picture turned
    // as in the sky has its lit side there.
    void brightLimbAngle()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const astro::Sky sky{astro::Planet::MOON, astro::Position(longitude, latitude, 0.0),
                             astro::Zone::system()};
        const double start = astro::julianDay(QDateTime(QDate(2027, 3, 1), QTime(0, 0), Qt::UTC));
        int checked = 0;
        for (double jd = start; jd < start + 59.0; jd += 31.0 / 24.0) {
            const Expected expected = formulas(sky.observer, jd);
            if (expected.zenithDistance < NearZenith)
                continue;
            const double angle = astro::brightLimbAngle(sky, jd);
            QVERIFY2(angle > -180.0 && angle <= 180.0, qPrintable(QString::number(angle)));
            const double error = std::fabs(wrapped(angle - expected.angle));
            m_worst = std::max(m_worst, error);
            QVERIFY2(error <= LimbTolerance, qPrintable(QStringLiteral("jd %1: %2 against %3")
                                                            .arg(jd, 0, 'f', 4)
                                                            .arg(angle)
                                                            .arg(expected.angle)));
            const double phase = astro::phaseOf(sky, jd);
            const double litSide
                = astro::drawnLitSide(phase) + astro::pictureTurnInSky(phase, angle);
            QVERIFY(std::fabs(wrapped(litSide - expected.angle)) <= LimbTolerance);
            ++checked;
        }
        QVERIFY(checked > 40);
    }

    void hemisphereTurn_data() { addPlaces(); }

    // Crossing the meridian, the Moon shows the side the picture, turned for the hemisphere only,
    // has lit: the right side while waxing in the north, the left side in the south.
    void hemisphereTurn()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const astro::Sky sky{astro::Planet::MOON, astro::Position(longitude, latitude, 0.0),
                             astro::Zone::system()};
        const QDateTime newMoon
            = astro::phaseMinute(sky, QDateTime(QDate(2027, 3, 1), QTime(0, 0), Qt::UTC), 0.0,
                                 astro::Direction::Forward);
        for (int day = 3; day <= 27; day += 4) {
            const QDateTime transit = astro::horizonEventAfter(
                sky, astro::HorizonEvent::UpperTransit, astro::julianDay(newMoon.addDays(day)));
            QVERIFY(transit.isValid());
            const double jd = astro::julianDay(transit);
            const double phase = astro::phaseOf(sky, jd);
            const double shown = astro::drawnLitSide(phase) + astro::pictureTurn(latitude);
            const double seen = formulas(sky.observer, jd).angle;
            QVERIFY2(
                std::fabs(wrapped(shown - seen)) <= HemisphereTolerance,
                qPrintable(QStringLiteral("day %1, phase %2: picture lit at %3, the Moon at %4")
                               .arg(day)
                               .arg(phase)
                               .arg(shown)
                               .arg(seen)));
        }
    }
};

QTEST_GUILESS_MAIN(TestSky)
#include "tst_sky.moc"
