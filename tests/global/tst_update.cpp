// The daily check: the once-a-day rule, the endpoint's answers, and the switch's setting.
#include "common/testhome.h"
#include "updaterig.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QtTest>

using Behaviour = LocalHttpServer::Behaviour;
using Route = LocalHttpServer::Route;
Q_DECLARE_METATYPE(LocalHttpServer::Route)

class TestUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void versionCodes_data();
    void versionCodes();
    void answerFields_data();
    void answerFields();
    void answers_data();
    void answers();
    void onceADay_data();
    void onceADay();
    void plainHttpCheckRefused();
    void storedSwitch_data();
    void storedSwitch();
};

void TestUpdate::initTestCase()
{
    startWithCleanHome();
}

void TestUpdate::versionCodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");

    QTest::newRow("two-digit minor") << "3.10.0" << 31000;
    QTest::newRow("no patch") << "3.1" << 30100;
    QTest::newRow("major only") << "3" << 30000;
    QTest::newRow("letters") << "x.y.z" << 0;
    QTest::newRow("fourth part spoils the patch") << "3.1.4.2" << 30100;
    QTest::newRow("huge major is clamped") << "999999.0.0" << INT_MAX;
}

void TestUpdate::versionCodes()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(global::update::versionCode(text), code);
    // Every code of a well-formed version reads back as that version.
    if (text.count(QLatin1Char('.')) == 2 && code > 0 && code < INT_MAX)
        QCOMPARE(global::update::versionText(code), text);
}

void TestUpdate::answerFields_data()
{
    const QByteArray hash = QCryptographicHash::hash("installer", QCryptographicHash::Sha256);
    const QByteArray hex = hash.toHex();
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("sha256");
    QTest::addColumn<bool>("hashUnreadable"); // a second field that is no SHA-256

    QTest::newRow("code only") << QByteArray("30200") << true << 30200 << QByteArray() << false;
    QTest::newRow("empty second field")
        << QByteArray("30200, ,x") << true << 30200 << QByteArray() << false;
    QTest::newRow("code and hash") << "30200," + hex << true << 30200 << hash << false;
    QTest::newRow("hash with line end") << "30200," + hex + "\r\n"
                                        << true << 30200 << hash << false;
    QTest::newRow("prefix and digits in capitals")
        << "30200,SHA256:" + hex.toUpper() << true << 30200 << hash << false;
    QTest::newRow("notes, no hash")
        << QByteArray("30200,bug fixes,more") << true << 30200 << QByteArray() << true;
    QTest::newRow("63 digits") << "30200," + hex.left(63) << true << 30200 << QByteArray() << true;
    QTest::newRow("65 digits") << "30200," + hex + "0" << true << 30200 << QByteArray() << true;
    QTest::newRow("blank inside") << "30200," + hex.left(32) + ' ' + hex.mid(32) << true << 30200
                                  << QByteArray() << true;
    QTest::newRow("blanks round the code")
        << QByteArray(" 30200 \n") << true << 30200 << QByteArray() << false;
    QTest::newRow("empty first field")
        << QByteArray(",30200") << false << 0 << QByteArray() << false;
    QTest::newRow("code past int")
        << QByteArray("99999999999") << false << 0 << QByteArray() << false;
}

void TestUpdate::answerFields()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, readable);
    QFETCH(int, code);
    QFETCH(QByteArray, sha256);
    QFETCH(bool, hashUnreadable);
    const global::update::Answer answer = global::update::parseAnswer(body);
    QCOMPARE(answer.readable, readable);
    if (readable)
        QCOMPARE(answer.versionCode, code);
    QCOMPARE(answer.sha256, sha256);
    QCOMPARE(!answer.unreadableHash.isEmpty(), hashUnreadable);
}

void TestUpdate::answers_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("latest"); // empty: nothing announced
    QTest::addColumn<bool>("answered");  // the day's check counts as done

    auto body = [](const QByteArray &text) {
        Route route;
        route.body = text;
        return route;
    };
    auto behaving = [](Behaviour behaviour) {
        Route route;
        route.behaviour = behaviour;
        return route;
    };

    QTest::newRow("running version") << body("30100") << QString() << true;
    QTest::newRow("older version") << body("30099") << QString() << true;
    QTest::newRow("next major") << body("40000") << "4.0.0" << true;
    QTest::newRow("letters") << body("latest") << QString() << true;
    // A newer code at the front of several megabytes is still no answer of the endpoint.
    QTest::newRow("several megabytes")
        << body("40000," + QByteArray(4 << 20, 'x')) << QString() << true;
    Route missing = body("40000");
    missing.status = 404;
    QTest::newRow("404") << missing << QString() << false;
    Route multipleChoices = body("40000");
    multipleChoices.status = 300;
    QTest::newRow("multiple choices") << multipleChoices << QString() << false;
    QTest::newRow("connection closed") << behaving(Behaviour::CloseAtOnce) << QString() << false;
    QTest::newRow("never answers") << behaving(Behaviour::NeverAnswer) << QString() << false;
}

void TestUpdate::answers()
{
    QFETCH(Route, route);
    QFETCH(QString, latest);
    QFETCH(bool, answered);
    UpdateRig rig;
    rig.server.route(QStringLiteral("/latest"), route);

    QElapsedTimer call;
    call.start();
    rig.object->checkForUpdates();
    // The interface goes on at once, whatever the server does.
    QVERIFY2(call.elapsed() < 1000, qPrintable(QString::number(call.elapsed())));

    if (answered) {
        QTRY_COMPARE(rig.storedLastUpdate(), UpdateRig::today());
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(rig.logged(QStringLiteral("[update] check failed: ")), 10000);
        QCOMPARE(rig.storedLastUpdate(), QDate());
    }
    QStringList expected = {QStringLiteral("[update] checking for updates...")};
    if (!latest.isEmpty()) {
        expected << QStringLiteral("[update] new version %1 available")
                        .arg(global::update::versionCode(latest))
                 << QStringLiteral("updateAvailable(3.1.0, %1)").arg(latest);
        QCOMPARE(rig.events, expected);
    } else {
        QVERIFY(!rig.logged(QStringLiteral("updateAvailable")));
    }
}

void TestUpdate::onceADay_data()
{
    QTest::addColumn<QVariant>("stored"); // "lastUpdate" before the start; invalid: none
    QTest::addColumn<int>("requests");
    QTest::addColumn<QString>("logged");

    const QDate today = UpdateRig::today();
    QTest::newRow("answered today") << QVariant(today) << 0 << QString();
    QTest::newRow("answered yesterday") << QVariant(today.addDays(-1)) << 1 << QString();
    QTest::newRow("never answered") << QVariant() << 1 << QString();
    QTest::newRow("dated ahead of today")
        << QVariant(today.addDays(30)) << 1
        << "[update] last check dated 2026-04-14 lies ahead of today, checking again";
    QTest::newRow("unreadable date")
        << QVariant(QStringLiteral("soon")) << 1
        << "[update] unreadable setting lastUpdate \"soon\", checking again";
}

void TestUpdate::onceADay()
{
    QFETCH(QVariant, stored);
    QFETCH(int, requests);
    QFETCH(QString, logged);
    QVariantMap settings;
    if (stored.isValid())
        settings.insert(QStringLiteral("lastUpdate"), stored);
    UpdateRig rig(settings);
    Route answer;
    answer.body = "30100";
    rig.server.route(QStringLiteral("/latest"), answer);

    // The scene's start and the user's switch may both ask before the first answer is in.
    rig.object->checkForUpdates();
    rig.object->checkForUpdates();
    if (requests > 0)
        QTRY_COMPARE(rig.storedLastUpdate(), UpdateRig::today());
    QTest::qWait(100);
    rig.object->checkForUpdates();
    QTest::qWait(100);

    QCOMPARE(rig.server.requests().size(), requests);
    if (requests > 0) {
        const LocalHttpServer::Request request = rig.server.requests().first();
        QCOMPARE(request.target, QByteArray("/latest"));
        QCOMPARE(request.headers.value("user-agent"), QByteArray("Check for updates"));
    }
    if (!logged.isEmpty())
        QVERIFY2(rig.events.contains(logged), qPrintable(rig.events.join(QLatin1Char('\n'))));
}

void TestUpdate::plainHttpCheckRefused()
{
    UpdateRig rig;
    global::update::Seam seam;
    seam.allowLoopbackHttp = false;
    rig.object->setUpdateSeamForTesting(seam);

    rig.object->checkForUpdates();
    QTest::qWait(100);
    QCOMPARE(rig.server.requests().size(), 0);
    QCOMPARE(rig.events,
             QStringList{QStringLiteral("[update] refusing to check at %1: not an https address")
                             .arg(rig.server.url(QStringLiteral("/latest")).toString())});
}

void TestUpdate::storedSwitch_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("complaint");

    QTest::newRow("none") << QVariant() << true << false;
    QTest::newRow("false") << QVariant(false) << false << false;
    QTest::newRow("zero") << QVariant(QStringLiteral("0")) << false << false;
    QTest::newRow("unreadable") << QVariant(QStringLiteral("maybe")) << true << true;
}

void TestUpdate::storedSwitch()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, enabled);
    QFETCH(bool, complaint);
    QVariantMap settings;
    if (stored.isValid())
        settings.insert(QStringLiteral("checkForUpdates"), stored);
    UpdateRig rig(settings);

    QCOMPARE(rig.object->updatesEnabled(), enabled);
    QCOMPARE(rig.logged(QStringLiteral("[update] unreadable setting checkForUpdates")), complaint);
    rig.object->checkForUpdates();
    if (enabled) {
        QTRY_COMPARE(rig.server.requests().size(), 1);
    } else {
        QTest::qWait(100);
        QCOMPARE(rig.server.requests().size(), 0);
        QVERIFY(rig.events.contains(QStringLiteral("updates disabled")));
    }
}

QTEST_GUILESS_MAIN(TestUpdate)
#include "tst_update.moc"
