// Reminders as the desktop gets them: a notification service of the test's own on the private
// session bus the test runs in (dbus-run-session), fed by the planner over the engine's own
// events, and what happens without a service.
#include "astro/compute.h"
#include "astro/library.h"
#include "fakenotifications.h"
#include "global/object.h"
#include "reminders/notifier.h"
#include "reminders/planner.h"

#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

class TestNotifier : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        astro::setupEphemeris();
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
        QVERIFY(m_service.registerOnSessionBus());
    }
    void init() { global::Object::instance()->settings()->remove("reminders"); }

    // The notification carries the program's name, icon and a "Show" action; a click on it
    // hands back the moment it is about.
    void notifyAndClick()
    {
        reminders::Notifier notifier;
        notifier.setIcon(QImage(16, 16, QImage::Format_ARGB32));
        QSignalSpy received(&m_service, &FakeNotifications::received);
        const QDateTime moment(QDate(2027, 3, 5), QTime(9, 22), Qt::UTC);
        notifier.show({"Full Moon at 09:22", "Friday, March 5, 2027", moment});
        QVERIFY(received.wait());
        const FakeNotifications::Note note = m_service.notes.last();
        QCOMPARE(note.app, "Vendarion");
        QCOMPARE(note.icon, "vendarion");
        QCOMPARE(note.summary, "Full Moon at 09:22");
        QCOMPARE(note.body, "Friday, March 5, 2027");
        QCOMPARE(note.actions.value(0), "default");
        QVERIFY(note.hints.contains("image-data"));

        QSignalSpy activated(&notifier, &reminders::Notifier::activated);
        m_service.click(note.id);
        QVERIFY(activated.wait());
        QCOMPARE(activated.at(0).at(0).toDateTime(), moment);
    }

    // A week of the void of course in Paris, on a clock that jumps from one wake of the
    // planner to the next: each void once, at the minute it begins, in the words and times the
    // moon panel gives it.
    void voidsOfAWeek()
    {
        const astro::Sky sky{astro::Planet::MOON, astro::Position(2.35, 48.85, 0),
                             astro::Zone(QTimeZone("Europe/Paris"))};
        QDateTime now(QDate(2027, 3, 4), QTime(0, 0), QTimeZone("Europe/Paris"));
        reminders::Planner planner;
        reminders::Notifier notifier;
        planner.setClock([&now] { return now; });
        planner.setPlace(sky.observer);
        planner.setZone(sky.zone);
        planner.setChoice(reminders::Choice::fromSettings({{"events", "void"}, {"lead", "0"}}));
        QStringList expected;
        connect(&planner, &reminders::Planner::due, this, [&](const reminders::Reminder &r) {
            QCOMPARE(now, r.at);
            const std::unique_ptr<astro::Ephemeris> e
                = astro::computeEphemeris(sky, r.event.end.addSecs(-60));
            QCOMPARE(e->voidStart(), r.at);
            // The panel's times, with the day's name on another day than the start's.
            const auto clock = [&](const QDateTime &t) {
                const QDateTime local = t.toTimeZone(sky.zone.timeZone());
                const bool today = local.date() == r.at.toTimeZone(sky.zone.timeZone()).date();
                return (today ? QString() : QLocale::c().toString(local.date(), "ddd "))
                       + local.toString("HH:mm");
            };
            expected << QString("Moon void of course from %1 to %2 (%3 to %4)")
                            .arg(clock(e->voidStart()), clock(e->voidEnd()),
                                 reminders::signLabel(e->voidZodiac()),
                                 reminders::signLabel((e->voidZodiac() + 1) % 12));
            notifier.show(reminders::noticeOf(r, sky.zone, QLocale::c(), now));
        });
        QSignalSpy planned(&planner, &reminders::Planner::planned);
        planner.start();
        QVERIFY(planned.wait(30000));
        const int before = m_service.notes.size();
        QSignalSpy received(&m_service, &FakeNotifications::received);
        while (now < QDateTime(QDate(2027, 3, 12), QTime(0, 0), QTimeZone("Europe/Paris"))) {
            now = planner.nextWake();
            planner.check();
            if (planner.planning())
                QVERIFY(planned.wait(30000));
        }
        QVERIFY(expected.size() >= 3);
        while (received.size() < expected.size())
            QVERIFY(received.wait());
        QStringList summaries;
        for (int i = before; i < m_service.notes.size(); ++i)
            summaries << m_service.notes.at(i).summary;
        QCOMPARE(summaries, expected);
    }

    // Nobody to take it: said once, as notShown, for the tray to show instead.
    void noService()
    {
        m_service.unregister();
        reminders::Notifier notifier;
        QSignalSpy notShown(&notifier, &reminders::Notifier::notShown);
        notifier.show({"Moonrise at 07:00", "", QDateTime::currentDateTimeUtc()});
        QVERIFY(notShown.wait(10000));
        QCOMPARE(notShown.size(), 1);
        QVERIFY(m_service.registerOnSessionBus());
    }

private:
    FakeNotifications m_service;
};

QTEST_GUILESS_MAIN(TestNotifier)
#include "tst_notifier.moc"
