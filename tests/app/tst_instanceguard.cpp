#include "app/instanceguard.h"

#include <QtTest>

#include <memory>

namespace {

// A copy of the program, stood in for by a small process that holds a guard.
class Holder
{
public:
    explicit Holder(const QString &key)
    {
        m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/guardholder"),
                        {key});
        m_process.waitForStarted();
        while (!m_process.canReadLine() && m_process.state() == QProcess::Running)
            m_process.waitForReadyRead(5000);
        m_answer = QString::fromLatin1(m_process.readLine()).trimmed();
    }
    ~Holder()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    QString answer() const { return m_answer; }
    // Ends normally: the holder leaves main and its guard is destroyed.
    bool quit()
    {
        m_process.closeWriteChannel();
        return m_process.waitForFinished(5000) && m_process.exitCode() == 0;
    }
    // Ends without any clean-up, as a crash would.
    void crash()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    int exitCode() { return m_process.waitForFinished(5000) ? m_process.exitCode() : -1; }

private:
    QProcess m_process;
    QString m_answer;
};

} // namespace

class TestInstanceGuard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void guardKey_data();
    void guardKey();
    void secondProcessIsRefused();
    void freedAfterNormalExit();
    void freedAfterCrash();
    void secondGuardInOneProcess();

private:
    QString m_key;
};

void TestInstanceGuard::init()
{
    // A key of this run's own, so the test never meets a real copy of the program.
    m_key = QStringLiteral("tst_instanceguard_%1_%2")
                .arg(QCoreApplication::applicationPid())
                .arg(QRandomGenerator::global()->generate());
}

void TestInstanceGuard::guardKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("expected");

    QTest::newRow("lock key") << "Harkel_Vendarion"
                              << "_memoryLockKey"
                              << "64ecafeaabdfa2b7dac08a47518d6cd7828cc5fb";
    QTest::newRow("memory key") << "Harkel_Vendarion"
                                << "_sharedMemoryKey"
                                << "16f4292b055ec30e9190bb5bc4418859f277ef19";
    QTest::newRow("hashed as UTF-8") << QStringLiteral("Z\u00FCrich") << "_x"
                                     << "4a3c18215021ccd6e61d71e1aa2f1c1173530f09";
}

void TestInstanceGuard::guardKey()
{
    QFETCH(QString, key);
    QFETCH(QString, suffix);
    QFETCH(QString, expected);
    QCOMPARE(InstanceGuard::guardKey(key, suffix), expected);
}

void TestInstanceGuard::secondProcessIsRefused()
{
    Holder first(m_key);
    QCOMPARE(first.answer(), QStringLiteral("acquired"));
    Holder second(m_key);
    QCOMPARE(second.answer(), QStringLiteral("refused"));
    QCOMPARE(second.exitCode(), 0);
    // Another key is another program.
    Holder other(m_key + QStringLiteral("_other"));
    QCOMPARE(other.answer(), QStringLiteral("acquired"));
}

void TestInstanceGuard::freedAfterNormalExit()
{
    Holder first(m_key);
    QCOMPARE(first.answer(), QStringLiteral("acquired"));
    QVERIFY(first.quit());
    Holder next(m_key);
    QCOMPARE(next.answer(), QStringLiteral("acquired"));
}

void TestInstanceGuard::freedAfterCrash()
{
    Holder first(m_key);
    QCOMPARE(first.answer(), QStringLiteral("acquired"));
    first.crash();
    // The killed holder left its segment behind; the next guard must clear it and run.
    Holder next(m_key);
    QCOMPARE(next.answer(), QStringLiteral("acquired"));
    Holder third(m_key);
    QCOMPARE(third.answer(), QStringLiteral("refused"));
}

void TestInstanceGuard::secondGuardInOneProcess()
{
    auto first = std::make_unique<InstanceGuard>(m_key);
    QVERIFY(first->tryAcquire());
    {
        InstanceGuard second(m_key);
        QVERIFY(!second.tryAcquire());
    }
    // The refused guard must not have taken the segment away from the first.
    {
        InstanceGuard third(m_key);
        QVERIFY(!third.tryAcquire());
    }
    first.reset();
    InstanceGuard fourth(m_key);
    QVERIFY(fourth.tryAcquire());
}

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "tst_instanceguard.moc"
