// Calendar files read back by an independent reader (the icalendar package) and compared with
// what the engine and the window's calendar show for the same place.

#include "astro/calendarmodel.h"
#include "astro/compute.h"
#include "astro/library.h"
#include "ical/calendarfile.h"

#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <ctime>
#include <memory>

// UID|start|end|summary of each event, times in UTC.
static QStringList read(const QByteArray &text)
{
    QProcess reader;
    reader.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    reader.start("/usr/bin/python3", {READ_ICS});
    reader.write(text);
    reader.closeWriteChannel();
    reader.waitForFinished(60000);
    return QString::fromUtf8(reader.readAll()).split('\n', Qt::SkipEmptyParts);
}

class TestIcal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { astro::setupEphemeris(); }

    void month_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QPointF>("place"); // longitude, latitude
        QTest::addColumn<QDate>("month");
        QTest::addColumn<int>("alarm"); // minutes before each event; none when negative
        QTest::newRow("Paris, summer time begins")
            << QByteArray("Europe/Paris") << QPointF(2.35, 48.85) << QDate(2027, 3, 1) << -1;
        // A moonset at 02:49 on the clock's second pass through 02:00 to 03:00.
        QTest::newRow("Paris, an hour twice")
            << QByteArray("Europe/Paris") << QPointF(2.35, 48.85) << QDate(2031, 10, 1) << 0;
        // Two voids begin on 20 March.
        QTest::newRow("Tokyo, no summer time")
            << QByteArray("Asia/Tokyo") << QPointF(139.69, 35.68) << QDate(2027, 3, 1) << 15;
        // Days on which the Moon neither rises nor sets.
        QTest::newRow("Tromso, UTC")
            << QByteArray("UTC") << QPointF(18.96, 69.65) << QDate(2027, 6, 1) << 1440;
    }
    void month()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QPointF, place);
        QFETCH(QDate, month);
        QFETCH(int, alarm);
        qputenv("TZ", zone); // the window's clock
        tzset();
        astro::Calculation calculation;
        ical::Request request;
        request.place = astro::Position(place.x(), place.y(), 0);
        request.zone = QTimeZone(zone);
        request.from = month;
        request.to = month.addMonths(1).addDays(-1);
        // The great days are held to the engine's own searches below.
        request.kinds = ical::AllKinds & ~(ical::Eclipse | ical::Apsis);
        request.alarmMinutes = alarm;
        // Times on a zone are read with the file's VTIMEZONE.
        const QStringList events = read(ical::exportCalendar(request).text);
        // The lunar day under way as the month begins is in the file too.
        const QDateTime begin = month.startOfDay(request.zone);
        QVERIFY(std::any_of(events.begin(), events.end(), [&](const QString &line) {
            const QStringList f = line.split('|');
            return f.at(0).contains("-lunarday")
                   && QDateTime::fromString(f.at(1), Qt::ISODate) < begin
                   && begin < QDateTime::fromString(f.at(2), Qt::ISODate);
        }));

        // Each time as the full ephemeris names it a minute before (after, for the instants it
        // counts back to and the lunar day).
        calculation.setObserver(request.place);
        QHash<QDateTime, QDateTime> voids;
        for (const QString &line : events) {
            const QStringList f = line.split('|');
            const QString kind = f.at(0).section('-', 1, 1);
            const QDateTime start = QDateTime::fromString(f.at(1), Qt::ISODate);
            const QDateTime end = QDateTime::fromString(f.at(2), Qt::ISODate);
            QCOMPARE(f.at(4), alarm < 0 ? QString() : QString::number(-60 * alarm));
            const bool ahead = QStringList{"ingress", "void", "rise", "set"}.contains(kind);
            std::unique_ptr<astro::Ephemeris> e(astro::computeEphemeris(
                calculation.sky(), (kind == "void" ? end : start).addSecs(ahead ? -60 : 60)));
            const QHash<QString, QDateTime> shown
                = {{"ingress", e->voidEnd()},
                   {"void", e->voidStart()},
                   {"rise", e->nextRising()},
                   {"set", e->nextSetting()},
                   {"newmoon", e->prevNewMoon()},
                   {"firstquarter", e->prevFirstQuarter()},
                   {"fullmoon", e->prevFullMoon()},
                   {"lastquarter", e->prevThirdQuarter()},
                   {QStringLiteral("lunarday%1").arg(e->lunarDay()), start}};
            QCOMPARE(shown.value(kind), start);
            if (kind == "void")
                voids.insert(start, end);
        }

        // The window's calendar of the month: the same voids (where two begin on one day it
        // shows the later) and as many changes of sign.
        astro::CalendarModel model;
        model.setCalculation(&calculation);
        model.setActiveMonth(month);
        model.waitForRuns();
        int ingresses = events.filter("-ingress-").size();
        for (int i = int(model.gridStart(month).daysTo(month)), n = i + month.daysInMonth(); i < n;
             ++i) {
            const astro::CalendarEntry day = model.entry(i);
            ingresses -= (day.first.zodiac != day.second.zodiac)
                         + (day.second.zodiac != model.entry(i + 1).first.zodiac);
            if (day.first.voidZodiac >= 0)
                QCOMPARE(voids.take(day.first.voidStart), day.first.voidEnd);
        }
        QCOMPARE(ingresses, 0);
        // Left: a void under way as the month begins, and one that begins on the grid's days
        // after the month.
        QVERIFY(voids.size() <= 2);
    }

    void fileName_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("name");
        QTest::newRow("a whole month")
            << QDate(2027, 3, 1) << QDate(2027, 3, 31) << "moon-2027-03.ics";
        QTest::newRow("February of a leap year")
            << QDate(2028, 2, 1) << QDate(2028, 2, 29) << "moon-2028-02.ics";
        QTest::newRow("a month less a day")
            << QDate(2027, 3, 1) << QDate(2027, 3, 30) << "moon-2027-03-01_2027-03-30.ics";
        QTest::newRow("no days") << QDate() << QDate(2027, 3, 30) << "moon.ics";
    }
    void fileName()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, name);
        QCOMPARE(ical::fileNameFor(from, to), name);
    }

    // Eclipses from their first to their last contact (at the place, for a solar eclipse seen
    // there), counted on the day of their greatest eclipse on the file's clock; apsides as
    // instants with their distance.
    void greatDays_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QPointF>("place"); // longitude, latitude
        QTest::addColumn<QDate>("month");
        QTest::addColumn<QStringList>("expected"); // kind|start|end|summary, UTC
        QTest::newRow("Paris does not see the Moon")
            << QByteArray("Europe/Paris") << QPointF(2.35, 48.85) << QDate(2026, 3, 1)
            << QStringList{"lunareclipse|2026-03-03T08:44:00+00:00|2026-03-03T14:23:00+00:00|"
                           "Total lunar eclipse, maximum 12:33, not visible here",
                           "apogee|2026-03-10T13:43:00+00:00|-|Apogee, 404384 km"};
        // Its greatest eclipse falls on 4 March there.
        QTest::newRow("Apia, past the date line")
            << QByteArray("Pacific/Apia") << QPointF(-171.76, -13.83) << QDate(2026, 3, 4)
            << QStringList{"lunareclipse|2026-03-03T08:44:00+00:00|2026-03-03T14:23:00+00:00|"
                           "Total lunar eclipse, maximum 00:33, visible here",
                           "apogee|2026-03-10T13:43:00+00:00|-|Apogee, 404384 km"};
        QTest::newRow("Paris sees the Sun partly covered")
            << QByteArray("UTC") << QPointF(2.35, 48.85) << QDate(2026, 8, 11)
            << QStringList{"solareclipse|2026-08-12T17:22:00+00:00|2026-08-12T19:09:00+00:00|"
                           "Total solar eclipse, visible here: 92 % of the Sun covered at 18:17",
                           "apogee|2026-08-22T08:20:00+00:00|-|Apogee, 404642 km"};
    }
    void greatDays()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QPointF, place);
        QFETCH(QDate, month);
        QFETCH(QStringList, expected);
        ical::Request request;
        request.place = astro::Position(place.x(), place.y(), 0);
        request.zone = QTimeZone(zone);
        request.from = month;
        request.to = month.addDays(14);
        request.kinds = ical::Eclipse | ical::Apsis;
        QStringList events;
        for (const QString &line : read(ical::exportCalendar(request).text))
            events.append(line.section('|', 0, 0).section('-', 1, 1) + '|'
                          + line.section('|', 1, 3));
        QCOMPARE(events, expected);
    }
};

QTEST_GUILESS_MAIN(TestIcal)
#include "tst_ical.moc"
