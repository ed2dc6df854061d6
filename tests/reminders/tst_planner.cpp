// The reminders' plan on a clock of the test's own, over events made up to the minute: the day
// the clock changes, a change of zone, a wake after a night asleep, restarts; and the settings
// and picks they are planned from.
#include "global/object.h"
#include "reminders/planner.h"
#include "reminders/text.h"

#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using reminders::Choice;
using Settings = QHash<QString, QString>;

namespace {

const QByteArray Berlin = "Europe/Berlin";

QDateTime at(const char *text, const QByteArray &zone = Berlin)
{
    const QDateTime wall = QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
    return QDateTime(wall.date(), wall.time(), QTimeZone(zone));
}

astro::Zone zoneOf(const QByteArray &id)
{
    return astro::Zone(QTimeZone(id));
}

ical::Event voidOf(const char *start, const char *end)
{
    // Scorpio into Sagittarius.
    return {ical::Void, QStringLiteral("void"), at(start), at(end), QStringLiteral("void"), 8, 7};
}

ical::Event instant(ical::Kind kind, const char *key, const char *when)
{
    return {ical::Kind(kind), QString::fromLatin1(key), at(when), {}, QString::fromLatin1(key)};
}

Choice choiceOf(const Settings &settings)
{
    return Choice::fromSettings(settings);
}

// Every setting of a choice on one line, keys in order.
QString line(const Choice &choice)
{
    const QHash<QString, QString> values = choice.toSettings();
    QStringList keys = values.keys();
    keys.sort();
    QStringList parts;
    for (const QString &key : keys)
        parts << key + '=' + values.value(key);
    return parts.join(';');
}

// One run of the program: a planner on the test's clock and events, and what it handed out.
struct Run
{
    QDateTime now;
    QVector<ical::Event> events;
    QStringList shown;
    QStringList texts;
    std::unique_ptr<reminders::Planner> planner;

    void start(const Choice &choice, const QByteArray &zone = Berlin)
    {
        planner = std::make_unique<reminders::Planner>();
        planner->setClock([this] { return now; });
        planner->setSource([this](const ical::Request &request) {
            QVector<ical::Event> found;
            for (const ical::Event &e : events) {
                const QDate day = e.start.toTimeZone(request.zone).date();
                if ((e.kind & request.kinds) && day >= request.from && day <= request.to)
                    found << e;
            }
            return found;
        });
        QObject::connect(
            planner.get(), &reminders::Planner::due, [this](const reminders::Reminder &r) {
                shown << r.id;
                texts << reminders::noticeOf(r, planner->zone(), QLocale::c(), now).summary;
            });
        planner->setZone(zoneOf(zone));
        planner->setChoice(choice);
        planner->start();
        settle();
    }
    void settle()
    {
        // The plan comes back queued: the spy is in place before it can.
        QSignalSpy planned(planner.get(), &reminders::Planner::planned);
        if (planner->planning())
            QVERIFY(planned.wait(10000));
    }
    void moveTo(const QDateTime &t)
    {
        now = t;
        planner->check();
        settle();
    }
};

} // namespace

class TestPlanner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    // What the runs of a row remember, and nothing of the rows before.
    void init() { global::Object::instance()->settings()->remove("reminders"); }

    void settings_data()
    {
        QTest::addColumn<Settings>("stored");
        QTest::addColumn<QString>("read");
        QTest::newRow("void at the moment")
            << Settings{{"events", "void"}, {"lead", "0"}} << "events=void;lead=0;leads=";
        QTest::newRow("unknown kind, unreadable lead")
            << Settings{{"events", "Void, eclipsed"}, {"lead", "soon"}}
            << "events=void;lead=0;leads=";
        QTest::newRow("lead beyond a week")
            << Settings{{"events", "rise"}, {"lead", "20000"}} << "events=rise;lead=0;leads=";
        QTest::newRow("a kind's own lead")
            << Settings{{"events", "phase,void"},
                        {"lead", "15"},
                        {"leads", "phase:1440,moon:3,void:x,set:5:5,void:15"}}
            << "events=void,phase;lead=15;leads=phase:1440";
        QTest::newRow("picks, in the kinds' own words")
            << Settings{{"events", "ingress,lunarday"},
                        {"ingress", "Taurus, leo, ophiuchus, leo"},
                        {"lunarday", "15,31,x"},
                        {"void", ""}}
            << "events=ingress,lunarday;ingress=taurus,leo;lead=0;leads=;lunarday=15;void=";
    }
    void settings()
    {
        QFETCH(Settings, stored);
        QFETCH(QString, read);
        const Choice choice = choiceOf(stored);
        QCOMPARE(line(choice), read);
        // What is written reads back the same, through the settings store too.
        QCOMPARE(line(choiceOf(choice.toSettings())), read);
        choice.save();
        QCOMPARE(Choice::load(), choice);
    }

    void picks_data()
    {
        QTest::addColumn<Settings>("stored");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("the void's start, by default")
            << Settings{{"events", "void"}} << QStringList{"void-begin"};
        QTest::newRow("both ends of the void, in order of time")
            << Settings{{"events", "void"}, {"void", ""}} << QStringList{"void-begin", "void-end"};
        QTest::newRow("one sign") << Settings{{"events", "ingress"}, {"ingress", "gemini"}}
                                  << QStringList{"ingress-ingress"};
        QTest::newRow("any lunar day, full moon only, a day ahead of it")
            << Settings{{"events", "lunarday,phase"},
                        {"phase", "fullmoon"},
                        {"leads", "phase:1440"}}
            << QStringList{"phase-fullmoon", "lunarday-lunarday14", "lunarday-lunarday15"};
    }
    void picks()
    {
        QFETCH(Settings, stored);
        QFETCH(QStringList, ids);
        QVector<ical::Event> events = {voidOf("2027-03-05T09:22", "2027-03-05T16:54"),
                                       instant(ical::Phase, "newmoon", "2027-03-05T15:00"),
                                       instant(ical::Phase, "fullmoon", "2027-03-05T20:00")};
        events << ical::Event{ical::Ingress, "ingress", at("2027-03-05T10:00"), {}, "", 2}
               << ical::Event{ical::Ingress, "ingress", at("2027-03-05T11:00"), {}, "", 3}
               << ical::Event{ical::LunarDay,
                              "lunarday14",
                              at("2027-03-05T12:00"),
                              at("2027-03-06T13:00"),
                              "",
                              -1,
                              -1,
                              14}
               << ical::Event{ical::LunarDay,
                              "lunarday15",
                              at("2027-03-06T13:00"),
                              at("2027-03-07T14:00"),
                              "",
                              -1,
                              -1,
                              15};
        QStringList found;
        for (const reminders::Reminder &r :
             reminders::remindersOf(events, choiceOf(stored), zoneOf(Berlin)))
            found << r.id.section('-', 0, 1);
        QCOMPARE(found, ids);
    }

    // "A day before" is the same time on the day before; a time that day skips is read as the
    // clock reads it just before the skip.
    void due_data()
    {
        QTest::addColumn<QDateTime>("event");
        QTest::addColumn<int>("lead");
        QTest::addColumn<QDateTime>("due");
        QTest::newRow("a day before, across the spring change: 23 h")
            << at("2027-03-28T12:00") << 1440 << at("2027-03-27T12:00");
        QTest::newRow("a day before, across the autumn change: 25 h")
            << at("2027-10-31T12:00") << 1440 << at("2027-10-30T12:00");
        QTest::newRow("an hour before, across the skipped hour")
            << at("2027-03-28T03:30") << 60 << at("2027-03-28T01:30");
        QTest::newRow("a day before, onto the skipped hour")
            << at("2027-03-29T02:30") << 1440 << at("2027-03-28T03:30");
        QTest::newRow("a quarter of an hour")
            << at("2027-03-05T09:22") << 15 << at("2027-03-05T09:07");
    }
    void due()
    {
        QFETCH(QDateTime, event);
        QFETCH(int, lead);
        QFETCH(QDateTime, due);
        QCOMPARE(reminders::dueOf(event, lead, zoneOf(Berlin)).toUTC(), due.toUTC());
    }

    // The night the clock is put forward: the plan of the new day is made at its midnight, and
    // each reminder comes at its time on the changed clock.
    void daylightSavingDay()
    {
        Run run;
        run.events = {voidOf("2027-03-28T01:30", "2027-03-28T03:40"),
                      instant(ical::Phase, "fullmoon", "2027-03-29T12:00")};
        run.now = at("2027-03-27T22:00");
        run.start(choiceOf({{"events", "void,phase"}, {"lead", "15"}, {"leads", "phase:1440"}}));
        QCOMPARE(run.planner->nextWake(), at("2027-03-28T00:00"));
        run.moveTo(at("2027-03-28T00:00"));
        QCOMPARE(run.planner->nextWake(), at("2027-03-28T01:15"));
        run.moveTo(at("2027-03-28T01:15"));
        QCOMPARE(run.texts, {"Moon void of course from 01:30 to 03:40 (Scorpio to Sagittarius)"});
        QCOMPARE(run.planner->nextWake().toUTC(), at("2027-03-28T10:00", "UTC"));
        run.moveTo(run.planner->nextWake());
        QCOMPARE(run.texts.last(), "Full Moon at Mon 12:00");
        QCOMPARE(run.shown.size(), 2);
    }

    // Times are told on the clock of the zone shown when the reminder comes; a change of zone
    // neither repeats a reminder nor hands out the running void as missed.
    void zoneSwitch()
    {
        Run run;
        run.events = {voidOf("2027-03-05T09:22", "2027-03-05T16:54")};
        run.now = at("2027-03-05T08:00");
        run.start(choiceOf({{"events", "void"}}));
        run.planner->setZone(zoneOf("Asia/Tokyo"));
        run.settle();
        QCOMPARE(run.planner->nextWake(), at("2027-03-05T09:22"));
        run.moveTo(at("2027-03-05T09:22"));
        QCOMPARE(run.texts, {"Moon void of course from 17:22 to Sat 00:54 (Scorpio to "
                             "Sagittarius)"});
        run.planner->setZone(zoneOf(Berlin));
        run.settle();
        run.planner->setChoice(choiceOf({{"events", "void"}, {"void", "begin,end"}}));
        run.settle();
        run.moveTo(at("2027-03-05T16:54"));
        QCOMPARE(run.texts.last(), "Void of course ends at 16:54: Moon in Sagittarius");
        QCOMPARE(run.shown.size(), 2);
    }

    // Eight hours asleep: what fell due meanwhile comes once, in order, where its event still
    // runs or lies ahead; the rest is dropped.
    void wakeAfterEightHours()
    {
        Run run;
        run.events = {instant(ical::Set, "set", "2027-03-05T23:00"),
                      voidOf("2027-03-06T01:00", "2027-03-06T09:00"),
                      instant(ical::Phase, "fullmoon", "2027-03-06T06:30"),
                      instant(ical::Rise, "rise", "2027-03-06T07:00")};
        run.now = at("2027-03-05T22:00");
        run.start(choiceOf({{"events", "void,phase,rise,set"}, {"leads", "phase:60"}}));
        run.moveTo(at("2027-03-06T06:00"));
        QCOMPARE(run.shown,
                 (QStringList{"void-begin-20270306T0000Z", "phase-fullmoon-20270306T0530Z"}));
        run.moveTo(at("2027-03-06T06:01"));
        run.moveTo(run.planner->nextWake());
        QCOMPARE(run.shown.size(), 3);
        QVERIFY(run.shown.last().startsWith("rise-"));
    }

    // Across restarts each reminder comes once; one missed while the program was off comes
    // late while its event runs. A first start, or a new choice, finds nothing missed.
    void restart_data()
    {
        QTest::addColumn<QDateTime>("before"); // the first run's end; none when invalid
        QTest::addColumn<QDateTime>("after");  // the second run's start
        QTest::addColumn<int>("shownBefore");
        QTest::addColumn<int>("shownAfter");
        QTest::newRow("a minute after the reminder")
            << at("2027-03-05T09:22") << at("2027-03-05T09:23") << 1 << 0;
        QTest::newRow("off while it fell due, the void still on")
            << at("2027-03-05T09:00") << at("2027-03-05T10:00") << 0 << 1;
        QTest::newRow("off while it fell due, the void over")
            << at("2027-03-05T09:00") << at("2027-03-05T17:00") << 0 << 0;
        QTest::newRow("first start, in the void")
            << QDateTime() << at("2027-03-05T10:00") << 0 << 0;
    }
    void restart()
    {
        QFETCH(QDateTime, before);
        QFETCH(QDateTime, after);
        QFETCH(int, shownBefore);
        QFETCH(int, shownAfter);
        const QVector<ical::Event> events = {voidOf("2027-03-05T09:22", "2027-03-05T16:54")};
        const Choice choice = choiceOf({{"events", "void"}});
        if (before.isValid()) {
            Run first;
            first.events = events;
            first.now = at("2027-03-05T08:00");
            first.start(choice);
            first.moveTo(before);
            QCOMPARE(first.shown.size(), shownBefore);
        }
        Run second;
        second.events = events;
        second.now = after;
        second.start(choice);
        second.moveTo(after.addSecs(60));
        QCOMPARE(second.shown.size(), shownAfter);
        Run third;
        third.events = events;
        third.now = after.addSecs(120);
        third.start(choice);
        QVERIFY(third.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlanner)
#include "tst_planner.moc"
