// The download: progress, the hash of the announcement, the temporary file, trusted addresses,
// cancelling, and an owner that goes away while its replies are out.
#include "common/testhome.h"
#include "updaterig.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using Behaviour = LocalHttpServer::Behaviour;
using Route = LocalHttpServer::Route;
Q_DECLARE_METATYPE(LocalHttpServer::Route)

namespace {

QByteArray installerBody()
{
    QByteArray body(300 * 1024, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char &c : body)
        c = char(random.bounded(256));
    return body;
}

QByteArray sha256Hex(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

QString temporaryName(int n)
{
    return QDir::tempPath() + QStringLiteral("/vendarion_update%1.deb").arg(n);
}

const QString Failure = QStringLiteral("[update] error installing the update");

} // namespace

class TestUpdateDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void download_data();
    void download();
    void temporaryNames_data();
    void temporaryNames();
    void trustedAddresses_data();
    void trustedAddresses();
    void cancel_data();
    void cancel();
    void ownerGoneWhileRepliesAreOut_data();
    void ownerGoneWhileRepliesAreOut();
    void otherOptionsOpenTheProductPage_data();
    void otherOptionsOpenTheProductPage();

private:
    // Announces 3.2.0 with the given text after the code, then asks for the download.
    void announceAndDownload(UpdateRig &rig, const QByteArray &afterCode = {});
    QStringList temporaryFolder() const;

    QTemporaryDir m_temporary;
    const QByteArray m_body = installerBody();
};

void TestUpdateDownload::initTestCase()
{
    startWithCleanHome();
    QVERIFY(m_temporary.isValid());
    // The installer is written to the temporary folder; this one is the test's own.
    qputenv("TMPDIR", QFile::encodeName(m_temporary.path()));
    QCOMPARE(QDir::tempPath(), QDir(m_temporary.path()).canonicalPath());
}

void TestUpdateDownload::init()
{
    QDir dir(m_temporary.path());
    dir.removeRecursively();
    dir.mkpath(QStringLiteral("."));
}

void TestUpdateDownload::announceAndDownload(UpdateRig &rig, const QByteArray &afterCode)
{
    Route answer;
    answer.body = "30200" + afterCode;
    rig.server.route(QStringLiteral("/latest"), answer);
    rig.object->checkForUpdates();
    QTRY_VERIFY(rig.logged(QStringLiteral("updateAvailable(3.1.0, 3.2.0)")));
    rig.events.clear();
    rig.object->update();
}

QStringList TestUpdateDownload::temporaryFolder() const
{
    return QDir(QDir::tempPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
}

void TestUpdateDownload::download_data()
{
    QTest::addColumn<QByteArray>("afterCode"); // what the answer carries after the version code
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("reason"); // empty for a download that is handed over

    Route plain;
    plain.body = m_body;
    // Held back halfway, so that progress is reported before the end, while the total is open.
    Route unknownLength = plain;
    unknownLength.sendLength = false;
    unknownLength.behaviour = Behaviour::StallHalfway;
    Route missing = plain;
    missing.status = 404;
    Route multipleChoices = plain;
    multipleChoices.status = 300;
    Route empty;
    Route dropped;
    dropped.behaviour = Behaviour::CloseAtOnce;
    const QByteArray hash = sha256Hex(m_body);
    const QByteArray otherHash = sha256Hex("something else");

    QTest::newRow("no hash announced") << QByteArray() << plain << QString();
    QTest::newRow("matching hash") << "," + hash << plain << QString();
    QTest::newRow("matching hash in capitals") << "," + hash.toUpper() << plain << QString();
    QTest::newRow("prefixed hash") << ",sha256:" + hash << plain << QString();
    // An installer nobody can check is not fetched at all.
    const QString refused
        = QStringLiteral("[update] refusing to download: the announced SHA-256 is unreadable");
    QTest::newRow("notes instead of a hash") << QByteArray(",bug fixes") << plain << refused;
    QTest::newRow("hash a digit short") << "," + hash.left(63) << plain << refused;
    QTest::newRow("unknown length") << "," + hash << unknownLength << QString();
    QTest::newRow("mismatching hash") << "," + otherHash << plain
                                      << "[update] download does not match the announced SHA-256 "
                                             + QString::fromLatin1(otherHash);
    QTest::newRow("404") << QByteArray() << missing << "[update] download failed: ";
    QTest::newRow("multiple choices")
        << QByteArray() << multipleChoices << "[update] download failed: HTTP status 300";
    QTest::newRow("empty body") << QByteArray() << empty << "[update] download is empty";
    QTest::newRow("connection dropped") << QByteArray() << dropped << "[update] download failed: ";
}

void TestUpdateDownload::download()
{
    QFETCH(QByteArray, afterCode);
    QFETCH(Route, route);
    QFETCH(QString, reason);
    UpdateRig rig;
    rig.server.route(QStringLiteral("/installer"), route);
    announceAndDownload(rig, afterCode);
    if (route.behaviour == Behaviour::StallHalfway) {
        QTRY_COMPARE(rig.server.requests().size(), 2);
        QTest::qWait(300);
        rig.server.release();
    }
    QTRY_VERIFY(rig.logged(QStringLiteral("updateFinished(")));
    QTest::qWait(50);
    if (reason.contains(QLatin1String("refusing"))) {
        QCOMPARE(rig.events.mid(1),
                 (QStringList{reason, QStringLiteral("[update] failed to create download request"),
                              QStringLiteral("updateFinished(false)")}));
        QCOMPARE(rig.server.requestCount(QStringLiteral("/installer")), 0);
        return;
    }

    QStringList expected{QStringLiteral("[update] downloading update from ")
                             + rig.server.url(QStringLiteral("/installer")).toString(),
                         QStringLiteral("[update] download finished"),
                         QStringLiteral("updateDownloadFinished()")};
    if (reason.isEmpty()) {
        expected << QStringLiteral("updateFinished(true)");
        QCOMPARE(rig.events, expected);
        QCOMPARE(rig.opened, QList<QUrl>{QUrl::fromLocalFile(temporaryName(0))});
        QFile written(temporaryName(0));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll() == m_body);
        // The total handed on is one more than the reply's, 0 when the reply knows none.
        QVERIFY(rig.progress.size() >= (route.sendLength ? 1 : 2));
        const qlonglong total = route.sendLength ? m_body.size() + 1 : 0;
        for (const auto &[bytes, bytesTotal] : rig.progress.mid(0, rig.progress.size() - 1))
            QCOMPARE(bytesTotal, total);
        // At the end the reply knows its total either way.
        QCOMPARE(rig.progress.last(), qMakePair(qlonglong(m_body.size()), m_body.size() + 1LL));
    } else {
        QCOMPARE(rig.events.mid(0, 3), expected);
        QVERIFY2(rig.events.value(3).startsWith(reason), qPrintable(rig.events.value(3)));
        QCOMPARE(rig.events.mid(4),
                 (QStringList{Failure, QStringLiteral("updateFinished(false)")}));
        QCOMPARE(rig.opened, QList<QUrl>());
        QCOMPARE(temporaryFolder(), QStringList());
    }
}

void TestUpdateDownload::temporaryNames_data()
{
    QTest::addColumn<QString>("occupant"); // what lies under the first name(s) beforehand
    QTest::addColumn<int>("used");         // the name written, -1 for none

    QTest::newRow("first name locked") << "folder" << 1;
    QTest::newRow("stale file held open") << "held file" << 0;
    QTest::newRow("link planted") << "link" << 0;
    QTest::newRow("all hundred names locked") << "hundred folders" << -1;
}

void TestUpdateDownload::temporaryNames()
{
    QFETCH(QString, occupant);
    QFETCH(int, used);
    // A non-empty folder can neither be opened as a file nor removed as one, which is how a file
    // held by another process looks on Windows; root ignores permissions, so those cannot serve.
    const auto lock = [](int n) {
        QDir().mkpath(temporaryName(n));
        QFile(temporaryName(n) + QStringLiteral("/inside")).open(QIODevice::WriteOnly);
    };
    QFile held(temporaryName(0));
    const QString victim = QDir::tempPath() + QStringLiteral("/victim.txt");
    if (occupant == QLatin1String("folder")) {
        lock(0);
    } else if (occupant == QLatin1String("hundred folders")) {
        for (int n = 0; n < 100; ++n)
            lock(n);
    } else if (occupant == QLatin1String("held file")) {
        QVERIFY(held.open(QIODevice::ReadWrite));
        held.write("old installer");
        held.flush();
    } else {
        QFile target(victim);
        QVERIFY(target.open(QIODevice::WriteOnly));
        target.write("precious");
        target.close();
        QVERIFY(QFile::link(victim, temporaryName(0)));
    }

    UpdateRig rig;
    Route plain;
    plain.body = m_body;
    rig.server.route(QStringLiteral("/installer"), plain);
    announceAndDownload(rig);
    QTRY_VERIFY(rig.logged(QStringLiteral("updateFinished(")));

    if (used < 0) {
        QCOMPARE(rig.events.mid(rig.events.size() - 2),
                 (QStringList{Failure, QStringLiteral("updateFinished(false)")}));
        return;
    }
    QCOMPARE(rig.opened, QList<QUrl>{QUrl::fromLocalFile(temporaryName(used))});
    QFile written(temporaryName(used));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll() == m_body);
    if (held.isOpen()) {
        held.seek(0);
        QCOMPARE(held.readAll(), QByteArray("old installer"));
    }
    if (QFile::exists(victim)) {
        QFile target(victim);
        QVERIFY(target.open(QIODevice::ReadOnly));
        QCOMPARE(target.readAll(), QByteArray("precious"));
    }
}

void TestUpdateDownload::trustedAddresses_data()
{
    QTest::addColumn<bool>("https");
    QTest::addColumn<bool>("allowLoopbackHttp");
    QTest::addColumn<QString>("redirect"); // Location of the installer URL, empty for none
    QTest::addColumn<bool>("handedOver");

    QTest::newRow("https") << true << false << QString() << true;
    QTest::newRow("https redirected to http")
        << true << false << "http://127.0.0.1:%1/real" << false;
    // The stand-in for https is named by the test; without it plain http is refused outright.
    QTest::newRow("plain http refused") << false << false << QString() << false;
    QTest::newRow("redirect to a trusted address")
        << false << true << "http://127.0.0.1:%1/real" << true;
    QTest::newRow("redirect to another scheme")
        << false << true << "ftp://127.0.0.1:%1/real" << false;
    QTest::newRow("redirect to a name") << false << true << "http://localhost:%1/real" << false;
}

void TestUpdateDownload::trustedAddresses()
{
    QFETCH(bool, https);
    QFETCH(bool, allowLoopbackHttp);
    QFETCH(QString, redirect);
    QFETCH(bool, handedOver);
    UpdateRig rig({}, https ? UpdateRig::Scheme::Https : UpdateRig::Scheme::LoopbackHttp);
    global::update::Seam seam;
    seam.allowLoopbackHttp = allowLoopbackHttp;
    seam.transferTimeoutMs = 1500;
    rig.object->setUpdateSeamForTesting(seam);
    Route route;
    route.body = m_body;
    rig.server.route(QStringLiteral("/real"), route);
    if (!redirect.isEmpty()) {
        route.status = 302;
        route.location = redirect.arg(rig.server.url(QString()).port()).toUtf8();
    }
    rig.server.route(QStringLiteral("/installer"), route);

    if (https)
        announceAndDownload(rig, "," + sha256Hex(m_body)); // the whole way over TLS
    else
        rig.object->update();
    QTRY_VERIFY(rig.logged(QStringLiteral("updateFinished(")));
    QTest::qWait(50);
    QCOMPARE(rig.events.last(),
             QStringLiteral("updateFinished(%1)").arg(handedOver ? "true" : "false"));
    QCOMPARE(rig.opened.size(), handedOver ? 1 : 0);
    QCOMPARE(rig.server.requestCount(QStringLiteral("/installer")),
             https || allowLoopbackHttp ? 1 : 0);
    QCOMPARE(rig.server.requestCount(QStringLiteral("/real")),
             int(handedOver && !redirect.isEmpty()));
    if (!handedOver)
        QCOMPARE(temporaryFolder(), QStringList());
}

void TestUpdateDownload::cancel_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<bool>("running");

    QTest::newRow("nothing running") << "idle" << false;
    QTest::newRow("halfway through the transfer") << "halfway" << true;
    QTest::newRow("as the download finishes") << "finished" << true;
    QTest::newRow("before the hand-over") << "hand-over" << true;
}

void TestUpdateDownload::cancel()
{
    QFETCH(QString, when);
    QFETCH(bool, running);
    UpdateRig rig;
    Route route;
    route.body = m_body;
    if (when == QLatin1String("halfway"))
        route.behaviour = Behaviour::StallHalfway;
    rig.server.route(QStringLiteral("/installer"), route);
    using O = global::Object;
    if (when == QLatin1String("finished"))
        QObject::connect(rig.object, &O::updateDownloadFinished, rig.object, &O::cancelUpdate);
    if (when == QLatin1String("hand-over"))
        QObject::connect(rig.object, &O::updateDownloadFinished, rig.object, &O::cancelUpdate,
                         Qt::QueuedConnection);

    if (when == QLatin1String("idle")) {
        rig.object->cancelUpdate();
    } else {
        rig.object->update();
        if (when == QLatin1String("halfway")) {
            // Half the body is in; the reply waits for the rest.
            QTRY_COMPARE(rig.server.requests().size(), 1);
            QTest::qWait(300);
            rig.object->cancelUpdate();
            // Whatever the reply does afterwards, nothing is written nor started.
            rig.server.release();
        }
        QTRY_VERIFY(rig.logged(QStringLiteral("updateFinished(")));
    }
    QTest::qWait(200);

    QStringList expected{QStringLiteral("updateDownloadClosed()")};
    if (running)
        expected << QStringLiteral("[update] download canceled")
                 << QStringLiteral("updateCanceled()") << QStringLiteral("updateFinished(false)");
    const int start = rig.events.indexOf(expected.first());
    QCOMPARE(rig.events.mid(start), expected);
    QCOMPARE(rig.opened, QList<QUrl>());
    QCOMPARE(temporaryFolder(), QStringList());
}

void TestUpdateDownload::ownerGoneWhileRepliesAreOut_data()
{
    QTest::addColumn<bool>("download");
    QTest::newRow("check out") << false;
    QTest::newRow("download out") << true;
}

void TestUpdateDownload::ownerGoneWhileRepliesAreOut()
{
    QFETCH(bool, download);
    UpdateRig rig;
    Route stalled;
    stalled.behaviour = Behaviour::StallHalfway;
    stalled.body = download ? m_body : QByteArray("40000");
    rig.server.route(QStringLiteral("/latest"), stalled);
    rig.server.route(QStringLiteral("/installer"), stalled);
    if (download)
        rig.object->update();
    else
        rig.object->checkForUpdates();
    QTRY_COMPARE(rig.server.requests().size(), 1);
    QTest::qWait(50);

    delete rig.object;
    rig.object = nullptr;
    rig.events.clear();
    // The manager lives on and its replies finish; none may reach the object that is gone.
    rig.server.release();
    QTest::qWait(300);
    QCOMPARE(rig.events, QStringList());
    QCOMPARE(rig.opened, QList<QUrl>());
    QCOMPARE(temporaryFolder(), QStringList());
}

void TestUpdateDownload::otherOptionsOpenTheProductPage_data()
{
    QTest::addColumn<int>("option");
    QTest::newRow("manual download") << 1;
    QTest::newRow("what's new") << 2;
}

void TestUpdateDownload::otherOptionsOpenTheProductPage()
{
    QFETCH(int, option);
    UpdateRig rig;
    rig.object->update(option);
    QTest::qWait(100);
    QCOMPARE(rig.opened, QList<QUrl>{QUrl(QStringLiteral("https://product.invalid/vendarion/"))});
    QCOMPARE(rig.server.requests().size(), 0);
}

QTEST_GUILESS_MAIN(TestUpdateDownload)
#include "tst_update_download.moc"
