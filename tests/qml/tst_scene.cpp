// The whole scene in the real main window, with the real singletons: it loads and runs without
// a single warning, and the moon panel shows what the engine computes for the same moment and
// place. Runs in a time zone west of Greenwich (see CMakeLists.txt), where a date handed from
// C++ to the scene is easiest to get a day wrong.
#include "app/modules.h"
#include "app/scaling.h"
#include "app/ui.h"
#include "astro/calculation.h"
#include "astro/ephemeris.h"
#include "common/qmlprobe.h"
#include "common/testhome.h"
#include "global/object.h"

#include <QPointer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QQuickItem>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

// Every text shown by the item and the items inside it, skipping hidden and transparent ones.
void collectTexts(const QQuickItem *item, QStringList &texts)
{
    if (!item->isVisible() || item->opacity() <= 0.0)
        return;
    if (item->inherits("QQuickText") || item->inherits("QQuickTextInput"))
        texts << item->property("text").toString();
    for (const QQuickItem *child : item->childItems())
        collectTexts(child, texts);
}

QString phaseName(double phase)
{
    // Bands in percent of the lunation, from the moon panel's table.
    struct Band
    {
        double end;
        const char *name;
    };
    static const Band bands[]
        = {{1, "New Moon"},        {25, "Waxing Crescent"}, {26, "First Quarter"},
           {50, "Waxing Gibbous"}, {51, "Full Moon"},       {75, "Waning Gibbous"},
           {76, "Third Quarter"},  {100, "Waning Crescent"}};
    for (const Band &band : bands) {
        if (phase * 100 < band.end)
            return QString::fromLatin1(band.name);
    }
    return QStringLiteral("??");
}

const char *const SignNames[]
    = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
       "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

} // namespace

class TestScene : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void firstEphemerisArrives();
    void panelShowsTheEngine_data();
    void panelShowsTheEngine();
    void panelAndCalendarKeepInStep_data();
    void panelAndCalendarKeepInStep();
    void anotherPlaceRecomputesBoth();
    void deliveredEphemeridesAreFreed();
    void pagesAreMadeOnFirstShowAndKept();

private:
    QVariant evaluate(const QString &expression);
    QObject *object(const QString &expression) { return evaluate(expression).value<QObject *>(); }
    // Moves the panel and waits until the ephemeris of that moment is shown.
    bool showMoment(const QDateTime &moment);
    // Moves the observer and waits until the panel has its ephemeris for every step of the way.
    bool setPlace(double longitude, double latitude);

    UI *m_ui = nullptr;
    QObject *m_panel = nullptr;
    astro::Calculation *m_calculation = nullptr;
    QObject *m_calendar = nullptr;
};

void TestScene::initTestCase()
{
    startWithCleanHome();
    // The scene must never reach the network from a test: no update check, whatever a later
    // scene asks for.
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harkel"),
                           QStringLiteral("Vendarion"));
        settings.setValue(QStringLiteral("global/checkForUpdates"), false);
        settings.setValue(QStringLiteral("global/lastUpdate"), QDate::currentDate());
    }
    installWarningCollector();
    installModules();
    QVERIFY(!global::Object::instance()->updatesEnabled());

    m_ui = UI::instance();
    m_ui->setupWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_ui));
    QCOMPARE(m_ui->status(), QQuickView::Ready);

    m_panel = object(QStringLiteral("panel"));
    m_calculation = qobject_cast<astro::Calculation *>(object(QStringLiteral("calculation")));
    m_calendar = object(QStringLiteral("calendarModel"));
    QVERIFY(m_panel && m_calculation && m_calendar);
}

void TestScene::cleanup()
{
    QVERIFY2(collectedWarnings().isEmpty(),
             qPrintable(collectedWarnings().join(QLatin1Char('\n'))));
}

QVariant TestScene::evaluate(const QString &expression)
{
    QObject *root = m_ui->rootObject();
    QQmlExpression e(qmlContext(root), root, expression);
    const QVariant value = e.evaluate();
    if (e.hasError())
        qWarning() << e.error();
    return value;
}

bool TestScene::showMoment(const QDateTime &moment)
{
    m_panel->setProperty("dateTime", moment);
    return QTest::qWaitFor(
        [&] {
            return !m_panel->property("busy").toBool()
                   && evaluate(QStringLiteral("panel.entry.time")).toDateTime() == moment;
        },
        20000);
}

bool TestScene::setPlace(double longitude, double latitude)
{
    // Each coordinate is a change of place of its own, at which the panel asks again. Results
    // come back in the order they are done, so the one for the place in between could come
    // last, or in a later test: each change is let through before the next.
    const QString calls[] = {QStringLiteral("Geo.setLongitude(%1)").arg(longitude, 0, 'f', 6),
                             QStringLiteral("Geo.setLatitude(%1)").arg(latitude, 0, 'f', 6)};
    for (const QString &call : calls) {
        const QVector3D before = m_calculation->observerVector();
        QSignalSpy results(m_calculation, &astro::Calculation::ephemerisCalculated);
        evaluate(call);
        if (m_calculation->observerVector() != before
            && !QTest::qWaitFor([&] { return results.count() >= 1; }, 20000))
            return false;
    }
    return true;
}

void TestScene::firstEphemerisArrives()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_panel->property("ready").toBool(), 20000);
    const QDateTime shown = evaluate(QStringLiteral("panel.entry.time")).toDateTime();
    const QDateTime now = QDateTime::currentDateTime();
    // The present minute (or the one before, had the clock just turned).
    QVERIFY2(shown.secsTo(now) >= 0 && shown.secsTo(now) < 120, qPrintable(shown.toString()));
    QCOMPARE(shown.time().second(), 0);
    // The calendar is on the panel's day and month from the start (its month started out as
    // today itself, not the first of the month).
    QCOMPARE(m_calendar->property("selectedDate").toDate(), shown.date());
    QCOMPARE(m_calendar->property("activeMonth").toDate(),
             QDate(shown.date().year(), shown.date().month(), 1));
}

void TestScene::panelShowsTheEngine_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<QDateTime>("moment");
    // Moves the moment into the void-of-course interval that ends at the next sign change.
    QTest::addColumn<bool>("inVoid");

    QTest::newRow("Paris, a March evening")
        << 2.35 << 48.85 << QDateTime(QDate(2027, 3, 14), QTime(21, 30)) << false;
    QTest::newRow("Quito, void of course")
        << -78.47 << -0.18 << QDateTime(QDate(2026, 12, 6), QTime(3, 0)) << true;
    QTest::newRow("Troms\u00f8, north of the polar circle")
        << 18.96 << 69.65 << QDateTime(QDate(2026, 12, 20), QTime(12, 0)) << false;
}

void TestScene::panelShowsTheEngine()
{
    QFETCH(double, longitude);
    QFETCH(double, latitude);
    QFETCH(QDateTime, moment);
    QFETCH(bool, inVoid);

    QVERIFY(setPlace(longitude, latitude));
    // The same observer, as the scene hands it to the engine (single precision).
    astro::Calculation reference;
    reference.setObserverVector(m_calculation->observerVector());
    QCOMPARE(reference.observerVector(), QVector3D(float(longitude), float(latitude), 0.0f));

    if (inVoid) {
        std::unique_ptr<astro::Ephemeris> probe(reference.computeEphemeris(moment));
        QVERIFY(probe->voidStart().isValid());
        moment = probe->voidStart().addSecs(probe->voidStart().secsTo(probe->voidEnd()) / 120 * 60);
    }
    std::unique_ptr<astro::Ephemeris> e(reference.computeEphemeris(moment));
    QVERIFY(!inVoid || e->isVoC());
    QVERIFY(showMoment(moment));

    const auto hm = [](const QDateTime &t) {
        return t.isValid() ? t.toString(QStringLiteral("hh:mm")) : QStringLiteral("--:--");
    };
    const auto date
        = [](const QDateTime &t) { return t.toString(QStringLiteral("MM/dd/yyyy hh:mm")); };
    QStringList expected{
        QStringLiteral("Day %1").arg(e->lunarDay()),
        QStringLiteral("%1%").arg(qRound(e->illumination() * 100)),
        phaseName(e->phase()),
        QStringLiteral("Rise: ") + hm(e->nextRising()),
        QStringLiteral("Set: ") + hm(e->nextSetting()),
        QStringLiteral("U/T: ") + hm(e->upperTransit()),
        QStringLiteral("L/T: ") + hm(e->lowerTransit()),
        date(e->prevNewMoon()),
        date(e->nextNewMoon()),
        date(e->prevFirstQuarter()),
        date(e->nextFirstQuarter()),
        date(e->prevFullMoon()),
        date(e->nextFullMoon()),
        date(e->prevThirdQuarter()),
        date(e->nextThirdQuarter()),
        moment.toString(QStringLiteral("MM / dd / yyyy hh:mm")),
    };
    const QString sign = ui::formatDegrees(e->zodiacDegrees()) + QStringLiteral(" of ")
                         + QLatin1String(SignNames[e->zodiac()]) + QLatin1Char(' ')
                         + QChar(0x2648 + e->zodiac());

    QStringList shown;
    // The centre texts fade in over 100 ms.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            shown.clear();
            collectTexts(qobject_cast<QQuickItem *>(m_panel), shown);
            for (const QString &text : expected) {
                if (!shown.contains(text))
                    return false;
            }
            return true;
        }(),
        2000);

    const QStringList signTexts = shown.filter(QStringLiteral(" of "));
    QCOMPARE(signTexts.size(), 1);
    QVERIFY2(signTexts.first().startsWith(sign + QStringLiteral("<br>")),
             qPrintable(signTexts.first()));
    QCOMPARE(signTexts.first().contains(QLatin1String("Void Course")), e->isVoC());
}

void TestScene::panelAndCalendarKeepInStep_data()
{
    QTest::addColumn<QDateTime>("panelAt");
    QTest::addColumn<QDate>("calendarTo");
    QTest::addColumn<QDateTime>("panelThen");

    // The zone is eight hours west of Greenwich: a day's UTC midnight is the evening before.
    QTest::newRow("the panel moves, the calendar follows; no calendar move")
        << QDateTime(QDate(2027, 3, 1), QTime(0, 30)) << QDate()
        << QDateTime(QDate(2027, 3, 1), QTime(0, 30));
    QTest::newRow("late in the evening, the calendar picks a leap day")
        << QDateTime(QDate(2028, 3, 1), QTime(23, 45)) << QDate(2028, 2, 29)
        << QDateTime(QDate(2028, 2, 29), QTime(23, 45));
    QTest::newRow("seconds are dropped, hour and minute kept")
        << QDateTime(QDate(2027, 5, 10), QTime(8, 15, 42)) << QDate(2027, 5, 20)
        << QDateTime(QDate(2027, 5, 20), QTime(8, 15));
    QTest::newRow("into another year")
        << QDateTime(QDate(2026, 12, 31), QTime(16, 0)) << QDate(2027, 1, 1)
        << QDateTime(QDate(2027, 1, 1), QTime(16, 0));
}

void TestScene::panelAndCalendarKeepInStep()
{
    QFETCH(QDateTime, panelAt);
    QFETCH(QDate, calendarTo);
    QFETCH(QDateTime, panelThen);

    m_panel->setProperty("dateTime", panelAt);
    QCOMPARE(m_calendar->property("selectedDate").toDate(), panelAt.date());
    QCOMPARE(m_calendar->property("activeMonth").toDate(),
             QDate(panelAt.date().year(), panelAt.date().month(), 1));

    if (calendarTo.isValid())
        m_calendar->setProperty("selectedDate", calendarTo);
    QCOMPARE(m_panel->property("dateTime").toDateTime(), panelThen);
    QCOMPARE(m_calendar->property("selectedDate").toDate(), panelThen.date());
    QCOMPARE(m_calendar->property("activeMonth").toDate(),
             QDate(panelThen.date().year(), panelThen.date().month(), 1));
    QVERIFY(showMoment(panelThen));
}

void TestScene::anotherPlaceRecomputesBoth()
{
    const QDateTime moment(QDate(2027, 3, 14), QTime(21, 30));
    QVERIFY(setPlace(2.35, 48.85));
    QVERIFY(showMoment(moment));
    const QDateTime riseInParis = evaluate(QStringLiteral("panel.entry.nextRising")).toDateTime();

    QSignalSpy runs(m_calendar, SIGNAL(entriesVersionChanged(qlonglong)));
    QSignalSpy results(m_calculation, &astro::Calculation::ephemerisCalculated);
    QVERIFY(setPlace(-74.01, 40.71));
    QTRY_VERIFY_WITH_TIMEOUT(results.count() >= 1 && !m_panel->property("busy").toBool(), 20000);
    QTRY_VERIFY(runs.count() >= 1);

    astro::Calculation reference;
    reference.setObserverVector(QVector3D(-74.01f, 40.71f, 0.0f));
    std::unique_ptr<astro::Ephemeris> e(reference.computeEphemeris(moment));
    QTRY_COMPARE(evaluate(QStringLiteral("panel.entry.nextRising")).toDateTime(), e->nextRising());
    QVERIFY(e->nextRising() != riseInParis);
}

void TestScene::deliveredEphemeridesAreFreed()
{
    QList<QPointer<astro::Ephemeris>> delivered;
    const auto connection = connect(m_calculation, &astro::Calculation::ephemerisCalculated, this,
                                    [&](astro::Ephemeris *e) { delivered << e; });
    const QDateTime start(QDate(2027, 6, 1), QTime(12, 0));
    // Waiting for each result, then ten quick steps whose results overtake one another.
    for (int day = 0; day < 20; ++day)
        QVERIFY(showMoment(start.addDays(day)));
    for (int day = 20; day < 30; ++day)
        m_panel->setProperty("dateTime", start.addDays(day));
    QVERIFY(showMoment(start.addDays(29)));
    QTRY_COMPARE(delivered.size(), 30);
    disconnect(connection);

    m_ui->engine()->collectGarbage();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QObject *shown = object(QStringLiteral("panel.entry"));
    int alive = 0;
    for (const QPointer<astro::Ephemeris> &e : delivered)
        alive += e ? 1 : 0;
    QVERIFY(shown);
    QVERIFY(delivered.contains(qobject_cast<astro::Ephemeris *>(shown)));
    QCOMPARE(alive, 1);
    // The one shown is whole and still read by the panel's bindings.
    QCOMPARE(evaluate(QStringLiteral("panel.entry.time")).toDateTime(), start.addDays(29));
    QCOMPARE(shown->property("lunarDay").toInt(),
             evaluate(QStringLiteral("panel.entry.lunarDay")).toInt());
}

void TestScene::pagesAreMadeOnFirstShowAndKept()
{
    const auto loaded = [this](int page) {
        return evaluate(QStringLiteral("pageLoaders.itemAt(%1).item !== null").arg(page)).toBool();
    };
    const auto shown = [this](int page) {
        return evaluate(QStringLiteral("pageLoaders.itemAt(%1).visible").arg(page)).toBool();
    };
    const auto click = [this](int square) {
        const QPoint at = evaluate(QStringLiteral("switcher.mapToItem(null, switcher.width / 2, "
                                                  "switcher.width * %1 + %1 + switcher.width / 2)")
                                       .arg(square))
                              .toPointF()
                              .toPoint();
        QTest::mouseClick(m_ui, Qt::LeftButton, Qt::NoModifier, at);
    };

    QVERIFY(loaded(0) && shown(0));
    QVERIFY(!loaded(1) && !loaded(2) && !loaded(3));

    click(1);
    QVERIFY(loaded(1) && shown(1) && !shown(0));
    QVERIFY(loaded(0));
    QCOMPARE(
        evaluate(QStringLiteral("pageLoaders.itemAt(1).item.calendarModel")).value<QObject *>(),
        m_calendar);

    click(0);
    QVERIFY(shown(0) && !shown(1) && loaded(1));
    QVERIFY(!loaded(2) && !loaded(3));
    // The texts page is given the panel's ephemeris.
    QCOMPARE(object(QStringLiteral("pageLoaders.itemAt(0).item.entry")),
             object(QStringLiteral("panel.entry")));
}

QTEST_MAIN(TestScene)
#include "tst_scene.moc"
