// Without the ephemeris data files (the library's path pointed at an empty folder by the test's
// environment) set-up says so once, and the engine still computes with the library's analytic
// ephemeris.

#include "astro/calculation.h"
#include "astro/compute.h"
#include "astro/library.h"

#include <QtTest>

#include <memory>

class TestFallback : public QObject
{
    Q_OBJECT

private slots:
    void analyticEphemeris()
    {
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression(QStringLiteral("^ephemeris files not found")));
        astro::setupEphemeris();
        QVERIFY(!astro::ephemerisFilesFound());
        astro::Calculation c;
        std::unique_ptr<astro::Ephemeris> e(
            astro::computeEphemeris(c.sky(), QDateTime(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC)));
        QCOMPARE(e->zodiac(), 7);
        QVERIFY(e->lunarDay() >= 1 && e->lunarDay() <= 30);
    }
};

QTEST_GUILESS_MAIN(TestFallback)
#include "tst_fallback.moc"
