#include "app/modules.h"
#include "app/ui.h"
#include "common/qmlprobe.h"
#include "common/scenedriver.h"
#include "common/testhome.h"
#include "global/object.h"
#include "text/document.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QScreen>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>
#include <memory>
#include <sys/stat.h>

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sceneLoadsCleanly();
    void singletonsAreTheNativeObjects();
    void resourcePathIsAFileUrl();
    void autoScaleAt96Dpi();
    void sameScaleIndexDoesNothing();
    void outOfRangeScaleIndexIsIgnored();
    void hideMessageBoxAnnouncesInOrder();
    void utilities();
    void qmlDatesKeepTheirDay_data();
    void qmlDatesKeepTheirDay();
    void pressOutsideFocusedItemClearsFocus_data();
    void pressOutsideFocusedItemClearsFocus();
    void textsLoadNothing_data();
    void textsLoadNothing();
    void secondWindowThrows();
    void cleanupTestCase();

private:
    UI *m_ui = nullptr;
};

void TestWindow::initTestCase()
{
    startWithCleanHome();
    // The scene asks for an update check when it loads; no test may reach the network.
    global::Object::instance()->setUpdatesEnabled(false);
    installWarningCollector();
    installModules();
    m_ui = UI::instance();
    m_ui->setupWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_ui));
}

void TestWindow::sceneLoadsCleanly()
{
    QCOMPARE(m_ui->status(), QQuickView::Ready);
    QVERIFY(m_ui->rootObject());
    QCOMPARE(m_ui->title(), QStringLiteral("Harkel Vendarion 3"));
    QVERIFY2(collectedWarnings().isEmpty(),
             qPrintable(collectedWarnings().join(QLatin1Char('\n'))));
}

void TestWindow::singletonsAreTheNativeObjects()
{
    auto probe = createProbe(m_ui->engine(), "import QtQuick 2.6\n"
                                             "import UI 1.0\n"
                                             "import Global 1.0\n"
                                             "QtObject {\n"
                                             "    property var ui: UI\n"
                                             "    property var global: Global\n"
                                             "    property real ppp: UI.ppp\n"
                                             "    property string version: Global.version\n"
                                             "}\n");
    QVERIFY(probe);
    QCOMPARE(probe->property("ui").value<QObject *>(), static_cast<QObject *>(m_ui));
    QCOMPARE(probe->property("global").value<QObject *>(),
             static_cast<QObject *>(global::Object::instance()));
    QCOMPARE(probe->property("ppp").toDouble(), m_ui->ppp());
    QCOMPARE(probe->property("version").toString(), QStringLiteral("3.1.0"));
    // Dropping every reference from QML must leave the native objects alive.
    probe.reset();
    m_ui->engine()->collectGarbage();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(UI::instance(), m_ui);
    QVERIFY(global::Object::instance()->settings());
}

void TestWindow::resourcePathIsAFileUrl()
{
    const QString url = m_ui->rootContext()->contextProperty("resourcePath").toString();
    QVERIFY2(url.startsWith(QLatin1String("file:///")), qPrintable(url));
    QVERIFY2(url.endsWith(QLatin1String("/res/")), qPrintable(url));
    QCOMPARE(QUrl(url).toLocalFile(), global::Object::instance()->resourcePath());
}

void TestWindow::autoScaleAt96Dpi()
{
    // The test's X server has a 1280 x 800 screen at 96 dpi, and the settings start empty.
    QCOMPARE(qRound(m_ui->screen()->logicalDotsPerInch()), 96);
    QCOMPARE(m_ui->scaleIndex(), 0);
    QCOMPARE(m_ui->scale(), 1.0);
    QCOMPARE(m_ui->ppp(), 1.0);
    QCOMPARE(m_ui->referencePixelSize(), 13);
    QCOMPARE(m_ui->minimumSize(), QSize(1018, 560));
}

void TestWindow::sameScaleIndexDoesNothing()
{
    QSettings *settings = global::Object::instance()->settings();
    settings->remove(QStringLiteral("window/scaleIndex"));
    QSignalSpy scaleSpy(m_ui, &UI::scaleChanged);
    QSignalSpy indexSpy(m_ui, &UI::scaleIndexChanged);
    m_ui->setScaleIndex(m_ui->scaleIndex());
    QCOMPARE(scaleSpy.count(), 0);
    QCOMPARE(indexSpy.count(), 0);
    QVERIFY(!settings->contains(QStringLiteral("window/scaleIndex")));
}

void TestWindow::outOfRangeScaleIndexIsIgnored()
{
    const int before = m_ui->scaleIndex();
    QSignalSpy indexSpy(m_ui, &UI::scaleIndexChanged);
    m_ui->setScaleIndex(m_ui->scaleOptions().size());
    m_ui->setScaleIndex(-1);
    QCOMPARE(indexSpy.count(), 0);
    QCOMPARE(m_ui->scaleIndex(), before);
}

void TestWindow::hideMessageBoxAnnouncesInOrder()
{
    QStringList order;
    const auto record = [&order](const char *name) { return [&order, name] { order << name; }; };
    auto a = connect(m_ui, &UI::messageBoxTitleChanged, this, record("title"));
    auto b = connect(m_ui, &UI::messageBoxInfoChanged, this, record("info"));
    auto c = connect(m_ui, &UI::messageBoxVisibleChanged, this, record("visible"));
    m_ui->hideMessageBox();
    disconnect(a);
    disconnect(b);
    disconnect(c);
    QCOMPARE(order, (QStringList{"title", "info", "visible"}));
    QVERIFY(m_ui->messageBoxTitle().isEmpty());
    QVERIFY(!m_ui->messageBoxVisible());
}

void TestWindow::utilities()
{
    QCOMPARE(m_ui->getAbsolutePosition(nullptr), QPoint(0, 0));
    QCOMPARE(m_ui->fontSize(17), 17);
    QVERIFY(m_ui->equalNoCase(QStringLiteral("Z\u00FCrich"), QStringLiteral("z\u00DCRICH")));
    QVERIFY(!m_ui->equalNoCase(QStringLiteral("Zurich"), QStringLiteral("Z\u00FCrich")));
    const QDateTime moment(QDate(2016, 3, 1), QTime(7, 5));
    QCOMPARE(m_ui->formatDateTime(moment, QStringLiteral("MM/dd/yyyy hh:mm")),
             QStringLiteral("03/01/2016 07:05"));
    QCOMPARE(m_ui->formatDegrees(12.5), QStringLiteral("12\u00B0 30'"));
    QCOMPARE(m_ui->dateTimeOnDay(QDateTime(QDate(2016, 3, 1), QTime(7, 5, 42)),
                                 QDateTime(QDate(2016, 2, 29), QTime(0, 0), Qt::UTC)),
             QDateTime(QDate(2016, 2, 29), QTime(7, 5)));

    QQuickItem *root = m_ui->rootObject();
    auto item = std::make_unique<QQuickItem>(root);
    item->setPosition(QPointF(30.4, 40.6));
    QCOMPARE(m_ui->getAbsolutePosition(item.get()), QPoint(30, 41));
}

void TestWindow::qmlDatesKeepTheirDay_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("start");
    const QDate march(2027, 3, 1);
    QTest::newRow("UTC") << QByteArrayLiteral("UTC") << march << QTime(0, 0);
    QTest::newRow("behind UTC") << QByteArrayLiteral("America/New_York") << march << QTime(0, 0);
    QTest::newRow("ahead of UTC") << QByteArrayLiteral("Asia/Tokyo") << march << QTime(0, 0);
    // The clock jumps from 00:00 to 01:00: the day starts at 01:00.
    QTest::newRow("no midnight") << QByteArrayLiteral("America/Santiago") << QDate(2026, 9, 6)
                                 << QTime(1, 0);
}

// A day the calendar model holds must come back as the same day, wherever the clock runs.
void TestWindow::qmlDatesKeepTheirDay()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(QTime, start);
    const QByteArray savedZone = qgetenv("TZ");
    qputenv("TZ", zone);
    tzset();

    QJSEngine engine;
    // What a QML binding gets when it reads a QDate property, handed back to an invokable.
    const QDateTime seen = engine.toScriptValue(date).toDateTime();
    const QDateTime day = m_ui->fromDate(seen);
    const QDateTime monthBack = m_ui->addMonths(m_ui->addDays(day, 30), -1);
    const QDateTime lateOnDay
        = m_ui->dateTimeOnDay(QDateTime(QDate(2027, 2, 10), QTime(23, 45, 30)), seen);
    const QDateTime earlyOnDay
        = m_ui->dateTimeOnDay(QDateTime(QDate(2027, 2, 10), QTime(0, 30)), seen);
    const bool valid = day.isValid() && earlyOnDay.isValid();

    qputenv("TZ", savedZone);
    tzset();
    QVERIFY(valid);
    QCOMPARE(day.date(), date);
    QCOMPARE(day.time(), start);
    QCOMPARE(monthBack.date(), date.addDays(30).addMonths(-1));
    QCOMPARE(lateOnDay.date(), date);
    QCOMPARE(lateOnDay.time(), QTime(23, 45));
    // A time the clock skips moves on by the skip, as a day step does.
    QCOMPARE(earlyOnDay.time(), start.addSecs(30 * 60));
}

void TestWindow::pressOutsideFocusedItemClearsFocus_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<bool>("keepsFocus");

    QTest::newRow("inside the field") << QPoint(60, 60) << true;
    QTest::newRow("on its top-left corner") << QPoint(50, 50) << true;
    QTest::newRow("beside the field") << QPoint(200, 60) << false;
    QTest::newRow("below the field") << QPoint(60, 300) << false;
}

void TestWindow::pressOutsideFocusedItemClearsFocus()
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

void TestWindow::textsLoadNothing_data()
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
void TestWindow::textsLoadNothing()
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
    text::Document document(header + "\nShown " + markup.arg(server.serverPort()).arg(pipe).toUtf8()
                            + "\n");
    QQuickItem *page = findType(m_ui->rootObject(), "TextsPage");
    QVERIFY(page);
    const QVariant shown = page->property("document");
    page->setProperty("tabIndex", 0);
    page->setProperty("document", QVariant::fromValue<QObject *>(&document));
    QVERIFY(QMetaObject::invokeMethod(page, "build"));
    QVERIFY(page->property("text").toString().contains(QLatin1String("Shown")));
    QTest::qWait(300);
    QCOMPARE(connections, 0);
    page->setProperty("document", shown);
}

void TestWindow::secondWindowThrows()
{
    QVERIFY_EXCEPTION_THROWN(UI second, std::bad_alloc);
    QCOMPARE(UI::instance(), m_ui);
}

void TestWindow::cleanupTestCase()
{
    // The window and the services go before the application object, as at the end of a run.
    delete m_ui;
    delete global::Object::instance();
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
