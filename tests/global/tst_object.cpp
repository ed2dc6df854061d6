#include "common/logcapture.h"
#include "common/testhome.h"
#include "global/object.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestObject : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startWithCleanHome(); }

    void oneObjectPerProcess()
    {
        global::Object *object = global::Object::instance();
        QCOMPARE(global::Object::instance(), object);
        QVERIFY_EXCEPTION_THROWN(global::Object second, std::bad_alloc);
        QCOMPARE(global::Object::instance(), object);
        QCOMPARE(object->settings()->organizationName(), QStringLiteral("Harkel"));
        QCOMPARE(object->settings()->applicationName(), QStringLiteral("Vendarion"));
    }

    // A desktop helper that finds no browser says so only by its exit status: heard, with the
    // address. One that opens it says nothing.
    void helperFailureIsSaid_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("said");
        QTest::newRow("no browser configured") << 3 << 1;
        QTest::newRow("opened") << 0 << 0;
    }
    void helperFailureIsSaid()
    {
        QFETCH(int, status);
        QFETCH(int, said);
        QTemporaryDir bin;
        QFile helper(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(helper.open(QIODevice::WriteOnly));
        helper.write(QStringLiteral("#!/bin/sh\nexit %1\n").arg(status).toUtf8());
        helper.close();
        helper.setPermissions(helper.permissions() | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8() + ':' + path);
        const auto restore = qScopeGuard([&] { qputenv("PATH", path); });

        global::Object *object = global::Object::instance();
        QSignalSpy notOpened(object, &global::Object::urlNotOpened);
        QVERIFY(object->showHelp());
        // Heard once the helper has ended and its process is gone.
        QVERIFY(!object->findChildren<QProcess *>().isEmpty());
        QTRY_VERIFY(object->findChildren<QProcess *>().isEmpty());
        QCOMPARE(notOpened.size(), said);
        if (said)
            QCOMPARE(notOpened.at(0).at(0).toString(), object->helpUrl());
    }

    void settingsAccess()
    {
        global::Object *object = global::Object::instance();
        const QList<std::tuple<QString, QString, QVariant>> cases{
            {"window", "geometry", QRect(1, 2, 3, 4)}, {"location", "city", "Z\u00FCrich"}};
        for (const auto &[group, key, value] : cases) {
            QCOMPARE(object->readSetting(group, key, QStringLiteral("fallback")).toString(),
                     QStringLiteral("fallback"));
            object->writeSetting(group, key, value);
            QCOMPARE(object->readSetting(group, key), value);
            // Every access leaves no group open behind it.
            QCOMPARE(object->settings()->group(), QString());
            QCOMPARE(object->settings()->value(group + QLatin1Char('/') + key), value);
        }
    }

    void settingsReachTheDisk()
    {
        global::Object *object = global::Object::instance();
        object->writeSetting(QStringLiteral("window"), QStringLiteral("state"), 2);
        const QString file = object->settings()->fileName();
        delete object;
        QSettings onDisk(file, QSettings::IniFormat);
        QCOMPARE(onDisk.value(QStringLiteral("window/state")).toInt(), 2);
        // A new object can be made once the old one is gone.
        QVERIFY(global::Object::instance() != nullptr);
    }

    void unwritableSettingsAreSaid()
    {
        delete global::Object::instance();
        // A file where the settings folder belongs: not even root can write there.
        const QString folder
            = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
              + QStringLiteral("/Harkel");
        QDir(folder).removeRecursively();
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^settings: .* cannot be written"));
        global::Object::instance()->writeSetting(QStringLiteral("window"), QStringLiteral("state"),
                                                 2);
        delete global::Object::instance();
        QVERIFY(blocker.remove());
    }

    // A folder that cannot be written with a file that can: the store looks writable until it
    // writes, and then says so once, however many changes there are.
    void unwritableFolderIsSaid()
    {
        delete global::Object::instance();
        const QString folder
            = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
              + QStringLiteral("/Harkel");
        QVERIFY(QDir().mkpath(folder)
                && QFile(folder + QStringLiteral("/Vendarion.conf")).open(QIODevice::WriteOnly));
        // Root writes into a folder whatever its permissions; an immutable one stops it.
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder});
        const auto restore = qScopeGuard([&] {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly))
            QSKIP("no folder can be made unwritable here (root without chattr)");
        LogCapture log;
        global::Object::instance()->writeSetting(QStringLiteral("window"), QStringLiteral("state"),
                                                 1);
        QCoreApplication::processEvents(); // written, and again at the end
        delete global::Object::instance();
        QCOMPARE(log.lines().filter(QRegularExpression("^settings: .* cannot be written")).size(),
                 1);
    }
};

QTEST_GUILESS_MAIN(TestObject)
#include "tst_object.moc"
