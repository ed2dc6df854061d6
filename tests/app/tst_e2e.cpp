// The whole program in-process, on a private X server, driven through its window the way a user
// drives it: clicks on what is shown and keys typed into what has the focus. The scene runs
// without a single warning, the moon panel shows what the engine computes for the same moment
// and place, and the window's own services hold. Nothing reaches the network: the update check
// is off before the scene loads. Runs in a time zone west of Greenwich (see CMakeLists.txt),
// where a date handed from C++ to the scene is easiest to get a day wrong.
//
// Screenshots of every page at 100, 125 and 150 % go to $VENDARION_SCREENSHOTS (default: a
// temporary folder, removed when the test ends).
#include "app/companion.h"
#include "app/scaling.h"
#include "astro/calculation.h"
#include "astro/calendarmodel.h"
#include "astro/compute.h"
#include "astro/ephemeris.h"
#include "astro/library.h"
#include "astro/moonevents.h"
#include "astro/rules.h"
#include "bench/app/scenedriver.h"
#include "common/logcapture.h"
#include "common/qmlprobe.h"
#include "common/testhome.h"
#include "common/xvfb.h"
#include "geo/object.h"
#include "global/object.h"
#include "text/document.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

namespace {

// How long the window must draw nothing to count as still: longer than a frame of any animation.
constexpr int StillMs = 150;

QString dayOf(const QDateTime &value)
{
    return value.toLocalTime().date().toString(Qt::ISODate);
}

// A left click on the item of the window, in its middle unless a point in the item is given.
void clickItem(QQuickWindow *window, QQuickItem *item, QPointF at = QPointF(-1, -1))
{
    QVERIFY(item);
    if (at.x() < 0)
        at = QPointF(item->width() / 2, item->height() / 2);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, item->mapToScene(at).toPoint());
}

// The dialog of that kind on show, if any.
template<typename T>
T *visibleWidget()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<T *>(widget); found && found->isVisible())
            return found;
    }
    return nullptr;
}

// Whether the item is on show: it and every item above it visible and not transparent.
bool shown(const QQuickItem *item)
{
    for (; item; item = item->parentItem()) {
        if (!item->isVisible() || item->opacity() <= 0.0)
            return false;
    }
    return true;
}

// Texts on show that are cut (elided, or more lines than allowed), wider than their room, or
// field labels that run under their box.
QStringList layoutFaults(QQuickItem *item)
{
    QStringList faults;
    if (!item || !item->isVisible() || item->opacity() <= 0.0)
        return faults;
    if (item->inherits("QQuickText") && shown(item)) {
        const QString text = item->property("text").toString();
        if (item->property("truncated").toBool())
            faults << QStringLiteral("cut: ") + text;
        else if (item->property("paintedWidth").toReal() > item->width() + 1)
            faults << QStringLiteral("too wide: ") + text;
    }
    // A field's label runs under its box.
    const QVariant label = item->property("labelWidth");
    if (label.isValid() && shown(item)
        && label.toReal() > item->width() - item->property("boxWidth").toReal())
        faults << QStringLiteral("label under its box: ") + item->property("labelText").toString();
    for (QQuickItem *child : item->childItems())
        faults << layoutFaults(child);
    return faults;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startWithCleanHome();
        // After the test library's own handler, to which it passes every line on.
        m_log = std::make_unique<LogCapture>();
        prepareScene();
        m_ui = UI::instance();
        // Frames are swapped on the render thread: the time of the last one is kept there.
        m_clock.start();
        connect(
            m_ui, &QQuickWindow::frameSwapped, this, [this] { m_lastFrame = m_clock.elapsed(); },
            Qt::DirectConnection);
        m_ui->setupWindow();
        QVERIFY(QTest::qWaitForWindowExposed(m_ui));
        QCOMPARE(m_ui->status(), QQuickView::Ready);
        m_panel = qobject_cast<QQuickItem *>(
            evaluate(root(), QStringLiteral("panel")).value<QObject *>());
        m_calculation = objectProperty<astro::Calculation>(root(), "calculation");
        m_calendar = objectProperty<QObject>(root(), "calendarModel");
        QVERIFY(m_panel && m_calculation && m_calendar);

        // The first ephemeris is of the present minute (or the one before, had the clock just
        // turned), and the calendar is on its day and month.
        QTRY_VERIFY_WITH_TIMEOUT(m_panel->property("ready").toBool(), 30000);
        const QDateTime shown = panelEntry()->property("time").toDateTime();
        const qint64 age = shown.secsTo(QDateTime::currentDateTime());
        QVERIFY2(age >= 0 && age < 120 && shown.time().second() == 0, qPrintable(shown.toString()));
        QCOMPARE(m_calendar->property("selectedDate").toDate(), shown.date());
        QCOMPARE(m_calendar->property("activeMonth").toDate(),
                 QDate(shown.date().year(), shown.date().month(), 1));
        // A first start (no place stored) is in the city of the system's time zone.
        QCOMPARE(geo()->location().name() + ", " + geo()->location().country(),
                 QStringLiteral("Los Angeles, United States of America"));
    }

    // Whatever the case before left, each starts at 100 % on the calendar page with its grid full
    // (the observer's cases wait for the grid to follow a move).
    void init()
    {
        m_ui->setScaleIndex(1);
        showPage(1);
        QVERIFY2(waitForFullGrid(), "the grid did not fill");
    }

    void cleanup()
    {
        QVERIFY2(m_log->warnings().isEmpty(),
                 qPrintable(m_log->warnings().join(QLatin1Char('\n'))));
    }

    // The clock's tick moves the panel and leaves alone what the user is looking at: the place
    // reached in the texts, and a month browsed to on the calendar even when the day rolls over.
    void clockTickLeavesTheUserAlone()
    {
        QQuickItem *editor = findType(m_panel, "LunarTime");
        auto *timer = editor->findChild<QObject *>(QStringLiteral("clockTimer"));
        QVERIFY(timer);
        editor->setProperty("now", true);
        const QVariant clock = editor->property("clock");
        const QDateTime now = m_panel->property("dateTime").toDateTime();
        const auto tick = [&](const QDateTime &at) { tickTo(editor, timer, at); };

        showPage(0);
        QQuickItem *texts = findShown(root(), "TextsPage");
        QTRY_VERIFY_WITH_TIMEOUT(!texts->property("text").toString().isEmpty(), 10000);
        auto *flickable
            = objectProperty<QObject>(findName(texts, QStringLiteral("view")), "flickableItem");
        flickable->setProperty("contentY", 50);
        const QString shown = texts->property("text").toString();
        tick(now.addSecs(60));
        // Unless that minute brought the Moon into another sign, phase band or lunar day.
        if (texts->property("text").toString() == shown)
            QCOMPARE(flickable->property("contentY").toReal(), 50.0);

        showPage(1);
        QQuickItem *calendar = findShown(root(), "CalendarPage");
        for (int i = 0; i < 2; ++i)
            clickItem(m_ui, findName(calendar, QStringLiteral("nextMonth")));
        const QDate browsed = m_calendar->property("activeMonth").toDate();
        QVERIFY(browsed > now.date().addMonths(1));
        tick(now.addDays(1));
        QCOMPARE(m_calendar->property("selectedDate").toDate(), now.addDays(1).date());
        QCOMPARE(m_calendar->property("activeMonth").toDate(), browsed);
        editor->setProperty("clock", clock);
    }

    // On a clock a day ahead of this computer's, the tick over midnight there selects the new
    // day there, and the panel stays on it.
    void clockTickOverMidnightOnAnotherClock()
    {
        QQuickItem *editor = findType(m_panel, "LunarTime");
        auto *timer = editor->findChild<QObject *>(QStringLiteral("clockTimer"));
        const QVariant clock = editor->property("clock");
        // As the place's zone, chosen, would set them.
        const QString zone = QStringLiteral("Asia/Tokyo");
        m_calculation->setProperty("zone", zone);
        m_ui->setTimeZone(zone);
        const auto restore = qScopeGuard([&] {
            m_calculation->setProperty("zone", QString());
            m_ui->setTimeZone(QString());
            editor->setProperty("clock", clock);
        });
        const QTimeZone tokyo(zone.toUtf8());
        const QDateTime midnight(QDate(2027, 3, 8), QTime(0, 0), tokyo);
        editor->setProperty("now", true);
        tickTo(editor, timer, midnight.addSecs(-60));
        tickTo(editor, timer, midnight);
        QCOMPARE(m_calendar->property("selectedDate").toDate(), midnight.date());
        QCOMPARE(m_panel->property("dateTime").toDateTime(), midnight);
    }

    // A click on a reminder (or an event of the tray's menu) shows its moment.
    void reminderShowsItsMoment()
    {
        const QDateTime moment(QDate(2027, 3, 6), QTime(16, 30));
        emit Companion::instance()->momentRequested(moment);
        QTRY_COMPARE(m_panel->property("dateTime").toDateTime(), moment);
        QTRY_COMPARE(m_calendar->property("selectedDate").toDate(), moment.date());
    }

    void calendarSelectsAndSearches()
    {
        QQuickItem *page = findShown(root(), "CalendarPage");
        QQuickItem *grid = waitForFullGrid();
        auto *model = objectProperty<astro::CalendarModel>(grid, "model");
        // A run the test before asked for ends, and its days are in the grid, before a click.
        model->waitForRuns();
        QVERIFY(waitForFullGrid());

        // A day of the shown month: the panel follows, to that day and its ephemeris.
        auto *cells = grid->findChild<QObject *>(QStringLiteral("cells"));
        QQuickItem *cell = nullptr;
        QMetaObject::invokeMethod(cells, "itemAt", Q_RETURN_ARG(QQuickItem *, cell),
                                  Q_ARG(int, 17));
        QVERIFY(cell && cell->property("received").toBool());
        const QString day = dayOf(cell->property("date").toDateTime());
        clickItem(m_ui, cell);
        QCOMPARE(model->selectedDate().toString(Qt::ISODate), day);
        QVERIFY(cell->property("isSelected").toBool());
        waitForPanelOn(day);

        // The keyboard moves on from there.
        QTest::keyClick(m_ui, Qt::Key_Right);
        const QString next = QDate::fromString(day, Qt::ISODate).addDays(1).toString(Qt::ISODate);
        QCOMPARE(model->selectedDate().toString(Qt::ISODate), next);
        waitForPanelOn(next);

        // Three dates with lunar day 15, found from today on.
        search(page, 15, 3);
        QQuickItem *list = findName(page, QStringLiteral("resultList"));
        QCOMPARE(list->property("lastIndex").toInt(), 2);
        auto *rows = list->findChild<QObject *>(QStringLiteral("slots"));
        QStringList shown;
        QQuickItem *firstFound = nullptr;
        for (int i = 0; i < 10; ++i) {
            QQuickItem *slot = nullptr;
            QMetaObject::invokeMethod(rows, "itemAt", Q_RETURN_ARG(QQuickItem *, slot),
                                      Q_ARG(int, i));
            if (!slot->property("active").toBool())
                continue;
            const QVariantMap entry = slot->property("entry").toMap();
            QCOMPARE(entry.value(QStringLiteral("lunarDay")).toInt(), 15);
            shown << dayOf(entry.value(QStringLiteral("date")).toDateTime());
            if (!firstFound)
                firstFound = slot;
        }
        QCOMPARE(shown.size(), 3);
        // In date order from the top.
        QVERIFY2(shown.at(0) < shown.at(1) && shown.at(1) < shown.at(2),
                 qPrintable(shown.join(' ')));

        // A result moves the panel to its day.
        waitForStillWindow();
        clickItem(m_ui, firstFound, QPointF(20, 15));
        waitForPanelOn(shown.at(0));

        // Days found on another zone's clock are not listed as this one's.
        geo()->setPlaceTimeZone(true);
        QCOMPARE(list->property("lastIndex").toInt(), -1);
        // The window shows times in the zone the engine computes in.
        QVERIFY(!geo()->timeZone().isEmpty());
        QCOMPARE(m_ui->timeZone(), geo()->timeZone());
        geo()->setPlaceTimeZone(false);
        QCOMPARE(m_ui->timeZone(), QString());
    }

    void citySearchMovesTheObserver()
    {
        showPage(2);
        QQuickItem *page = findShown(root(), "SettingsPage");
        QVERIFY(page);
        QQuickItem *form = findName(page, QStringLiteral("locationForm"));
        QQuickItem *city = findName(form, QStringLiteral("cityField"));
        QObject *oldEntry = panelEntry();
        const qlonglong oldGrid = gridVersion();

        clickItem(m_ui, findName(city, QStringLiteral("box")));
        QTRY_VERIFY(city->property("inSearch").toBool());
        for (char key : QByteArrayLiteral("Reykjav"))
            QTest::keyClick(m_ui, key);
        // The list follows the typing; answers to the shorter lookups on the way come and go, so
        // the list read is the answer to the whole text typed.
        // A name too long for the field loses some of its region, never its country.
        QTRY_VERIFY_WITH_TIMEOUT(
            city->property("lastLookup").toString() == QLatin1String("Reykjav")
                && city->property("answered").toBool()
                && city->property("options").toStringList().value(0).startsWith(
                    QStringLiteral("Reykjav\u00edk, ")),
            10000);
        const QStringList options = city->property("options").toStringList();
        QVERIFY2(options.first().endsWith(QLatin1String(", Iceland")), qPrintable(options.first()));
        for (const QString &option : options)
            QVERIFY2(option.contains(QLatin1String("Reykjav")), qPrintable(option));

        auto *list = city->findChild<QQuickWindow *>(QStringLiteral("dropdown"));
        QTRY_VERIFY(list->isExposed());
        const qreal rowHeight = city->property("dropdownItemHeight").toReal();
        clickItem(list, list->contentItem(), QPointF(list->width() / 2, 1 + rowHeight / 2));

        QTRY_COMPARE(geo()->location().name(), QStringLiteral("Reykjav\u00edk"));
        QCOMPARE(city->property("inputText").toString().section(QLatin1Char(','), 0, 0),
                 QStringLiteral("Reykjav\u00edk"));
        QObject *latitude
            = findName(findName(form, QStringLiteral("latitudeField")), QStringLiteral("input"));
        QCOMPARE(latitude->property("text").toString(), QStringLiteral("64.135480"));
        waitForObserver(geo()->location(), oldEntry, oldGrid);
    }

    // Hovering over Tokyo names it, not a town on the same pixel; a click chooses its own point.
    void mapChoosesTheNearestCity()
    {
        showPage(2);
        QQuickItem *page = findShown(root(), "SettingsPage");
        QQuickItem *map = findName(page, QStringLiteral("map"));
        QVERIFY(map);
        QObject *oldEntry = panelEntry();
        const qlonglong oldGrid = gridVersion();

        // Tokyo, 139.69 E 35.69 N, where the map draws it.
        const QPointF tokyo
            = evaluate(map, QStringLiteral("Places.project(139.69, 35.69, width, height)"))
                  .toPointF();
        QTest::mouseMove(m_ui, map->mapToScene(tokyo - QPointF(3, 3)).toPoint());
        QTest::mouseMove(m_ui, map->mapToScene(tokyo).toPoint());
        QTRY_VERIFY_WITH_TIMEOUT(!map->property("nearName").toString().isEmpty(), 10000);
        QTRY_COMPARE(map->property("nearOpacity").toReal(), 1.0);
        const geo::Location near = qvariant_cast<geo::Location>(map->property("nearLocation"));
        QCOMPARE(near.name(), QStringLiteral("Tokyo"));
        // The label beside the marker names the city under the mouse.
        const QString label = map->property("nearText").toString();
        QVERIFY2(label.startsWith(near.name()) && label.endsWith(near.country()),
                 qPrintable(label));

        // A click means its own point, not the hovered one that the label names (a tap has no
        // hover at all): with Tokyo named, a click on Santiago chooses Santiago.
        clickItem(m_ui, map,
                  evaluate(map, QStringLiteral("Places.project(-70.65, -33.45, width, height)"))
                      .toPointF());
        QCOMPARE(geo()->location().country(), QStringLiteral("Chile"));
        waitForObserver(geo()->location(), oldEntry, oldGrid);
    }

    void panelShowsTheEngine_data()
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

    void panelShowsTheEngine()
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
            std::unique_ptr<astro::Ephemeris> probe(
                astro::computeEphemeris(reference.sky(), moment));
            QVERIFY(probe->voidStart().isValid());
            moment = probe->voidStart().addSecs(probe->voidStart().secsTo(probe->voidEnd()) / 120
                                                * 60);
        }
        std::unique_ptr<astro::Ephemeris> e(astro::computeEphemeris(reference.sky(), moment));
        QVERIFY(!inVoid || e->isVoC());
        // The names of the phase and the sign come from the scene's own table.
        const auto lunar = createProbe(
            m_ui->engine(),
            "import QtQml 2.0\nimport \"qrc:/qml/scripts/Lunar.js\" as Lunar\nQtObject {}\n");
        QVERIFY(lunar);
        QVERIFY(showMoment(moment));

        const auto hm = [](const QDateTime &t) {
            return t.isValid() ? t.toString(QStringLiteral("hh:mm")) : QStringLiteral("--:--");
        };
        const auto date
            = [](const QDateTime &t) { return t.toString(QStringLiteral("MM/dd/yyyy hh:mm")); };
        QStringList expected{
            QStringLiteral("Day %1").arg(e->lunarDay()),
            QStringLiteral("%1%").arg(qRound(e->illumination() * 100)),
            evaluate(lunar.get(), QStringLiteral("Lunar.phaseName(%1)").arg(e->phase(), 0, 'g', 17))
                .toString(),
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
        // Below the sign, once the ephemeris is shown: the next perigee and apogee.
        const std::optional<astro::Outlook> outlook
            = astro::outlookFrom(reference.sky(), astro::julianDay(moment));
        QVERIFY(outlook && outlook->perigee && outlook->apogee);
        for (const auto &[name, apsis] :
             {std::pair{"Perigee", *outlook->perigee}, {"Apogee", *outlook->apogee}}) {
            expected << QStringLiteral("%1 %2, %3 km")
                            .arg(QLatin1String(name),
                                 date(astro::localTime(apsis.instant, reference.sky().zone)),
                                 QLocale(QLocale::English).toString(qRound64(apsis.distanceKm)));
        }
        const QString sign
            = ui::formatDegrees(e->zodiacDegrees()) + QStringLiteral(" of ")
              + evaluate(lunar.get(), QStringLiteral("Lunar.zodiac(%1).name").arg(e->zodiac()))
                    .toString()
              + QLatin1Char(' ') + QChar(0x2648 + e->zodiac());

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

    void panelAndCalendarKeepInStep_data()
    {
        QTest::addColumn<QDateTime>("panelAt");
        QTest::addColumn<QDate>("calendarTo");
        QTest::addColumn<QDateTime>("panelThen");

        // The zone is eight hours west of Greenwich: a day's UTC midnight is the evening before.
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

    void panelAndCalendarKeepInStep()
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

    void deliveredEphemeridesAreFreed()
    {
        QList<QPointer<astro::Ephemeris>> delivered;
        const auto connection = connect(m_calculation, &astro::Calculation::ephemerisCalculated,
                                        this, [&](astro::Ephemeris *e) { delivered << e; });
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

        QObject *shown = panelEntry();
        int alive = 0;
        for (const QPointer<astro::Ephemeris> &e : delivered)
            alive += e ? 1 : 0;
        QVERIFY(shown);
        QVERIFY(delivered.contains(qobject_cast<astro::Ephemeris *>(shown)));
        QCOMPARE(alive, 1);
        // The one shown is whole and still read by the panel's bindings.
        QCOMPARE(evaluate(root(), QStringLiteral("panel.entry.time")).toDateTime(),
                 start.addDays(29));
        QCOMPARE(shown->property("lunarDay").toInt(),
                 evaluate(root(), QStringLiteral("panel.entry.lunarDay")).toInt());
    }

    // No browser takes the help page: a message shows its address, as text the user can copy.
    void helpWithoutABrowserShowsItsAddress()
    {
        global::update::Seam seam;
        seam.openUrl = [](const QUrl &) { return false; };
        global::Object::instance()->setUpdateSeamForTesting(seam);
        QString shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box && box->windowHandle() && box->windowHandle()->isExposed()) {
                if (box->textInteractionFlags() & Qt::TextSelectableByMouse)
                    shown = box->text();
                box->accept();
            }
        });
        closer.start(50);
        QTest::mouseClick(m_ui, Qt::LeftButton, Qt::NoModifier,
                          pageSquare(findType(root(), "PageSwitcher"), 3));
        QTRY_VERIFY2(shown.contains(global::Object::instance()->helpUrl()), qPrintable(shown));
    }

    void screenshots_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("scaleIndex");
        for (const char *language : {"en", "de", "ru", "fr", "es"}) {
            QTest::addRow("%s 100 %%", language) << QString::fromLatin1(language) << 1;
            QTest::addRow("%s 150 %%", language) << QString::fromLatin1(language) << 3;
        }
    }

    // Every page in each language at the scale chosen on the settings page, with a long zone
    // label and the longest lunar day among the results: no text is cut or runs out of its
    // room, and nothing lies over another. English, German and Russian are saved as
    // <page>-<language>-<scale>.png.
    void screenshots()
    {
        QFETCH(QString, language);
        QFETCH(int, scaleIndex);
        QString folder = qEnvironmentVariable("VENDARION_SCREENSHOTS");
        if (folder.isEmpty())
            folder = m_screenshots.path();
        QVERIFY(QDir().mkpath(folder));
        m_ui->setLanguage(language);
        const QString zone = QStringLiteral("Africa/Johannesburg");
        m_calculation->setProperty("zone", zone);
        m_ui->setTimeZone(zone);
        const auto restore = qScopeGuard([&] {
            m_ui->setLanguage(QString());
            m_calculation->setProperty("zone", QString());
            m_ui->setTimeZone(QString());
        });

        showPage(2);
        QQuickItem *settings = findShown(root(), "SettingsPage");
        QQuickItem *scaleField = findName(settings, QStringLiteral("scaleField"));
        choose(scaleField, scaleIndex);
        QTRY_COMPARE(m_ui->scaleIndex(), scaleIndex);
        const QSize expected(qRound(1018 * m_ui->ppp()), qRound(560 * m_ui->ppp()));
        QTRY_VERIFY(m_ui->width() >= expected.width() - 1
                    && m_ui->height() >= expected.height() - 1);
        // Options too large for the screen are shown, and not offered.
        QVariantList tooLarge;
        for (int i = 0; i < m_ui->scaleOptions().size(); ++i) {
            if (!m_ui->scaleOptionFits(i))
                tooLarge << i;
        }
        QVERIFY(!tooLarge.isEmpty());
        QCOMPARE(scaleField->property("disabledOptions").toList(), tooLarge);

        const QString suffix = QStringLiteral("%1-%2").arg(language).arg(
            m_ui->scaleOptions().at(scaleIndex).chopped(1));
        const bool saved = language != QLatin1String("fr") && language != QLatin1String("es");
        auto check = [&](const QString &name) {
            // The change just made is drawn, and its animations have ended.
            const qint64 changed = m_clock.elapsed();
            (void)QTest::qWaitFor([&] { return m_lastFrame > changed; }, 1000);
            waitForStillWindow();
            const QStringList faults = layoutFaults(root());
            QVERIFY2(faults.isEmpty(), qPrintable(name + ": " + faults.join(QLatin1String(" | "))));
            if (!saved)
                return;
            const QImage image = m_ui->grabWindow();
            QCOMPARE(image.size(), m_ui->size());
            const QString file = QStringLiteral("%1/%2-%3.png").arg(folder, name, suffix);
            QVERIFY2(image.save(file), qPrintable(file));
        };

        check(QStringLiteral("settings"));

        // The reminders' dialog from the settings page, void of course chosen by a click on its
        // line, lunar days through the companion.
        clickItem(m_ui, findName(settings, QStringLiteral("remindersButton")));
        QQuickItem *reminders = findType(root(), "RemindersDialog");
        QTRY_VERIFY(reminders && reminders->isVisible());
        QQuickItem *voidLine = findName(reminders, QStringLiteral("reminder_void"));
        clickItem(m_ui, voidLine, QPointF(10, 13 * m_ui->ppp()));
        QTRY_VERIFY(reminders::Choice::load().kinds & ical::Void);
        Companion::instance()->setReminderOn(QStringLiteral("lunarday"), true);
        check(QStringLiteral("reminders"));
        Companion::instance()->setReminderOn(QStringLiteral("lunarday"), false);
        Companion::instance()->setReminderOn(QStringLiteral("void"), false);
        QMetaObject::invokeMethod(reminders, "close");
        QTRY_VERIFY(!reminders->isVisible());

        showPage(0);
        QQuickItem *texts = findShown(root(), "TextsPage");
        QTRY_VERIFY_WITH_TIMEOUT(!texts->property("text").toString().isEmpty(), 10000);
        QQuickItem *topics = findType(texts, "TabSwitcher");
        QVERIFY2(topics->x() + topics->implicitWidth() <= texts->width(), "a topic tab is cut off");
        check(QStringLiteral("texts"));

        showPage(1);
        QVERIFY(waitForFullGrid());
        QQuickItem *calendar = findShown(root(), "CalendarPage");
        search(calendar, 30, 5);
        check(QStringLiteral("calendar"));
        const auto apart = [&](const char *a, const char *b) {
            const auto rect = [&](const char *name) {
                QQuickItem *item = findName(root(), QString::fromLatin1(name));
                return item ? item->mapRectToScene(QRectF(0, 0, item->width(), item->height()))
                            : QRectF();
            };
            QVERIFY2(!rect(a).isEmpty() && !rect(b).isEmpty() && !rect(a).intersects(rect(b)),
                     qPrintable(QStringLiteral("%1 and %2 overlap").arg(a, b)));
        };
        apart("exportAction", "resultList");
        apart("clearResults", "searchForm");
        apart("nextMonth", "todayButton");
        apart("outlook", "zoneLine");

        // The export dialog, over the page area beside the moon panel.
        clickItem(m_ui, findName(calendar, QStringLiteral("exportAction")));
        QQuickItem *exporter = findName(root(), QStringLiteral("exportDialog"));
        QTRY_COMPARE(exporter->opacity(), 1.0);
        QVERIFY(!exporter->mapRectToScene(QRectF(0, 0, exporter->width(), exporter->height()))
                     .intersects(m_panel->mapRectToScene(
                         QRectF(0, 0, m_panel->width(), m_panel->height()))));
        check(QStringLiteral("export"));
        QVERIFY(QMetaObject::invokeMethod(exporter, "close"));
        QTRY_VERIFY(!exporter->isVisible());

        // The void-of-course view, through its tab caption.
        QQuickItem *tabs = findType(calendar, "TabSwitcher");
        const QString voidCaption = QCoreApplication::translate("CalendarPage", "Void Course");
        clickItem(m_ui, findItem(tabs, [&](QQuickItem *item) {
                      return item->inherits("QQuickText") && item->isVisible()
                             && item->property("text").toString() == voidCaption;
                  }));
        QTRY_COMPARE(calendar->property("selectedTab").toInt(), 1);
        check(QStringLiteral("calendar-void"));
        clickItem(m_ui, tabs, QPointF(10, tabs->height() / 2));
        QTRY_COMPARE(calendar->property("selectedTab").toInt(), 0);

        // The print dialog, made on the first Ctrl+P, a shortcut of the active window.
        m_ui->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(m_ui));
        QTest::keyClick(m_ui, Qt::Key_P, Qt::ControlModifier);
        QQuickItem *print = findType(root(), "PrintDialog");
        QVERIFY(print);
        QTRY_COMPARE(print->opacity(), 1.0);
        check(QStringLiteral("print"));
        print->setProperty("opacity", 0);
        QTRY_VERIFY(!print->isVisible());

        // The update dialog over everything, as when the service announces a newer version.
        emit global::Object::instance()->updateAvailable(QStringLiteral("3.1.0"),
                                                         QStringLiteral("3.2.0"));
        QQuickItem *dialog = findType(root(), "UpdateDialog");
        QVERIFY(dialog && dialog->isVisible());
        check(QStringLiteral("update"));
        const QString closeText = QCoreApplication::translate("UpdateDialog", "Close");
        QQuickItem *close = findItem(dialog, [&](QQuickItem *item) {
            return isOfType(item, "ButtonBlack") && item->property("text").toString() == closeText;
        });
        clickItem(m_ui, close);
        QTRY_VERIFY(!dialog->isVisible());
    }

    // Today stays marked in the grid; Ctrl+T and the Today button bring the panel back to the
    // present and the grid back to today's month, whatever was browsed to.
    void todayComesBack_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Ctrl+T") << true;
        QTest::newRow("the Today button") << false;
    }
    void todayComesBack()
    {
        QFETCH(bool, byKey);
        QQuickItem *page = findShown(root(), "CalendarPage");
        const QDate today = QDate::currentDate();
        QVERIFY(showMoment(QDateTime(today.addDays(-40), QTime(6, 30))));
        clickItem(m_ui, findName(page, QStringLiteral("nextMonth")));
        QVERIFY(m_calendar->property("activeMonth").toDate() < today.addDays(-1));
        m_ui->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(m_ui));
        if (byKey)
            QTest::keyClick(m_ui, Qt::Key_T, Qt::ControlModifier);
        else
            clickItem(m_ui, findName(page, QStringLiteral("todayButton")));
        QTRY_VERIFY(findType(m_panel, "LunarTime")->property("now").toBool());
        QCOMPARE(m_calendar->property("selectedDate").toDate(), today);
        QCOMPARE(m_calendar->property("activeMonth").toDate(),
                 QDate(today.year(), today.month(), 1));
        waitForPanelOn(today.toString(Qt::ISODate));

        // Today is marked, and no other day.
        QQuickItem *grid = waitForFullGrid();
        auto *cells = grid->findChild<QObject *>(QStringLiteral("cells"));
        int marked = 0;
        for (int i = 0; i < astro::CalendarModel::GridDays; ++i) {
            QQuickItem *cell = nullptr;
            QMetaObject::invokeMethod(cells, "itemAt", Q_RETURN_ARG(QQuickItem *, cell),
                                      Q_ARG(int, i));
            const bool isToday = cell->property("isToday").toBool();
            QCOMPARE(isToday, cell->property("date").toDateTime().date() == today);
            QCOMPARE(findName(cell, QStringLiteral("todayMark"))->isVisible(), isToday);
            marked += isToday;
        }
        QCOMPARE(marked, 1);
    }

    // The window's keys: the pages in the strip's order, the search's first field, the export
    // dialog with the keyboard on its first field, which Escape closes.
    void windowKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("focused");
        QTest::newRow("Ctrl+1") << int(Qt::Key_1) << 0 << QString();
        QTest::newRow("Ctrl+3") << int(Qt::Key_3) << 2 << QString();
        QTest::newRow("Ctrl+F") << int(Qt::Key_F) << 1
                                << QCoreApplication::translate("CalendarSearchForm", "Look for");
        QTest::newRow("Ctrl+E") << int(Qt::Key_E) << 1
                                << QCoreApplication::translate("ExportDialog", "Range");
    }
    void windowKeys()
    {
        QFETCH(int, key);
        QFETCH(int, page);
        QFETCH(QString, focused);
        m_ui->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(m_ui));
        QTest::keyClick(m_ui, Qt::Key(key), Qt::ControlModifier);
        QTRY_COMPARE(findName(root(), QStringLiteral("pageView"))->property("currentIndex").toInt(),
                     page);
        if (!focused.isEmpty())
            QTRY_COMPARE(m_ui->activeFocusItem()->property("name").toString(), focused);
        if (key == Qt::Key_E) {
            QTest::keyClick(m_ui, Qt::Key_Escape);
            QTRY_VERIFY(!findName(root(), QStringLiteral("exportDialog"))->isVisible());
        }
    }

    // "This month" is the month shown; the save dialog opens in the documents folder with a
    // name for the month, at the window's scale, then where the last file went; the file's
    // report is news, not a warning.
    void exportSavesTheShownMonth()
    {
        QQuickItem *page = findShown(root(), "CalendarPage");
        m_ui->setScaleIndex(3);
        clickItem(m_ui, findName(page, QStringLiteral("nextMonth")));
        const QDate shown = m_calendar->property("activeMonth").toDate();
        const QString documents
            = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir().mkpath(documents));
        QTemporaryDir elsewhere;
        const QString second = elsewhere.filePath(QStringLiteral("second"));
        QVERIFY(QDir().mkpath(second));
        QStringList folders;
        for (const QString &target : {elsewhere.path(), second}) {
            clickItem(m_ui, findName(page, QStringLiteral("exportAction")));
            QQuickItem *dialog = findName(root(), QStringLiteral("exportDialog"));
            QTRY_COMPARE(dialog->opacity(), 1.0);
            const QDate from = evaluate(dialog, QStringLiteral("UI.fromDay(from.inputDate)"))
                                   .toDateTime()
                                   .date();
            QCOMPARE(from, shown);
            QString proposed;
            QTimer::singleShot(0, [&] {
                QFileDialog *files = nullptr;
                QTRY_VERIFY((files = visibleWidget<QFileDialog>()));
                QVERIFY(QTest::qWaitForWindowActive(files));
                folders << files->directory().absolutePath();
                proposed = QFileInfo(files->selectedFiles().value(0)).fileName();
                QCOMPARE(files->font().pointSize(), ui::referencePointSize(m_ui->scale()));
                files->setDirectory(target);
                QMetaObject::invokeMethod(files, "accept");
            });
            clickItem(m_ui, findItem(dialog, [](QQuickItem *item) {
                          return isOfType(item, "ButtonBlack")
                                 && item->property("text").toString() == QLatin1String("Export...");
                      }));
            QCOMPARE(proposed, QStringLiteral("moon-%1.ics").arg(shown.toString("yyyy-MM")));
            // The report's box runs its own loop: answered from there.
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QTimer closer;
            connect(&closer, &QTimer::timeout, [&] {
                auto *box = visibleWidget<QMessageBox>();
                if (box && box->isActiveWindow()) {
                    icon = box->icon();
                    box->accept();
                }
            });
            closer.start(50);
            QTRY_VERIFY_WITH_TIMEOUT(icon != QMessageBox::NoIcon, 60000);
            QCOMPARE(icon, QMessageBox::Information);
            QVERIFY(QFile::exists(target + QLatin1Char('/') + proposed));
            QTRY_VERIFY(!dialog->isVisible());
        }
        QCOMPARE(folders, QStringList({QDir(documents).absolutePath(),
                                       QDir(elsewhere.path()).absolutePath()}));
    }

    // What an icon or an abbreviation means shows on hover.
    void tooltipsSayWhatIconsMean_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("tip");
        QTest::newRow("a page square") << "calendarSquare"
                                       << "Calendar";
        QTest::newRow("U/T") << "U/T"
                             << "Upper transit: the Moon crosses the meridian at its highest";
        QTest::newRow("a phase date") << "phaseTime"
                                      << "The previous new moon";
    }
    void tooltipsSayWhatIconsMean()
    {
        QFETCH(QString, item);
        QFETCH(QString, tip);
        QPoint at;
        if (item == QLatin1String("calendarSquare")) {
            at = pageSquare(findType(root(), "PageSwitcher"), 1);
        } else {
            QQuickItem *found = findItem(m_panel, [&](QQuickItem *i) {
                return i->objectName() == item
                       || (i->inherits("QQuickText")
                           && i->property("text").toString().startsWith(item));
            });
            QVERIFY(found);
            at = found->mapToScene(QPointF(found->width() / 2, found->height() / 2)).toPoint();
        }
        QTest::mouseMove(m_ui, at - QPoint(2, 2));
        QTest::mouseMove(m_ui, at);
        QTRY_VERIFY2(QToolTip::text().startsWith(tip), qPrintable(QToolTip::text()));
        QTest::mouseMove(m_ui, QPoint(1, 1));
        QTRY_VERIFY(QToolTip::text().isEmpty());
    }

    // South of the equator the moon picture and the phase glyphs are turned half round; as in
    // the sky now, the picture turns to where the lit limb is. Saved as sydney-moon*.png.
    void southernMoon()
    {
        QVERIFY(setPlace(151.21, -33.87));
        const auto back = qScopeGuard([this] {
            m_ui->setMoonAsInSky(false);
            setPlace(-118.24368, 34.05223);
        });
        QVERIFY(showMoment(QDateTime(QDate(2027, 3, 12), QTime(5, 0))));
        const QList<QQuickItem *> discs = [&] {
            QList<QQuickItem *> found;
            findItem(m_panel, [&](QQuickItem *i) {
                if (i->objectName() == QLatin1String("disc"))
                    found << i;
                return false;
            });
            return found;
        }();
        QCOMPARE(discs.size(), 5);
        for (QQuickItem *disc : discs)
            QTRY_COMPARE(disc->rotation(), -180.0);
        QString folder = qEnvironmentVariable("VENDARION_SCREENSHOTS");
        if (folder.isEmpty())
            folder = m_screenshots.path();
        waitForStillWindow();
        QVERIFY(m_ui->grabWindow().save(folder + QStringLiteral("/sydney-moon.png")));

        m_ui->setMoonAsInSky(true);
        QObject *e = panelEntry();
        const double turn = astro::pictureTurnInSky(e->property("phase").toDouble(),
                                                    e->property("brightLimbAngle").toDouble());
        QTRY_COMPARE(discs.first()->rotation(), -turn);
        for (QQuickItem *glyph : discs.mid(1))
            QCOMPARE(glyph->rotation(), -180.0);
        waitForStillWindow();
        QVERIFY(m_ui->grabWindow().save(folder + QStringLiteral("/sydney-moon-sky.png")));
    }

    // In Russian, a Latin letter outside markup, the place's names and the product's line is in a
    // text that escaped translation.
    void everyTextIsTranslated()
    {
        m_ui->setLanguage(QStringLiteral("ru"));
        const auto english = qScopeGuard([this] { m_ui->setLanguage(QString()); });
        // Qt's own dialogs speak it too.
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"),
                 QStringLiteral("Сохранить как"));
        const geo::Location place = geo()->location();
        QStringList untranslated;
        for (int page : {0, 1, 2}) {
            showPage(page);
            waitForStillWindow();
            QStringList texts;
            collectTexts(root(), texts);
            for (QString text : qAsConst(texts)) {
                text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
                for (const QString &name : {place.name(), place.country(), place.zone()}) {
                    if (!name.isEmpty())
                        text.remove(name);
                }
                if (text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")))
                    && !text.startsWith(global::Object::product()))
                    untranslated << text;
            }
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1String(" | "))));
    }

    void outOfRangeScaleIndexIsIgnored()
    {
        const int before = m_ui->scaleIndex();
        QSignalSpy indexSpy(m_ui, &UI::scaleIndexChanged);
        m_ui->setScaleIndex(m_ui->scaleOptions().size());
        m_ui->setScaleIndex(-1);
        QCOMPARE(indexSpy.count(), 0);
        QCOMPARE(m_ui->scaleIndex(), before);
    }

    void pressOutsideFocusedItemClearsFocus_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<bool>("keepsFocus");

        QTest::newRow("on its top-left corner") << QPoint(50, 50) << true;
        QTest::newRow("beside the field") << QPoint(200, 60) << false;
        QTest::newRow("below the field") << QPoint(60, 300) << false;
    }

    void pressOutsideFocusedItemClearsFocus()
    {
        QFETCH(QPoint, press);
        QFETCH(bool, keepsFocus);

        auto field
            = createProbe(m_ui->engine(), "import QtQuick 2.6\n"
                                          "TextInput { x: 50; y: 50; width: 100; height: 30 }\n");
        QVERIFY(field);
        auto *item = qobject_cast<QQuickItem *>(field.get());
        item->setParentItem(m_ui->rootObject());
        item->forceActiveFocus();
        QVERIFY(item->hasActiveFocus());
        QTest::mousePress(m_ui, Qt::LeftButton, Qt::NoModifier, press);
        QTest::mouseRelease(m_ui, Qt::LeftButton, Qt::NoModifier, press);
        QCOMPARE(item->hasActiveFocus(), keepsFocus);
    }

    void textsLoadNothing_data()
    {
        // %1 is the port of a server on 127.0.0.1, %2 a named pipe outside the resource folder.
        QTest::addColumn<QString>("markup");
        QTest::newRow("remote image") << "<img src=\"http://127.0.0.1:%1/moon.png\">";
        QTest::newRow("remote style sheet")
            << "<link rel=\"stylesheet\" href=\"http://127.0.0.1:%1/a.css\">";
        QTest::newRow("remote background")
            << "<p style=\"background-image: url(http://127.0.0.1:%1/b.png)\">x</p>";
        QTest::newRow("a named pipe outside the resource folder") << "<img src=\"file://%2\">";
    }

    // The texts page shows an entry of a document as it does at start-up; nothing it names is
    // fetched, and nothing hangs the window.
    void textsLoadNothing()
    {
        QFETCH(QString, markup);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        int connections = 0;
        connect(&server, &QTcpServer::newConnection, [&] { ++connections; });
        QTemporaryDir folder;
        const QString pipe = folder.filePath(QStringLiteral("moon.png"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

        // Whatever sign the moon panel shows, the entry is the general one for it.
        QByteArray header = "### General";
        for (const char *sign : {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra",
                                 "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"})
            header += QByteArray(";Moon@") + sign;
        markup.replace(QLatin1String("%1"), QString::number(server.serverPort()));
        markup.replace(QLatin1String("%2"), pipe);
        text::Document document(header + "\nShown " + markup.toUtf8() + "\n");
        QQuickItem *page = findType(root(), "TextsPage");
        QVERIFY(page);
        const QVariant shown = page->property("document");
        page->setProperty("tabIndex", 0);
        page->setProperty("document", QVariant::fromValue<QObject *>(&document));
        // The page builds again only for other keys; this document is new under the same ones.
        page->setProperty("builtKeys", QString());
        QVERIFY(QMetaObject::invokeMethod(page, "build"));
        QVERIFY(page->property("text").toString().contains(QLatin1String("Shown")));
        // Once the window has drawn the text, a connection of ours reaches the server after any
        // the page would have opened.
        QSignalSpy drawn(m_ui, &QQuickWindow::frameSwapped);
        m_ui->update();
        QVERIFY(drawn.wait(5000));
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, server.serverPort());
        QTRY_VERIFY(connections >= 1);
        QCOMPARE(connections, 1);
        page->setProperty("document", shown);
        page->setProperty("builtKeys", QString());
        QVERIFY(QMetaObject::invokeMethod(page, "build"));
    }

    void secondWindowThrows()
    {
        QVERIFY_EXCEPTION_THROWN(UI second, std::bad_alloc);
        QCOMPARE(UI::instance(), m_ui);
    }

    void cleanupTestCase()
    {
        // The window and the services go before the application object, as at the end of a run.
        delete m_ui;
        delete global::Object::instance();
        m_log.reset();
    }

private:
    QQuickItem *root() const { return m_ui->rootObject(); }
    // The moon panel's clock, made to read `at`, ticks; the panel shows that moment's ephemeris.
    void tickTo(QQuickItem *editor, QObject *timer, const QDateTime &at)
    {
        QJSValue fixed = m_ui->engine()->evaluate(
            "(function(t) { return function() { return new Date(t) } })");
        editor->setProperty("clock",
                            QVariant::fromValue(fixed.call({double(at.toMSecsSinceEpoch())})));
        QVERIFY(QMetaObject::invokeMethod(timer, "triggered"));
        QTRY_COMPARE_WITH_TIMEOUT(panelEntry()->property("time").toDateTime(), at, 20000);
    }

    // Through the squares of the page switcher at the right edge of the page area.
    // Until the window has drawn nothing for a while: every animation has ended (the clock's
    // tick draws once a second, well apart).
    void waitForStillWindow()
    {
        QVERIFY(QTest::qWaitFor([&] { return m_clock.elapsed() - m_lastFrame >= StillMs; }, 10000));
    }

    void showPage(int index)
    {
        QQuickItem *switcher = findType(root(), "PageSwitcher");
        QVERIFY(switcher);
        QTest::mouseClick(m_ui, Qt::LeftButton, Qt::NoModifier, pageSquare(switcher, index));
        QTRY_COMPARE(switcher->property("selectedIndex").toInt(), index);
    }

    QQuickItem *waitForFullGrid()
    {
        QQuickItem *grid = findName(root(), QStringLiteral("calendarView"));
        if (!grid)
            return nullptr;
        auto *model = objectProperty<astro::CalendarModel>(grid, "model");
        if (!model)
            return nullptr;
        return QTest::qWaitFor([&] { return gridFilled(grid, model); }, 30000) ? grid : nullptr;
    }

    // Opens a select field's list by clicking its box and clicks the option's row.
    void choose(QQuickItem *select, int option)
    {
        QVERIFY(select);
        clickItem(m_ui, findName(select, QStringLiteral("box")));
        auto *list = select->findChild<QQuickWindow *>(QStringLiteral("dropdown"));
        QVERIFY(list);
        QTRY_VERIFY(list->isExposed());
        // The scene's overlay, handed down to the field, catches clicks around the open list.
        QCOMPARE(findType(root(), "ModalOverlay")->property("modalWindow").value<QObject *>(),
                 list);
        const qreal rowHeight = select->property("dropdownItemHeight").toReal();
        // The list scrolls: bring the row into view first, as a wheel turn would.
        QQuickItem *scroll = findItem(list->contentItem(), [](QQuickItem *item) {
            return item->property("flickableItem").isValid();
        });
        qreal offset = 0;
        if (scroll) {
            QObject *flickable = objectProperty<QObject>(scroll, "flickableItem");
            const qreal visible = scroll->height();
            offset = qMax(0.0, option * rowHeight - visible / 2);
            flickable->setProperty("contentY", offset);
        }
        clickItem(list, list->contentItem(),
                  QPointF(list->width() / 2, 1 + option * rowHeight - offset + rowHeight / 2));
        QTRY_COMPARE(select->property("selectedIndex").toInt(), option);
    }

    QObject *panelEntry() const { return objectProperty<QObject>(m_panel, "entry"); }
    void waitForPanelOn(const QString &day)
    {
        QTRY_COMPARE_WITH_TIMEOUT(dayOf(m_panel->property("dateTime").toDateTime()), day, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(
            panelEntry() && dayOf(panelEntry()->property("time").toDateTime()) == day, 20000);
    }

    // Fills in the search form of the calendar page and runs it to its end.
    void search(QQuickItem *page, int lunarDay, int results)
    {
        QQuickItem *form = findName(page, QStringLiteral("searchForm"));
        QVERIFY(form);
        choose(findName(form, QStringLiteral("moonDayField")), lunarDay);
        choose(findName(form, QStringLiteral("resultsField")), results - 1);
        clickItem(m_ui, findName(form, QStringLiteral("searchButton")));
        QTRY_VERIFY_WITH_TIMEOUT(!form->property("isSearching").toBool(), 60000);
    }

    // After the observer moves, the panel shows what the engine computes for the new place, and
    // the calendar runs again.
    void waitForObserver(const geo::Location &place, QObject *oldEntry, qlonglong oldGridVersion)
    {
        auto *calculation = objectProperty<astro::Calculation>(root(), "calculation");
        QVERIFY(calculation);
        QTRY_COMPARE(calculation->observerVector(), place.vector());
        QTRY_VERIFY_WITH_TIMEOUT(panelEntry() != oldEntry, 20000);
        QObject *entry = panelEntry();
        astro::Calculation reference;
        reference.setObserverVector(place.vector());
        std::unique_ptr<astro::Ephemeris> expected(
            astro::computeEphemeris(reference.sky(), entry->property("time").toDateTime()));
        QCOMPARE(entry->property("nextRising").toDateTime(), expected->nextRising());
        QCOMPARE(entry->property("nextSetting").toDateTime(), expected->nextSetting());
        QTRY_VERIFY_WITH_TIMEOUT(gridVersion() > oldGridVersion, 20000);
    }

    qlonglong gridVersion() const
    {
        auto *grid = findName(root(), QStringLiteral("calendarView"));
        return grid ? grid->property("filledVersion").toLongLong() : 0;
    }

    geo::Object *geo() const
    {
        return m_ui->engine()->singletonInstance<geo::Object *>(qmlTypeId("Geo", 1, 0, "Geo"));
    }

    // Moves the panel and waits until the ephemeris of that moment is shown.
    bool showMoment(const QDateTime &moment)
    {
        m_panel->setProperty("dateTime", moment);
        return QTest::qWaitFor(
            [&] {
                return !m_panel->property("busy").toBool()
                       && evaluate(root(), QStringLiteral("panel.entry.time")).toDateTime()
                              == moment;
            },
            20000);
    }

    // Moves the observer and waits until the panel has its ephemeris for every step of the way.
    bool setPlace(double longitude, double latitude)
    {
        // Each coordinate is a change of place of its own, at which the panel asks again. Results
        // come back in the order they are done, so the one for the place in between could come
        // last, or in a later test: each change is let through before the next.
        const QString calls[] = {QStringLiteral("Geo.setLongitude(%1)").arg(longitude, 0, 'f', 6),
                                 QStringLiteral("Geo.setLatitude(%1)").arg(latitude, 0, 'f', 6)};
        for (const QString &call : calls) {
            const QVector3D before = m_calculation->observerVector();
            QSignalSpy results(m_calculation, &astro::Calculation::ephemerisCalculated);
            evaluate(root(), call);
            if (m_calculation->observerVector() != before
                && !QTest::qWaitFor([&] { return results.count() >= 1; }, 20000))
                return false;
        }
        return true;
    }

    std::unique_ptr<LogCapture> m_log;
    UI *m_ui = nullptr;
    QQuickItem *m_panel = nullptr;
    astro::Calculation *m_calculation = nullptr;
    QTemporaryDir m_screenshots;
    QElapsedTimer m_clock;
    std::atomic<qint64> m_lastFrame{0};
    QObject *m_calendar = nullptr;
};

int main(int argc, char **argv)
{
    // A screen large enough for the window at 150 %.
    Xvfb screen(1920, 1200, 96);
    if (screen.display().isEmpty()) {
        std::fputs("tst_e2e: Xvfb did not start\n", stderr);
        return 1;
    }
    qputenv("DISPLAY", screen.display().toLocal8Bit());
    qunsetenv("QT_QPA_PLATFORM");
    qunsetenv("WAYLAND_DISPLAY");
    disableFrameworkScaling();
    QApplication app(argc, argv);
    TestEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e.moc"
