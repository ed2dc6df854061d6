// The whole program in-process, on a private X server, driven through its window the way a user
// drives it: clicks on what is shown and keys typed into what has the focus. Nothing reaches the
// network: the update check is off in the test's own settings before the scene loads.
//
// Screenshots of every page at 100, 125 and 150 % go to $VENDARION_SCREENSHOTS (default: the
// folder "screens" beside the test's home).
#include "astro/calculation.h"
#include "astro/calendarmodel.h"
#include "astro/ephemeris.h"
#include "common/qmlprobe.h"
#include "common/scenedriver.h"
#include "common/testhome.h"
#include "common/xvfb.h"
#include "geo/object.h"
#include "global/object.h"

#include <QDir>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

#include <memory>

namespace {

QString dayOf(const QDateTime &value)
{
    return value.toLocalTime().date().toString(Qt::ISODate);
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void clockTickLeavesTheUserAlone();
    void calendarSelectsAndSearches();
    void citySearchMovesTheObserver();
    void mapChoosesTheNearestCity();
    void screenshots_data();
    void screenshots();
    void cleanupTestCase();

private:
    QQuickItem *root() const { return m_ui->rootObject(); }
    QQuickItem *panel() const { return findType(root(), "LunarPanel"); }
    QQuickItem *visiblePage(const char *type) const;
    void click(QQuickItem *item, QPointF at = QPointF(-1, -1));
    void clickIn(QQuickWindow *window, QPointF at);
    void showPage(int index);
    QQuickItem *waitForFullGrid();
    void choose(QQuickItem *select, int option);
    QObject *panelEntry() const { return objectProperty<QObject>(panel(), "entry"); }
    void waitForPanelOn(const QString &day);
    void search(QQuickItem *page, int lunarDay, int results);
    void waitForObserver(const geo::Location &place, QObject *oldEntry, qlonglong oldGridVersion);
    qlonglong gridVersion() const;
    geo::Object *geo() const
    {
        return m_ui->engine()->singletonInstance<geo::Object *>(qmlTypeId("Geo", 1, 0, "Geo"));
    }

    UI *m_ui = nullptr;
};

void TestEndToEnd::initTestCase()
{
    startWithCleanHome();
    installWarningCollector();
    prepareScene();
    m_ui = UI::instance();
    m_ui->setupWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_ui));
    QVERIFY(panel());
    QTRY_VERIFY_WITH_TIMEOUT(panelEntry() && panelEntry()->property("time").isValid(), 30000);
    // A first start in Paris's time zone (main() sets it) starts in Paris.
    QCOMPARE(geo()->location().name() + ", " + geo()->location().country(),
             QStringLiteral("Paris, France"));
}

// The clock's tick moves the panel and leaves alone what the user is looking at: the place
// reached in the texts, and a month browsed to on the calendar even when the day rolls over.
void TestEndToEnd::clockTickLeavesTheUserAlone()
{
    QQuickItem *editor = findType(panel(), "LunarTime");
    auto *timer = editor->findChild<QObject *>(QStringLiteral("clockTimer"));
    QVERIFY(timer && editor->property("now").toBool());
    const QVariant clock = editor->property("clock");
    const QDateTime now = panel()->property("dateTime").toDateTime();
    const auto tick = [&](const QDateTime &at) {
        QJSValue fixed = m_ui->engine()->evaluate(
            "(function(t) { return function() { return new Date(t) } })");
        editor->setProperty("clock",
                            QVariant::fromValue(fixed.call({double(at.toMSecsSinceEpoch())})));
        QVERIFY(QMetaObject::invokeMethod(timer, "triggered"));
        QTRY_COMPARE_WITH_TIMEOUT(panelEntry()->property("time").toDateTime(), at, 20000);
    };

    showPage(0);
    QQuickItem *texts = visiblePage("TextsPage");
    QTRY_VERIFY_WITH_TIMEOUT(!texts->property("text").toString().isEmpty(), 10000);
    auto *flickable
        = objectProperty<QObject>(objectProperty<QObject>(texts, "view"), "flickableItem");
    flickable->setProperty("contentY", 50);
    const QString shown = texts->property("text").toString();
    tick(now.addSecs(60));
    // Unless that minute brought the Moon into another sign, phase band or lunar day.
    if (texts->property("text").toString() == shown)
        QCOMPARE(flickable->property("contentY").toReal(), 50.0);

    showPage(1);
    QQuickItem *calendar = visiblePage("CalendarPage");
    auto *model = objectProperty<astro::CalendarModel>(calendar, "calendarModel");
    for (int i = 0; i < 2; ++i)
        click(findName(calendar, QStringLiteral("nextMonth")));
    const QDate browsed = model->activeMonth();
    QVERIFY(browsed > now.date().addMonths(1));
    tick(now.addDays(1));
    QCOMPARE(model->selectedDate(), now.addDays(1).date());
    QCOMPARE(model->activeMonth(), browsed);
    editor->setProperty("clock", clock);
}

QQuickItem *TestEndToEnd::visiblePage(const char *type) const
{
    return findItem(root(), [type](QQuickItem *item) {
        return isOfType(item, type) && item->isVisible() && item->parentItem()->isVisible();
    });
}

// A left click on the item, in the middle unless a point in the item is given.
void TestEndToEnd::click(QQuickItem *item, QPointF at)
{
    QVERIFY(item);
    if (at.x() < 0)
        at = QPointF(item->width() / 2, item->height() / 2);
    QTest::mouseClick(m_ui, Qt::LeftButton, Qt::NoModifier, item->mapToScene(at).toPoint());
}

void TestEndToEnd::clickIn(QQuickWindow *window, QPointF at)
{
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at.toPoint());
}

// Through the squares of the page switcher at the right edge of the page area.
void TestEndToEnd::showPage(int index)
{
    QQuickItem *switcher = findType(root(), "PageSwitcher");
    QVERIFY(switcher);
    QTest::mouseClick(m_ui, Qt::LeftButton, Qt::NoModifier, pageSquare(switcher, index));
    QTRY_COMPARE(switcher->property("selectedIndex").toInt(), index);
}

QQuickItem *TestEndToEnd::waitForFullGrid()
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
void TestEndToEnd::choose(QQuickItem *select, int option)
{
    QVERIFY(select);
    click(objectProperty<QQuickItem>(select, "box"));
    auto *list = objectProperty<QQuickWindow>(select, "dropdown");
    QVERIFY(list);
    QTRY_VERIFY(list->isExposed());
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
    clickIn(list, QPointF(list->width() / 2, 1 + option * rowHeight - offset + rowHeight / 2));
    QTRY_COMPARE(select->property("selectedIndex").toInt(), option);
}

// Fills in the search form of the calendar page and runs it to its end.
void TestEndToEnd::search(QQuickItem *page, int lunarDay, int results)
{
    QQuickItem *form = objectProperty<QQuickItem>(page, "searchForm");
    QVERIFY(form);
    choose(objectProperty<QQuickItem>(form, "moonDayField"), lunarDay);
    choose(objectProperty<QQuickItem>(form, "resultsField"), results - 1);
    click(objectProperty<QQuickItem>(form, "searchButton"));
    QTRY_VERIFY_WITH_TIMEOUT(!form->property("isSearching").toBool(), 60000);
}

void TestEndToEnd::waitForPanelOn(const QString &day)
{
    QTRY_COMPARE_WITH_TIMEOUT(dayOf(panel()->property("dateTime").toDateTime()), day, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(
        panelEntry() && dayOf(panelEntry()->property("time").toDateTime()) == day, 20000);
}

void TestEndToEnd::calendarSelectsAndSearches()
{
    showPage(1);
    QQuickItem *page = visiblePage("CalendarPage");
    QVERIFY(page);
    QQuickItem *grid = waitForFullGrid();
    QVERIFY2(grid, "the grid did not fill");
    auto *model = objectProperty<astro::CalendarModel>(grid, "model");

    // A day of the shown month: the panel follows, to that day and its ephemeris.
    auto *cells = objectProperty<QObject>(grid, "cells");
    QQuickItem *cell = nullptr;
    QMetaObject::invokeMethod(cells, "itemAt", Q_RETURN_ARG(QQuickItem *, cell), Q_ARG(int, 17));
    QVERIFY(cell && cell->property("received").toBool());
    const QString day = dayOf(cell->property("date").toDateTime());
    click(cell);
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
    QQuickItem *list = objectProperty<QQuickItem>(page, "resultList");
    QCOMPARE(list->property("lastIndex").toInt(), 2);
    auto *rows = objectProperty<QObject>(list, "slots");
    QStringList shown;
    QQuickItem *firstFound = nullptr;
    for (int i = 0; i < 10; ++i) {
        QQuickItem *slot = nullptr;
        QMetaObject::invokeMethod(rows, "itemAt", Q_RETURN_ARG(QQuickItem *, slot), Q_ARG(int, i));
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
    QVERIFY2(shown.at(0) < shown.at(1) && shown.at(1) < shown.at(2), qPrintable(shown.join(' ')));

    // A result moves the panel to its day.
    QTest::qWait(400);
    click(firstFound, QPointF(20, 15));
    waitForPanelOn(shown.at(0));
}

// After the observer moves, the panel shows what the engine computes for the new place, and
// the calendar runs again.
void TestEndToEnd::waitForObserver(const geo::Location &place, QObject *oldEntry,
                                   qlonglong oldGridVersion)
{
    auto *calculation = objectProperty<astro::Calculation>(root(), "calculation");
    QVERIFY(calculation);
    QTRY_COMPARE(calculation->observerVector(), place.vector());
    QTRY_VERIFY_WITH_TIMEOUT(panelEntry() != oldEntry, 20000);
    QObject *entry = panelEntry();
    astro::Calculation reference;
    reference.setObserverVector(place.vector());
    std::unique_ptr<astro::Ephemeris> expected(
        reference.computeEphemeris(entry->property("time").toDateTime()));
    QCOMPARE(entry->property("nextRising").toDateTime(), expected->nextRising());
    QCOMPARE(entry->property("nextSetting").toDateTime(), expected->nextSetting());
    auto *grid = findName(root(), QStringLiteral("calendarView"));
    if (grid)
        QTRY_VERIFY_WITH_TIMEOUT(grid->property("filledVersion").toLongLong() > oldGridVersion,
                                 20000);
}

qlonglong TestEndToEnd::gridVersion() const
{
    auto *grid = findName(root(), QStringLiteral("calendarView"));
    return grid ? grid->property("filledVersion").toLongLong() : 0;
}

void TestEndToEnd::citySearchMovesTheObserver()
{
    showPage(2);
    QQuickItem *page = visiblePage("SettingsPage");
    QVERIFY(page);
    QQuickItem *form = objectProperty<QQuickItem>(page, "locationForm");
    QQuickItem *city = objectProperty<QQuickItem>(form, "cityField");
    QObject *oldEntry = panelEntry();
    const qlonglong oldGrid = gridVersion();

    click(objectProperty<QQuickItem>(city, "box"));
    QTRY_VERIFY(city->property("inSearch").toBool());
    for (char key : QByteArrayLiteral("Reykjav"))
        QTest::keyClick(m_ui, key);
    // The list follows the typing; answers to the shorter lookups on the way come and go.
    // Cut to 30 characters, as every display name.
    const QString reykjavik = QStringLiteral("Reykjav\u00edk, Capital Region, Ice...");
    // Under the current place, which heads every list.
    QTRY_COMPARE_WITH_TIMEOUT(city->property("options").toStringList().value(1), reykjavik, 10000);
    const QStringList options = city->property("options").toStringList().mid(1);
    for (const QString &option : options)
        QVERIFY2(option.contains(QLatin1String("Reykjav")), qPrintable(option));

    auto *list = objectProperty<QQuickWindow>(city, "dropdown");
    QTRY_VERIFY(list->isExposed());
    const qreal rowHeight = city->property("dropdownItemHeight").toReal();
    // The list window takes its new size when the window system gets round to it.
    QTRY_VERIFY(list->height() >= 2 * rowHeight && list->contentItem()->height() == list->height());
    clickIn(list, QPointF(list->width() / 2, 1 + rowHeight * 1.5));

    QTRY_COMPARE(geo()->location().name(), QStringLiteral("Reykjav\u00edk"));
    QCOMPARE(city->property("inputText").toString(), options.first());
    QObject *latitude
        = objectProperty<QObject>(objectProperty<QObject>(form, "latitudeField"), "input");
    QCOMPARE(latitude->property("text").toString(), QStringLiteral("64.135480"));
    waitForObserver(geo()->location(), oldEntry, oldGrid);
}

// Hovering over Japan shows the nearest known city; a click makes it the observer's place.
void TestEndToEnd::mapChoosesTheNearestCity()
{
    showPage(2);
    QQuickItem *page = visiblePage("SettingsPage");
    QQuickItem *map
        = objectProperty<QQuickItem>(objectProperty<QQuickItem>(page, "locationForm"), "map");
    QVERIFY(map);
    QObject *oldEntry = panelEntry();
    const qlonglong oldGrid = gridVersion();

    // Tokyo, 139.69 E 35.69 N, on the map's projection.
    const QPointF tokyo(map->width() / 2 + map->width() / 360 * 139.69 - map->width() / 36,
                        map->height() / 2 - map->height() / 180 * 35.69);
    QTest::mouseMove(m_ui, map->mapToScene(tokyo - QPointF(3, 3)).toPoint());
    QTest::mouseMove(m_ui, map->mapToScene(tokyo).toPoint());
    QTRY_VERIFY_WITH_TIMEOUT(!map->property("nearName").toString().isEmpty(), 10000);
    QTRY_COMPARE(map->property("nearOpacity").toReal(), 1.0);
    const geo::Location near = qvariant_cast<geo::Location>(map->property("nearLocation"));
    QCOMPARE(near.country(), QStringLiteral("Japan"));

    click(map, tokyo);
    QTRY_COMPARE(geo()->location(), near);
    waitForObserver(near, oldEntry, oldGrid);
}

void TestEndToEnd::screenshots_data()
{
    QTest::addColumn<int>("scaleIndex");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("100 %") << 1 << QStringLiteral("100");
    QTest::newRow("125 %") << 2 << QStringLiteral("125");
    QTest::newRow("150 %") << 3 << QStringLiteral("150");
}

// Every page at the scale chosen on the settings page, saved and checked for its content.
void TestEndToEnd::screenshots()
{
    QFETCH(int, scaleIndex);
    QFETCH(QString, suffix);
    QString folder = qEnvironmentVariable("VENDARION_SCREENSHOTS");
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/../screens");
    QVERIFY(QDir().mkpath(folder));

    showPage(2);
    QQuickItem *settings = visiblePage("SettingsPage");
    choose(objectProperty<QQuickItem>(settings, "scaleField"), scaleIndex);
    QTRY_COMPARE(m_ui->scaleIndex(), scaleIndex);
    const QSize expected(qRound(1018 * m_ui->ppp()), qRound(560 * m_ui->ppp()));
    QTRY_VERIFY(m_ui->width() >= expected.width() - 1 && m_ui->height() >= expected.height() - 1);

    auto save = [&](const QString &name) {
        QTest::qWait(600);
        const QImage image = m_ui->grabWindow();
        QCOMPARE(image.size(), m_ui->size());
        const QString file = QStringLiteral("%1/%2-%3.png").arg(folder, name, suffix);
        QVERIFY2(image.save(file), qPrintable(file));
    };

    save(QStringLiteral("settings"));

    showPage(0);
    QQuickItem *texts = visiblePage("TextsPage");
    QTRY_VERIFY_WITH_TIMEOUT(!texts->property("text").toString().isEmpty(), 10000);
    QQuickItem *topics = findType(texts, "TabSwitcher");
    QVERIFY2(topics->x() + topics->implicitWidth() <= texts->width(), "a topic tab is cut off");
    save(QStringLiteral("texts"));

    showPage(1);
    QVERIFY(waitForFullGrid());
    QQuickItem *calendar = visiblePage("CalendarPage");
    search(calendar, 1, 3);
    QCOMPARE(objectProperty<QQuickItem>(calendar, "resultList")->property("lastIndex").toInt(), 2);
    save(QStringLiteral("calendar"));

    // The void-of-course view, through its tab caption.
    QQuickItem *tabs = findType(calendar, "TabSwitcher");
    QVERIFY(tabs);
    click(tabs, QPointF(tabs->width() * 0.45, tabs->height() / 2));
    QTRY_COMPARE(calendar->property("selectedTab").toInt(), 1);
    save(QStringLiteral("calendar-void"));
    click(tabs, QPointF(10, tabs->height() / 2));
    QTRY_COMPARE(calendar->property("selectedTab").toInt(), 0);

    // The update dialog over everything, as when the service announces a newer version.
    QQuickItem *dialog = findType(root(), "UpdateDialog");
    QVERIFY(dialog && !dialog->isVisible());
    emit global::Object::instance()->updateAvailable(QStringLiteral("3.1.0"),
                                                     QStringLiteral("3.2.0"));
    QVERIFY(dialog->isVisible());
    save(QStringLiteral("update"));
    QQuickItem *close = findItem(dialog, [](QQuickItem *item) {
        return isOfType(item, "ButtonBlack") && item->property("text").toString() == "Close";
    });
    click(close);
    QTRY_VERIFY(!dialog->isVisible());
}

// The whole journey without a single warning from the scene.
void TestEndToEnd::cleanupTestCase()
{
    QVERIFY2(collectedWarnings().isEmpty(),
             qPrintable(collectedWarnings().join(QLatin1Char('\n'))));
}

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
    qputenv("TZ", "Europe/Paris");
    QApplication app(argc, argv);
    TestEndToEnd test;
    const int result = QTest::qExec(&test, argc, argv);
    delete UI::instance();
    return result;
}

#include "tst_e2e.moc"
