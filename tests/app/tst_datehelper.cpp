#include "app/datehelper.h"

#include "common/logcapture.h"

#include <QJSEngine>
#include <QtTest>

#include <ctime>

namespace {

// This computer's zone for the length of a test function.
class ComputerZone
{
public:
    explicit ComputerZone(const QByteArray &zone)
        : m_saved(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ComputerZone()
    {
        qputenv("TZ", m_saved);
        tzset();
    }

private:
    QByteArray m_saved;
};

// What a QML binding holds when it reads a QDate property.
QDateTime readInQml(const QDate &day)
{
    QJSEngine engine;
    return engine.toScriptValue(day).toDateTime();
}

// What a QDate property holds once the scene has assigned it a Date: its day by this computer's
// clock.
QDate assignedInQml(const QDateTime &value)
{
    return value.toLocalTime().date();
}

} // namespace

class TestDateHelper : public QObject
{
    Q_OBJECT

private slots:
    void sceneDays_data()
    {
        QTest::addColumn<QByteArray>("computer");
        QTest::addColumn<QDate>("day");

        const QDate march(2027, 3, 1);
        QTest::newRow("UTC") << QByteArray("UTC") << march;
        QTest::newRow("behind UTC") << QByteArray("America/Los_Angeles") << march;
        QTest::newRow("ahead of UTC") << QByteArray("Pacific/Kiritimati") << march;
        // The clock jumps from 00:00 to 01:00: a picker's day starts at 01:00.
        QTest::newRow("no midnight") << QByteArray("America/Santiago") << QDate(2026, 9, 6);
    }

    // Every form a day takes in the scene is read as that day, on this computer's clock or
    // another's, and given back in a form that a QDate property takes as that day.
    void sceneDays()
    {
        QFETCH(QByteArray, computer);
        QFETCH(QDate, day);
        const ComputerZone zone(computer);
        const QDateTime fromQDate = readInQml(day);
        const QDateTime picked = DateHelper::pickerDay(day);
        const QString format = QStringLiteral("yyyy-MM-dd hh:mm");
        for (const QString &shown : {QString(), QStringLiteral("Asia/Tokyo")}) {
            DateHelper dates;
            dates.setTimeZone(shown);
            const QDateTime start = dates.startOfDay(fromQDate);
            QCOMPARE(start, QDate(day).startOfDay(dates.zone().timeZone()));
            for (const QDateTime &value : {fromQDate, picked, dates.dayOf(start)}) {
                QCOMPARE(DateHelper::calendarDay(value), day);
                QVERIFY(DateHelper::sameDay(value, fromQDate));
                QCOMPARE(dates.formatDay(value, QStringLiteral("yyyy-MM-dd")),
                         day.toString(Qt::ISODate));
                QCOMPARE(dates.startOfDay(value), start);
            }
            QCOMPARE(assignedInQml(dates.dayOf(start)), day);
            // A time the clock skips moves on by the skip, as a day step does.
            const QDateTime early = dates.parseDateTime(QStringLiteral("2027-02-10 00:30"), format);
            QCOMPARE(dates.format(dates.dateTimeOnDay(early, fromQDate), format),
                     dates.format(start.addSecs(30 * 60), format));
        }
        QVERIFY(!DateHelper::sameDay(picked, readInQml(day.addDays(1))));
        QVERIFY(DateHelper::sameMonth(picked, readInQml(day.addDays(-day.day() + 1))));
        QVERIFY(!DateHelper::sameMonth(picked, readInQml(day.addMonths(1))));
        QVERIFY(!DateHelper::calendarDay(QDateTime()).isValid());
        QVERIFY(!DateHelper::sameDay(QDateTime(), QDateTime()));
    }

    void shownClock_data()
    {
        QTest::addColumn<QByteArray>("computer");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("onClock");

        const QDateTime moment(QDate(2027, 3, 1), QTime(23, 30), Qt::UTC);
        QTest::newRow("this computer's, behind UTC")
            << QByteArray("America/Los_Angeles") << QString() << moment << "2027-03-01 15:30";
        QTest::newRow("a zone a day ahead of this computer's")
            << QByteArray("America/Los_Angeles") << "Asia/Tokyo" << moment << "2027-03-02 08:30";
        QTest::newRow("a zone a day behind this computer's")
            << QByteArray("Asia/Tokyo") << "America/Los_Angeles" << moment << "2027-03-01 15:30";
    }

    // A moment is shown, and its day taken, on the clock of the zone chosen, whatever this
    // computer's is; a day and a wall-clock time read back are that zone's.
    void shownClock()
    {
        QFETCH(QByteArray, computer);
        QFETCH(QString, shown);
        QFETCH(QDateTime, moment);
        QFETCH(QString, onClock);
        const ComputerZone zone(computer);
        DateHelper dates;
        dates.setTimeZone(shown);
        const QString format = QStringLiteral("yyyy-MM-dd hh:mm");
        const QDate day = QDate::fromString(onClock.left(10), Qt::ISODate);

        QCOMPARE(dates.format(moment, format), onClock);
        QCOMPARE(dates.formatLocal(moment, format), onClock);
        QCOMPARE(assignedInQml(dates.dayOf(moment)), day);
        QCOMPARE(dates.parseDateTime(onClock, format), moment);
        QCOMPARE(dates.readDateTime(onClock, format), moment);
        // The same wall-clock time on the day before, as the calendar hands that day over.
        QCOMPARE(dates.dateTimeOnDay(moment, readInQml(day.addDays(-1))), moment.addDays(-1));
        QCOMPARE(dates.format(dates.firstOfMonth(moment), format),
                 day.toString(QStringLiteral("yyyy-MM-01 00:00")));
    }

    void steps_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("months");
        QTest::addColumn<QString>("to");

        QTest::newRow("31 March back a month: the last of February")
            << "2027-03-31 10:00" << 0 << -1 << "2027-02-28 10:00";
        QTest::newRow("in a leap year") << "2028-03-31 10:00" << 0 << -1 << "2028-02-29 10:00";
        // Daylight saving time begins in Paris on 28 March 2027, at 02:00.
        QTest::newRow("a day over the change keeps the clock")
            << "2027-03-27 12:00" << 1 << 0 << "2027-03-28 12:00";
        QTest::newRow("into the skipped hour: moved on by the skip")
            << "2027-03-27 02:30" << 1 << 0 << "2027-03-28 03:30";
    }

    void steps()
    {
        QFETCH(QString, from);
        QFETCH(int, days);
        QFETCH(int, months);
        QFETCH(QString, to);
        const ComputerZone zone("UTC");
        DateHelper dates;
        dates.setTimeZone(QStringLiteral("Europe/Paris"));
        const QString format = QStringLiteral("yyyy-MM-dd hh:mm");
        const QDateTime start = dates.parseDateTime(from, format);
        const QDateTime end
            = days != 0 ? dates.addDays(start, days) : dates.addMonths(start, months);
        QCOMPARE(dates.format(end, format), to);
    }

    void timeZone_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("after");

        QTest::newRow("a named zone") << QString() << "Asia/Tokyo" << true << "Asia/Tokyo";
        QTest::newRow("the same again") << "Asia/Tokyo"
                                        << "Asia/Tokyo" << false << "Asia/Tokyo";
        QTest::newRow("back to this computer's") << "Asia/Tokyo" << QString() << true << QString();
        QTest::newRow("unknown: this computer's") << "Asia/Tokyo"
                                                  << "Mars/Olympus_Mons" << true << QString();
        QTest::newRow("out of the zone folder: this computer's")
            << QString() << "../../etc/passwd" << false << QString();
    }

    void timeZone()
    {
        QFETCH(QString, before);
        QFETCH(QString, chosen);
        QFETCH(bool, changed);
        QFETCH(QString, after);
        DateHelper dates;
        dates.setTimeZone(before);
        LogCapture log;
        QCOMPARE(dates.setTimeZone(chosen), changed);
        QCOMPARE(dates.timeZone(), after);
        QCOMPARE(log.warnings().size(), after != chosen ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestDateHelper)

#include "tst_datehelper.moc"
