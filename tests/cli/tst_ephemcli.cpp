// vendarion-ephem as a user runs it: JSON on success, one line and status 2 on bad input.

#include "astro/calculation.h"
#include "astro/library.h"
#include "cli/json.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <memory>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QStringList &arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vendarion-ephem"),
                  arguments);
    Run r;
    if (!process.waitForFinished(60000))
        return r;
    r.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = process.readAllStandardOutput();
    r.err = process.readAllStandardError();
    return r;
}

} // namespace

class TestEphemCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { astro::setupEphemeris(); }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unparsable date") << QStringList{"--at", "yesterday"};
        QTest::newRow("month 13") << QStringList{"--at", "2026-13-01 10:00"};
        QTest::newRow("outside the data files") << QStringList{"--at", "1700-01-01 00:00"};
        QTest::newRow("latitude 91") << QStringList{"--lat", "91"};
        QTest::newRow("longitude -180.5") << QStringList{"--lon=-180.5"};
        QTest::newRow("latitude not a number") << QStringList{"--lat", "nan"};
        QTest::newRow("missing value") << QStringList{"--lon"};
        QTest::newRow("unknown option") << QStringList{"--moon", "1"};
        QTest::newRow("unknown command") << QStringList{"eclipse"};
    }
    void badInput()
    {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.startsWith("vendarion-ephem: "));
    }

    // The program prints what the engine computes, every property, times with their offset.
    void ephemeris()
    {
        const Run r
            = run({"--at", "2026-07-14 21:30", "--lat", "48.85", "--lon", "2.35", "--alt", "35"});
        QCOMPARE(r.status, 0);
        const QJsonObject json = QJsonDocument::fromJson(r.out).object();

        astro::Calculation c;
        c.setObserver(astro::Position(2.35, 48.85, 35));
        std::unique_ptr<astro::Ephemeris> e(
            c.computeEphemeris(QDateTime(QDate(2026, 7, 14), QTime(21, 30), Qt::LocalTime)));
        QCOMPARE(json, cli::propertiesOf(e.get()));
        QCOMPARE(json.value("time").toString(), QStringLiteral("2026-07-14T21:30:00+02:00"));
        QCOMPARE(json.size(), e->metaObject()->propertyCount() - 1); // less objectName
        QCOMPARE(json.value("voidZodiac").isDouble(), true);
    }
};

QTEST_GUILESS_MAIN(TestEphemCli)
#include "tst_ephemcli.moc"
