// SearchModel: what matches, how hits follow one another, the time-out, the end of the
// ephemeris, and the skipping walk against the day-by-day walk.

#include "astro/searchmodel.h"
#include "enginetest.h"
#include "reference.h"

#include <QQmlEngine>
#include <QtTest>

#include <memory>

using astro::Calculation;
using astro::Ephemeris;
using astro::SearchModel;

namespace {

struct Hit
{
    QDate date;
    int lunarDay;
    int zodiac;
    bool timeout;
};

// Runs one search to its end and collects the hits in order.
QList<Hit> searchAll(Calculation &calculation, const QDate &from, int lunarDay, int zodiac,
                     int results, int budget = 10000, int *unanswered = nullptr)
{
    SearchModel model;
    model.setCalculation(&calculation);
    model.setTimeBudget(budget);
    QList<Hit> hits;
    QMutex mutex;
    QObject::connect(
        &model, &SearchModel::searchResult, &model,
        [&](Ephemeris *e, bool timeout) {
            QMutexLocker locker(&mutex);
            hits.append({e->time().date(), e->lunarDay(), e->zodiac(), timeout});
            delete e;
        },
        Qt::DirectConnection);
    if (unanswered) {
        QObject::connect(
            &model, &SearchModel::searchFinished, &model, [=](int n) { *unanswered = n; },
            Qt::DirectConnection);
    }
    model.search(QDateTime(from, QTime(15, 45), Qt::LocalTime), lunarDay, zodiac, results);
    model.waitForSearches();
    return hits;
}

} // namespace

class TestSearchModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startEngine();
        m_calculation.setObserver(astro::Position(2.35, 48.85, 0));
    }

    // The walk that leaves out days which cannot match finds exactly the day-by-day walk's
    // hits.
    void skippingEqualsDayByDay_data()
    {
        QTest::addColumn<int>("lunarDay");
        QTest::addColumn<int>("zodiac");
        QTest::addColumn<int>("results");
        QTest::newRow("lunar day 15 in Taurus") << 15 << 1 << 3;
        QTest::newRow("lunar day 1") << 1 << -1 << 12;
        QTest::newRow("lunar day 30") << 30 << -1 << 8;
        QTest::newRow("Capricorn alone") << 0 << 9 << 12;
    }
    void skippingEqualsDayByDay()
    {
        QFETCH(int, lunarDay);
        QFETCH(int, zodiac);
        QFETCH(int, results);
        const QList<Hit> fast
            = searchAll(m_calculation, QDate(2026, 2, 10), lunarDay, zodiac, results);
        const QList<reference::Hit> slow = reference::searchDays(
            m_calculation.sky(), QDate(2026, 2, 10), lunarDay, zodiac, results);
        QCOMPARE(slow.size(), results);
        QCOMPARE(fast.size(), results);
        for (int i = 0; i < results; ++i) {
            QCOMPARE(fast.at(i).date, slow.at(i).date);
            QVERIFY(!fast.at(i).timeout);
            if (lunarDay > 0)
                QCOMPARE(fast.at(i).lunarDay, lunarDay);
            if (zodiac >= 0)
                QCOMPARE(fast.at(i).zodiac, zodiac);
        }
    }

    // With a shortened budget a rare combination times out; the log says so, the hit reports
    // the last day examined, and the next hit is looked for from the day after.
    void timeout()
    {
        QTest::ignoreMessage(QtDebugMsg, "search took 10 seconds! aborting...");
        QTest::ignoreMessage(QtDebugMsg, "search took 10 seconds! aborting...");
        const QList<Hit> hits = searchAll(m_calculation, QDate(2026, 1, 1), 15, 1, 2, 0);
        QCOMPARE(hits.size(), 2);
        QVERIFY(hits.at(0).timeout && hits.at(1).timeout);
        QVERIFY(hits.at(0).date.isValid());
        QVERIFY(hits.at(1).date > hits.at(0).date);
    }

    // Only real hits, then one line, and the unanswered count so the form stops waiting.
    void endOfTheEphemeris_data()
    {
        QTest::addColumn<int>("lunarDay");
        QTest::addColumn<int>("zodiac");
        QTest::addColumn<int>("found");
        QTest::newRow("none left") << 15 << 1 << 0;
        QTest::newRow("one left") << 1 << -1 << 1;
    }
    void endOfTheEphemeris()
    {
        QFETCH(int, lunarDay);
        QFETCH(int, zodiac);
        QFETCH(int, found);
        QTest::ignoreMessage(QtDebugMsg, "search reached 2399-12-31, the end of the ephemeris");
        int unanswered = -1;
        const QList<Hit> hits
            = searchAll(m_calculation, QDate(2399, 12, 1), lunarDay, zodiac, 3, 10000, &unanswered);
        QCOMPARE(hits.size(), found);
        QCOMPARE(unanswered, 3 - found);
        for (const Hit &hit : hits)
            QVERIFY(!hit.timeout && hit.date.year() == 2399 && hit.lunarDay == lunarDay);
    }

    // No results asked, no start, or no calculation: no hits.
    void nothingAsked()
    {
        QCOMPARE(searchAll(m_calculation, QDate(2026, 1, 1), 5, 5, 0).size(), 0);
        QCOMPARE(searchAll(m_calculation, QDate(), 5, 5, 3).size(), 0);
        SearchModel model;
        QSignalSpy spy(&model, &SearchModel::searchResult);
        QTest::ignoreMessage(QtDebugMsg, "[SearchModel::search] no calculation assigned");
        model.search(QDateTime::currentDateTime(), 1, 1, 1);
        model.waitForSearches();
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 0);
    }

    // Hits reach the interface's thread owned by the declarative engine.
    void delivery()
    {
        SearchModel model;
        model.setCalculation(&m_calculation);
        QSignalSpy spy(&model, &SearchModel::searchResult);
        model.search(QDateTime(QDate(2026, 6, 1), QTime(0, 0)), 0, -1, 1);
        QTRY_COMPARE(spy.count(), 1);
        auto *e = spy.first().first().value<Ephemeris *>();
        QCOMPARE(e->thread(), model.thread());
        QCOMPARE(QQmlEngine::objectOwnership(e), QQmlEngine::JavaScriptOwnership);
        QCOMPARE(e->time(), QDateTime(QDate(2026, 6, 1), QTime(0, 0)));
        QCOMPARE(e->voidZodiac(), -1);
        QVERIFY(!e->nextRising().isValid());
        delete e;
    }

    // The eclipses seen from Paris from the start of 2026: the lunar one of March is below its
    // horizon, so the solar one of August comes first.
    void eclipses()
    {
        SearchModel model;
        model.setCalculation(&m_calculation);
        QSignalSpy found(&model, &SearchModel::eclipseFound);
        QSignalSpy finished(&model, &SearchModel::searchFinished);
        model.searchEclipses(QDateTime(QDate(2026, 1, 1), QTime(12, 0)), 2);
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.first().first().toInt(), 0);
        QCOMPARE(found.count(), 2);
        const QVariantMap first = found.at(0).first().toMap(), second = found.at(1).first().toMap();
        QCOMPARE(first.value("body").toString(), "sun");
        QCOMPARE(first.value("begin").toDateTime(), QDateTime(QDate(2026, 8, 12), QTime(19, 22)));
        QCOMPARE(second.value("time").toDateTime(), QDateTime(QDate(2026, 8, 28), QTime(6, 12)));
        QVERIFY(first.value("visible").toBool() && second.value("visible").toBool());
    }

    void destroyedWhileSearching()
    {
        auto model = std::make_unique<SearchModel>();
        model->setCalculation(&m_calculation);
        connect(model.get(), &SearchModel::searchResult, this, [](Ephemeris *e) { delete e; });
        model->search(QDateTime(QDate(2026, 1, 1), QTime(0, 0)), 30, 3, 50);
        model.reset();
        QCoreApplication::processEvents();
    }

private:
    Calculation m_calculation;
};

QTEST_GUILESS_MAIN(TestSearchModel)
#include "tst_searchmodel.moc"
