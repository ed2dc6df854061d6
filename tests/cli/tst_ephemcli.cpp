// vendarion-ephem as a user runs it: JSON on success, one line and status 2 on bad input.

#include "astro/calculation.h"
#include "astro/calendarmodel.h"
#include "astro/compute.h"
#include "astro/library.h"
#include "astro/module.h"
#include "astro/searchmodel.h"
#include "cli/json.h"
#include "ical/calendarexport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QStringList &arguments, const QString &outputFile = QString())
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
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
    void initTestCase()
    {
        astro::setupEphemeris();
        astro::registerMetaTypes();
        m_calculation.setObserver(astro::Position(2.35, 48.85, 0));
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unparsable date") << QStringList{"--at", "yesterday"};
        QTest::newRow("outside the data files") << QStringList{"--at", "1700-01-01 00:00"};
        QTest::newRow("latitude 91") << QStringList{"--lat", "91"};
        QTest::newRow("latitude not a number") << QStringList{"--lat", "nan"};
        QTest::newRow("missing value") << QStringList{"--lon"};
        QTest::newRow("unknown option") << QStringList{"--moon", "1"};
        QTest::newRow("unknown command") << QStringList{"eclipse"};
        QTest::newRow("calendar without month") << QStringList{"calendar", "--lat", "1"};
        QTest::newRow("search without from") << QStringList{"search", "--lunar-day", "3"};
        QTest::newRow("lunar day 31")
            << QStringList{"search", "--from", "2027-01-01", "--lunar-day", "31"};
        QTest::newRow("unknown sign")
            << QStringList{"search", "--from", "2027-01-01", "--sign", "ophiuchus"};
        QTest::newRow("places without a name") << QStringList{"places", "--results", "3"};
        QTest::newRow("ics to before from")
            << QStringList{"ics", "--from=2027-03-02", "--to=2027-03-01"};
        QTest::newRow("ics over ten years")
            << QStringList{"ics", "--from=2027-01-01", "--to=2037-01-01"};
        QTest::newRow("ics unknown kind")
            << QStringList{"ics", "--from=2027-01-01", "--to=2027-01-31", "--events=void,tides"};
        QTest::newRow("eclipses without to") << QStringList{"eclipses", "--from=2027-01-01"};
        QTest::newRow("apsides over fifty years")
            << QStringList{"apsides", "--from=2000-01-01", "--to=2050-01-01"};
        QTest::newRow("pdf without a file") << QStringList{"pdf", "--from=2027-03", "--to=2027-04"};
        QTest::newRow("pdf, a day for a month")
            << QStringList{"pdf", "--from=2027-03-05", "--to=2027-04", "--output=x.pdf"};
        QTest::newRow("pdf over 120 months")
            << QStringList{"pdf", "--from=2027-01", "--to=2037-01", "--output=x.pdf"};
        QTest::newRow("pdf to before from")
            << QStringList{"pdf", "--from=2027-04", "--to=2027-03", "--output=x.pdf"};
        QTest::newRow("pdf unknown language") << QStringList{
            "pdf", "--from=2027-03", "--to=2027-03", "--output=x.pdf", "--language=la"};
        QTest::newRow("ics unknown language")
            << QStringList{"ics", "--from", "2027-03-01", "--to", "2027-03-02", "--language", "pt"};
        QTest::newRow("events without to") << QStringList{"events", "--from=2027-03-01"};
        QTest::newRow("alarm on events")
            << QStringList{"events", "--from=2027-03-01", "--to=2027-03-02", "--alarm=15"};
        QTest::newRow("alarm beyond a week")
            << QStringList{"ics", "--from=2027-03-01", "--to=2027-03-02", "--alarm=10081"};
        QTest::newRow("alarm not a number")
            << QStringList{"ics", "--from=2027-03-01", "--to=2027-03-02", "--alarm=soon"};
        QTest::newRow("unknown zone") << QStringList{"calendar", "2027-03", "--zone", "Mars/Base"};
        QTest::newRow("zone outside the zone folder")
            << QStringList{"calendar", "2027-03", "--zone", "../../etc/passwd"};
        QTest::newRow("places, empty name") << QStringList{"places", ""};
        QTest::newRow("places, marks alone") << QStringList{"places", "\u0301\u0308"};
        QTest::newRow("places, blanks alone") << QStringList{"places", "  "};
        for (const char *zone : {"ABC-5:30", "<+14>-14", "EST5", "./Europe/Paris", "Europe//Paris",
                                 "localtime", "right/Europe/Paris", "UTC+5"})
            QTest::newRow(zone) << QStringList{"--zone", zone};
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

    // One rule on the UTC clock, whatever zone the moment is read in; refusals name the range.
    void dataRangeEdges()
    {
        QCOMPARE(run({"--at", "1800-01-01 00:10", "--zone", "UTC"}).status, 0);
        QCOMPARE(run({"--at", "1800-01-01 09:10", "--zone", "Asia/Tokyo"}).status, 0);
        QCOMPARE(run({"--at", "2399-12-31 23:59", "--zone", "UTC"}).status, 0);
        QCOMPARE(run({"--at", "1800-01-01 00:05", "--zone", "Asia/Tokyo"}).status, 2); // 1799 UTC
        QCOMPARE(run({"--at", "2399-12-31 23:55", "--zone", "America/Los_Angeles"}).status, 2);
        const Run first = run({"--at", "1800-01-01 00:05", "--zone", "UTC"});
        QCOMPARE(first.err, "vendarion-ephem: invalid date '1800-01-01 00:05' (\"YYYY-MM-DD "
                            "HH:MM\", from 1800-01-01 00:10 to 2399-12-31 23:59 UTC)\n");
        QVERIFY(run({"--help"}).out.contains("1800-01-01 00:10 to 2399-12-31 23:59 UTC"));
    }

    // Output that does not reach its file (a full disk) is a failure, said in one line.
    void outputLost()
    {
        for (const QStringList &arguments :
             {QStringList{"calendar", "2027-03"}, QStringList{"--help"},
              QStringList{"ics", "--from=2027-03-01", "--to=2027-03-31"}}) {
            const Run r = run(arguments, QStringLiteral("/dev/full"));
            QCOMPARE(r.status, 1);
            QVERIFY2(r.err.count('\n') == 1 && r.err.contains("could not be written to standard"),
                     r.err.constData());
        }
    }

    // A location is iCalendar text, which holds no control character: line breaks and tabs
    // become blanks, the others go, and a name of nothing else leaves the coordinates.
    void icsLocation()
    {
        const QList<QPair<QString, QByteArray>> names
            = {{"Par\u0001is\u001b[31m\u007f\u009b\nNord\tEst", "Paris[31m Nord Est"},
               {"\u0001\u0002", "48.8500\\, 2.3500"}};
        for (const auto &[name, location] : names) {
            const QByteArray out = run({"ics", "--from=2027-03-01", "--to=2027-03-03",
                                        "--lat=48.85", "--lon=2.35", "--name", name})
                                       .out;
            QVERIFY(out.contains("\nLOCATION:"));
            QCOMPARE(out.count("\nLOCATION:"), out.count("\nLOCATION:" + location + "\r\n"));
        }
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
        std::unique_ptr<astro::Ephemeris> e(astro::computeEphemeris(
            c.sky(), QDateTime(QDate(2026, 7, 14), QTime(21, 30), Qt::LocalTime)));
        QCOMPARE(json, cli::propertiesOf(e.get()));
        QVERIFY(json.contains("brightLimbAngle"));
        QCOMPARE(json.value("time").toString(), QStringLiteral("2026-07-14T21:30:00+02:00"));
        QCOMPARE(json.size(), e->metaObject()->propertyCount() - 1); // less objectName
        QCOMPARE(json.value("voidZodiac").isDouble(), true);

        // Read and shown on another zone's clock: the same wall-clock time, Tokyo's offset.
        const Run tokyo = run({"--at", "2026-07-14 21:30", "--zone", "Asia/Tokyo"});
        QCOMPARE(QJsonDocument::fromJson(tokyo.out).object().value("time").toString(),
                 QStringLiteral("2026-07-14T21:30:00+09:00"));
        // The tz database's Etc/ zones are not in the system's list but are zones all the same.
        const Run etc = run({"--at", "2026-07-14 21:30", "--zone", "Etc/GMT-3"});
        QCOMPARE(QJsonDocument::fromJson(etc.out).object().value("time").toString(),
                 QStringLiteral("2026-07-14T21:30:00+03:00"));
        // And a fixed offset as the usage writes it.
        const Run offset = run({"--at", "2026-07-14 21:30", "--zone", "UTC+05:30"});
        QCOMPARE(QJsonDocument::fromJson(offset.out).object().value("time").toString(),
                 QStringLiteral("2026-07-14T21:30:00+05:30"));
    }

    // The calendar sub-command prints the model's grid.
    void calendar()
    {
        const Run r = run({"calendar", "2027-03", "--lat", "48.85", "--lon", "2.35"});
        QCOMPARE(r.status, 0);
        const QJsonArray days = QJsonDocument::fromJson(r.out).array();
        QCOMPARE(days.size(), 42);

        astro::CalendarModel model;
        model.setCalculation(&m_calculation);
        model.setActiveMonth(QDate(2027, 3, 1));
        model.waitForRuns();
        int voids = 0;
        for (int i = 0; i < 42; ++i) {
            const QJsonObject day = days.at(i).toObject();
            const astro::CalendarEntry entry = model.entry(i);
            QCOMPARE(day.value("date").toString(), entry.first.time.date().toString(Qt::ISODate));
            QCOMPARE(day.value("lunarDayStart").toInt(), entry.first.lunarDay);
            QCOMPARE(day.value("lunarDayEnd").toInt(), entry.second.lunarDay);
            QCOMPARE(day.value("signStart").toString(), signName(entry.first.zodiac));
            QCOMPARE(day.value("signEnd").toString(), signName(entry.second.zodiac));
            if (entry.first.voidZodiac < 0) {
                QVERIFY(day.value("void").isNull());
                continue;
            }
            ++voids;
            const QJsonObject v = day.value("void").toObject();
            QCOMPARE(v.value("start").toString(),
                     cli::dateTimeValue(entry.first.voidStart).toString());
            QCOMPARE(v.value("end").toString(), cli::dateTimeValue(entry.first.voidEnd).toString());
            QCOMPARE(v.value("sign").toString(), signName(entry.first.voidZodiac));
        }
        QVERIFY(voids >= 15);
        QCOMPARE(days.at(0).toObject().value("date").toString(), QStringLiteral("2027-02-22"));
    }

    // The search sub-command prints the model's hits, in order.
    void search()
    {
        const Run r = run({"search", "--from", "2026-01-01", "--lunar-day", "15", "--sign",
                           "Taurus", "--results", "3", "--lat", "48.85", "--lon", "2.35"});
        QCOMPARE(r.status, 0);
        const QJsonArray hits = QJsonDocument::fromJson(r.out).array();
        QCOMPARE(hits.size(), 3);

        astro::SearchModel model;
        model.setCalculation(&m_calculation);
        QList<astro::Ephemeris *> expected;
        QObject::connect(
            &model, &astro::SearchModel::searchResult, &model,
            [&](astro::Ephemeris *e, bool) { expected.append(e); }, Qt::DirectConnection);
        model.search(QDateTime(QDate(2026, 1, 1), QTime(0, 0)), 15, 1, 3);
        model.waitForSearches();
        QCOMPARE(expected.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QJsonObject hit = hits.at(i).toObject();
            QCOMPARE(hit.value("date").toString(),
                     expected.at(i)->time().date().toString(Qt::ISODate));
            QCOMPARE(hit.value("lunarDay").toInt(), 15);
            QCOMPARE(hit.value("sign").toString(), QStringLiteral("taurus"));
            QCOMPARE(hit.value("phase").toDouble(), expected.at(i)->phase());
            QCOMPARE(hit.value("timeout").toBool(), false);
        }
        qDeleteAll(expected);

        const Run none = run({"search", "--from", "2026-01-01", "--results", "0"});
        QCOMPARE(none.status, 0);
        QCOMPARE(QJsonDocument::fromJson(none.out).array().size(), 0);
    }

    // The eclipses of the days, by their greatest eclipse, with what the place sees: here an
    // annular and a total eclipse it misses, a solar one it sees partly, a partial lunar one;
    // then the apsides of a month.
    void eclipsesAndApsides()
    {
        const Run r = run({"eclipses", "--from=2026-02-01", "--to=2026-08-31", "--lat=48.85",
                           "--lon=2.35", "--zone=Europe/Paris"});
        QCOMPARE(r.status, 0);
        const QJsonArray found = QJsonDocument::fromJson(r.out).array();
        QCOMPARE(found.size(), 4);
        const QJsonObject annular = found.at(0).toObject(), total = found.at(1).toObject(),
                          solar = found.at(2).toObject(), partial = found.at(3).toObject();
        QCOMPARE(annular.value("type").toString() + annular.value("body").toString(), "annularsun");
        QVERIFY(annular.value("local").isNull() && !annular.value("visible").toBool());
        QCOMPARE(total.value("maximum").toString(), "2026-03-03T12:33:00+01:00");
        QCOMPARE(total.value("local").toObject().keys(),
                 QStringList({"partialBegin", "partialEnd", "penumbralBegin", "penumbralEnd",
                              "totalBegin", "totalEnd"}));
        QCOMPARE(total.value("magnitude").toDouble(), 1.1507);
        QCOMPARE(solar.value("local").toObject(),
                 QJsonObject({{"begin", "2026-08-12T19:22:00+02:00"},
                              {"maximum", "2026-08-12T20:17:00+02:00"},
                              {"end", "2026-08-12T21:09:00+02:00"},
                              {"obscuration", 0.9213}}));
        QVERIFY(solar.value("visible").toBool() && partial.value("visible").toBool());
        QCOMPARE(partial.value("local").toObject().size(), 4);

        const Run a = run({"apsides", "--from=2026-03-01", "--to=2026-03-31", "--zone=UTC"});
        QCOMPARE(QJsonDocument::fromJson(a.out).array(),
                 QJsonArray({QJsonObject({{"kind", "apogee"},
                                          {"time", "2026-03-10T13:43:00Z"},
                                          {"distanceKm", 404384}}),
                             QJsonObject({{"kind", "perigee"},
                                          {"time", "2026-03-22T11:39:00Z"},
                                          {"distanceKm", 366857}})}));
    }

    // The places sub-command prints the ranked places with their population and zone.
    void places()
    {
        const Run r = run({"places", "BERLIN", "--results", "2"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QByteArray());
        const QJsonArray found = QJsonDocument::fromJson(r.out).array();
        QCOMPARE(found.size(), 2);
        QCOMPARE(found.at(0).toObject(), QJsonObject({{"name", "Berlin"},
                                                      {"region", "State of Berlin"},
                                                      {"country", "Germany"},
                                                      {"latitude", 52.52437},
                                                      {"longitude", 13.41053},
                                                      {"population", 3426354},
                                                      {"zone", "Europe/Berlin"}}));
    }

    // The events as JSON: the voids of the month the calendar shows, and its phases, instants.
    void events()
    {
        const QStringList place = {"--lat=48.85", "--lon=2.35"};
        const QJsonArray events
            = QJsonDocument::fromJson(run(QStringList{"events", "--from=2027-03-01",
                                                      "--to=2027-03-31", "--events=void,phase"}
                                          + place)
                                          .out)
                  .array();
        QSet<QString> listed;
        int phases = 0;
        for (const QJsonValue &e : events) {
            const QJsonObject event = e.toObject();
            QVERIFY(event.value("summary").toString().startsWith(
                event.value("kind") == "void" ? "Moon void" : ""));
            if (event.value("kind") == "phase" && event.value("end").isNull())
                ++phases;
            else
                listed << event.value("start").toString() + event.value("end").toString();
        }
        QVERIFY(phases >= 4);
        const QJsonArray days
            = QJsonDocument::fromJson(run(QStringList{"calendar", "2027-03"} + place).out).array();
        for (const QJsonValue &day : days) {
            const QJsonObject v = day.toObject().value("void").toObject();
            if (v.value("start").toString().startsWith("2027-03"))
                QVERIFY(listed.contains(v.value("start").toString() + v.value("end").toString()));
        }
    }

    // The window's export writes what the command line prints, byte for byte, in each
    // language of the interface; a file that cannot be written is reported, not claimed.
    void icsWindowMatches_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("newMoon");
        QTest::newRow("English, the default") << ""
                                              << "SUMMARY:New moon";
        QTest::newRow("German") << "de"
                                << "SUMMARY:Neumond";
        QTest::newRow("Russian") << "ru"
                                 << "SUMMARY:Новолуние";
    }
    void icsWindowMatches()
    {
        QFETCH(QString, language);
        QFETCH(QString, newMoon);
        qputenv("SOURCE_DATE_EPOCH", "1767225600");
        ical::CalendarExport exporter;
        exporter.setCalculation(&m_calculation);
        QSignalSpy finished(&exporter, &ical::CalendarExport::finished);
        QTemporaryDir dir;
        for (const char *name : {"moon", "none/moon.ics"}) {
            QVERIFY(exporter.start(QUrl::fromLocalFile(dir.filePath(name)),
                                   QDateTime(QDate(2027, 3, 1), QTime(0, 0)),
                                   QDateTime(QDate(2027, 4, 15), QTime(0, 0)), 7, "Paris",
                                   language.isEmpty() ? QStringLiteral("en") : language, 15));
            QVERIFY(finished.wait(60000));
        }
        QVERIFY(finished.at(0).at(0).toBool() && !finished.at(1).at(0).toBool());
        QVERIFY(finished.at(1).at(2).toString().contains("none/moon.ics"));
        QFile file(dir.filePath("moon.ics"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        QStringList arguments{"ics",         "--from=2027-03-01", "--to=2027-04-15", "--name=Paris",
                              "--lat=48.85", "--lon=2.35",        "--alarm=15"};
        if (!language.isEmpty())
            arguments << "--language" << language;
        QCOMPARE(written, run(arguments).out);
        QVERIFY2(written.contains(newMoon.toUtf8()), written.left(2000).constData());
    }

private:
    static QString signName(int sign)
    {
        static const char *const names[]
            = {"aries", "taurus",  "gemini",      "cancer",    "leo",      "virgo",
               "libra", "scorpio", "sagittarius", "capricorn", "aquarius", "pisces"};
        return QString::fromLatin1(names[sign]);
    }

    astro::Calculation m_calculation;
};

QTEST_GUILESS_MAIN(TestEphemCli)
#include "tst_ephemcli.moc"
