#include <QtTest>

#include <memory>
#include <unistd.h>

namespace {

// A copy of the program, stood in for by a small process that holds a guard, started with a
// runtime folder and a temporary folder of the test's choosing.
class Holder
{
public:
    Holder(const QString &key, const QString &runtime, const QString &temporary)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (runtime.isEmpty())
            env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        else
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("TMPDIR"), temporary);
        m_process.setProcessEnvironment(env);
        m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/guardholder"),
                        {key});
    }
    ~Holder() { crash(); }

    QString readLine()
    {
        while (!m_process.canReadLine() && m_process.state() != QProcess::NotRunning)
            m_process.waitForReadyRead(5000);
        return QString::fromLatin1(m_process.readLine()).trimmed();
    }
    // Ends normally: the holder leaves main and its guard is destroyed.
    bool quit()
    {
        m_process.closeWriteChannel();
        return m_process.waitForFinished(5000) && m_process.exitCode() == 0;
    }
    // Ends without any clean-up, as a crash would: its lock file and socket stay behind.
    void crash()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    int exitCode() { return m_process.waitForFinished(5000) ? m_process.exitCode() : -1; }

private:
    QProcess m_process;
};

void openToOthers(const QString &folder)
{
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                      | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
}

} // namespace

class TestInstanceGuard : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_key = QStringLiteral("tst_instanceguard_%1").arg(QRandomGenerator::global()->generate());
        m_base = std::make_unique<QTemporaryDir>();
        m_runtime = m_base->filePath(QStringLiteral("runtime"));
        m_temporary = m_base->filePath(QStringLiteral("tmp"));
        QDir().mkpath(m_runtime);
        QDir().mkpath(m_temporary);
        QFile::setPermissions(m_runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void secondStart_data()
    {
        QTest::addColumn<QString>("runtime");  // what the runtime folder is
        QTest::addColumn<QString>("fallback"); // what lies where the fallback folder would be made
        QTest::addColumn<bool>("otherUser");   // the second start has a runtime folder of its own
        QTest::addColumn<QString>("lockIn");   // where the first copy's lock is: "" for nowhere

        const QString none;
        QTest::newRow("refused, and the first shows itself")
            << "private" << none << false << "runtime";
        QTest::newRow("another user's copy runs") << "private" << none << true << "runtime";
        QTest::newRow("missing runtime folder: a private one is made")
            << "missing" << none << false << "fallback";
        QTest::newRow("runtime folder open to others") << "open" << none << false << "fallback";
        QTest::newRow("runtime folder a link") << "link" << none << false << "fallback";
        QTest::newRow("no runtime folder set") << "unset" << none << false << "fallback";
        QTest::newRow("a planted fallback open to others cannot block")
            << "missing" << QStringLiteral("open") << false << none;
        QTest::newRow("a planted file in the fallback's place cannot block")
            << "missing" << QStringLiteral("file") << false << none;
    }

    void secondStart()
    {
        QFETCH(QString, runtime);
        QFETCH(QString, fallback);
        QFETCH(bool, otherUser);
        QFETCH(QString, lockIn);

        QString folder = m_runtime;
        if (runtime == QLatin1String("missing")) {
            folder = m_base->filePath(QStringLiteral("gone"));
        } else if (runtime == QLatin1String("open")) {
            openToOthers(folder);
        } else if (runtime == QLatin1String("link")) {
            folder = m_base->filePath(QStringLiteral("link"));
            QVERIFY(QFile::link(m_runtime, folder));
        } else if (runtime == QLatin1String("unset")) {
            folder.clear();
        }
        const QString planted = m_temporary + QStringLiteral("/vendarion-%1").arg(::geteuid());
        if (fallback == QLatin1String("open")) {
            QVERIFY(QDir().mkpath(planted));
            openToOthers(planted);
        } else if (fallback == QLatin1String("file")) {
            QFile file(planted);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }

        Holder first(m_key, folder, m_temporary);
        QCOMPARE(first.readLine(), QStringLiteral("acquired"));
        const QString lockName = QLatin1Char('/') + m_key + QStringLiteral(".lock");
        QCOMPARE(QFile::exists(m_runtime + lockName), lockIn == QLatin1String("runtime"));
        QCOMPARE(QFile::exists(planted + lockName), lockIn == QLatin1String("fallback"));
        const bool refused = !lockIn.isEmpty() && !otherUser;
        QTemporaryDir otherRuntime;
        Holder second(m_key, otherUser ? otherRuntime.path() : folder, m_temporary);
        QCOMPARE(second.readLine(),
                 refused ? QStringLiteral("refused") : QStringLiteral("acquired"));
        if (refused) {
            QCOMPARE(second.exitCode(), 0);
            QCOMPARE(first.readLine(), QStringLiteral("shown"));
        }
    }

    void freedWhenTheFirstEnds_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::newRow("normal end") << false;
        QTest::newRow("killed, leaving its lock and socket") << true;
    }

    void freedWhenTheFirstEnds()
    {
        QFETCH(bool, killed);
        {
            Holder first(m_key, m_runtime, m_temporary);
            QCOMPARE(first.readLine(), QStringLiteral("acquired"));
            if (killed)
                first.crash();
            else
                QVERIFY(first.quit());
        }
        QCOMPARE(QDir(m_runtime).isEmpty(), !killed);
        Holder next(m_key, m_runtime, m_temporary);
        QCOMPARE(next.readLine(), QStringLiteral("acquired"));
        // It serves its own socket in place of the one left behind.
        Holder third(m_key, m_runtime, m_temporary);
        QCOMPARE(third.readLine(), QStringLiteral("refused"));
        QCOMPARE(next.readLine(), QStringLiteral("shown"));
    }

private:
    QString m_key;
    std::unique_ptr<QTemporaryDir> m_base;
    QString m_runtime;
    QString m_temporary;
};

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "tst_instanceguard.moc"
