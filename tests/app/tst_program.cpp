// Runs the real program, as a user would start it, on private X servers.
#include "common/testhome.h"
#include "common/xvfb.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <memory>

namespace {

QString programPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/vendarion");
}

QString settingsPath(const QString &home)
{
    return home + QStringLiteral("/.config/Harkel/Vendarion.conf");
}

// One start of the program, with a private home, settings, runtime and temporary folder (the
// runtime folder makes its instance guard private), on a given display.
class Program
{
public:
    Program(const QString &home, const QString &display)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("QT_QUICK_BACKEND"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        if (display.isEmpty())
            env.remove(QStringLiteral("DISPLAY"));
        else
            env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
        env.insert(QStringLiteral("TMPDIR"), home + QStringLiteral("/tmp"));
        QDir().mkpath(home + QStringLiteral("/tmp"));
        QDir().mkpath(home + QStringLiteral("/runtime"));
        QFile::setPermissions(home + QStringLiteral("/runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // A test never lets the program reach the network: no update check.
        {
            QSettings settings(settingsPath(home), QSettings::IniFormat);
            settings.setValue(QStringLiteral("global/checkForUpdates"), false);
        }
        m_process.setProcessEnvironment(env);
        m_process.start(programPath(), QStringList());
    }
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    // Waits until a log line starting with the text has been written.
    bool waitForLine(const QString &start, int timeout = 60000)
    {
        QDeadlineTimer deadline(timeout);
        while (!deadline.hasExpired()) {
            m_log += QString::fromUtf8(m_process.readAllStandardError());
            for (const QString &line : lines()) {
                if (line.startsWith(start))
                    return true;
            }
            if (m_process.state() == QProcess::NotRunning) {
                m_log += QStringLiteral("\n[ended with exit code %1]").arg(m_process.exitCode());
                return false;
            }
            m_process.waitForReadyRead(100);
        }
        return false;
    }

    // Asks the program to end as the session does at logout; it closes its window.
    bool terminate(int *exitCode = nullptr)
    {
        m_process.terminate();
        const bool finished = m_process.waitForFinished(20000);
        m_log += QString::fromUtf8(m_process.readAllStandardError());
        if (!finished)
            m_log += QStringLiteral("\n[still running after SIGTERM]");
        else if (m_process.exitStatus() != QProcess::NormalExit)
            m_log += QStringLiteral("\n[crashed on SIGTERM]");
        if (exitCode)
            *exitCode = m_process.exitCode();
        return finished && m_process.exitStatus() == QProcess::NormalExit;
    }

    bool finish(int timeout, int *exitCode)
    {
        const bool finished = m_process.waitForFinished(timeout);
        m_log += QString::fromUtf8(m_process.readAllStandardError());
        *exitCode = m_process.exitCode();
        return finished;
    }

    QStringList lines() const { return m_log.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    QString log() const { return m_log; }

private:
    QProcess m_process;
    QString m_log;
};

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startupLog();
    void secondCopyExitsAtOnce();
    void withoutDisplayExplains();
    void settingsPersist_data();
    void settingsPersist();

private:
    std::unique_ptr<Xvfb> m_screen;
};

void TestProgram::initTestCase()
{
    startWithCleanHome();
    QVERIFY2(QFile::exists(programPath()), qPrintable(programPath()));
    m_screen = std::make_unique<Xvfb>(1600, 1000, 96);
    QVERIFY2(!m_screen->display().isEmpty(), "Xvfb did not start");
}

void TestProgram::startupLog()
{
    QTemporaryDir home;
    Program program(home.path(), m_screen->display());
    QVERIFY2(program.waitForLine(QStringLiteral("OpenGL vendor: ")), qPrintable(program.log()));
    int exitCode = -1;
    QVERIFY(program.terminate(&exitCode));
    QCOMPARE(exitCode, 0);

    QStringList ours;
    for (const QString &line : program.lines()) {
        for (const char *start :
             {"SetProcessDPIAware: ", "app path is '", "font size: ", "OpenGL vendor: "}) {
            if (line.startsWith(QLatin1String(start)))
                ours << line;
        }
    }
    QCOMPARE(ours.size(), 3);
    QCOMPARE(ours.at(0),
             QStringLiteral("app path is '%1'").arg(QCoreApplication::applicationDirPath()));
    QCOMPARE(ours.at(1), QStringLiteral("font size: 13 px"));
    QVERIFY2(ours.at(2).contains(QLatin1String(" renderer: ")), qPrintable(ours.at(2)));

    QSettings settings(settingsPath(home.path()), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("debug/GLRenderer")).toString(),
             ours.at(2)
                 .section(QLatin1String(" renderer: "), 1)
                 .section(QLatin1String(" version: "), 0, 0));
}

void TestProgram::secondCopyExitsAtOnce()
{
    QTemporaryDir home;
    Program first(home.path(), m_screen->display());
    QVERIFY2(first.waitForLine(QStringLiteral("OpenGL vendor: ")), qPrintable(first.log()));

    Program second(home.path(), m_screen->display());
    int exitCode = -1;
    QVERIFY(second.finish(10000, &exitCode));
    QCOMPARE(exitCode, 0);
    // No window, no log line; the first copy shows its window instead.
    QCOMPARE(second.log(), QString());
    QVERIFY2(first.waitForLine(QStringLiteral("window: brought to the front")),
             qPrintable(first.log()));

    QVERIFY2(first.terminate(), qPrintable(first.log()));
}

void TestProgram::withoutDisplayExplains()
{
    QTemporaryDir home;
    Program program(home.path(), QString());
    int exitCode = 0;
    QVERIFY(program.finish(10000, &exitCode));
    QCOMPARE(exitCode, 1);
    QVERIFY2(program.log().contains(QLatin1String("xvfb-run")), qPrintable(program.log()));
}

void TestProgram::settingsPersist_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("scaleIndex");

    const auto window
        = [](const QVariant &geometry, const QVariant &state, const QVariant &scaleIndex) {
              QVariantMap map;
              if (geometry.isValid())
                  map.insert(QStringLiteral("window/geometry"), geometry);
              if (state.isValid())
                  map.insert(QStringLiteral("window/state"), state);
              if (scaleIndex.isValid())
                  map.insert(QStringLiteral("window/scaleIndex"), scaleIndex);
              return map;
          };
    const QRect placed(100, 50, 1100, 650);

    QTest::newRow("first start") << 96 << QVariantMap() << QRect(0, 0, 1018, 600) << 0 << 0;
    QTest::newRow("restored as closed") << 96 << window(placed, 0, 0) << placed << 0 << 0;
    QTest::newRow("maximised keeps state 2 and the old geometry")
        << 96 << window(placed, 2, 0) << placed << 2 << 0;
    QTest::newRow("minimised is stored as normal")
        << 96 << window(placed, 1, 0) << placed << 0 << 0;
    QTest::newRow("past the right edge is moved back")
        << 96 << window(QRect(1000, 100, 1018, 600), 0, 0) << QRect(582, 100, 1018, 600) << 0 << 0;
    QTest::newRow("125 % is kept, size in design pixels")
        << 96 << window(QRect(10, 10, 1100, 640), 0, 2) << QRect(10, 10, 1100, 640) << 0 << 2;
    QTest::newRow("300 % does not fit and drops to 150 %")
        << 96 << window(QRect(0, 0, 1018, 600), 0, 6) << QRect(0, 0, 1018, 600) << 0 << 3;
    QTest::newRow("damaged values fall back to the defaults")
        << 96 << window(QStringLiteral("garbage"), QStringLiteral("x"), 99)
        << QRect(0, 0, 1018, 600) << 0 << 0;
    QTest::newRow("extreme values fall back to the defaults")
        << 96 << window(QRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), 0, 0) << QRect(0, 0, 1018, 600)
        << 0 << 0;
    QTest::newRow("a high-density screen keeps the design size")
        << 144 << window(QRect(10, 10, 1018, 600), 0, 0) << QRect(10, 10, 1018, 600) << 0 << 0;
}

void TestProgram::settingsPersist()
{
    QFETCH(int, dpi);
    QFETCH(QVariantMap, stored);
    QFETCH(QRect, geometry);
    QFETCH(int, state);
    QFETCH(int, scaleIndex);

    std::unique_ptr<Xvfb> ownScreen;
    QString display = m_screen->display();
    if (dpi != 96) {
        ownScreen = std::make_unique<Xvfb>(1600, 1000, dpi);
        display = ownScreen->display();
    }

    QTemporaryDir home;
    {
        QSettings settings(settingsPath(home.path()), QSettings::IniFormat);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            settings.setValue(it.key(), it.value());
    }

    // Twice: what the first run stored is what the second run starts from and stores again.
    for (int run = 1; run <= 2; ++run) {
        Program program(home.path(), display);
        QVERIFY2(program.waitForLine(QStringLiteral("OpenGL vendor: ")), qPrintable(program.log()));
        QVERIFY2(program.terminate(), qPrintable(program.log()));

        QSettings settings(settingsPath(home.path()), QSettings::IniFormat);
        const QRect actual = settings.value(QStringLiteral("window/geometry")).toRect();
        const QString where = QStringLiteral("run %1: %2,%3 %4x%5")
                                  .arg(run)
                                  .arg(actual.x())
                                  .arg(actual.y())
                                  .arg(actual.width())
                                  .arg(actual.height());
        // A pixel either way for the rounding of non-integer scales.
        QVERIFY2(qAbs(actual.x() - geometry.x()) <= 1 && qAbs(actual.y() - geometry.y()) <= 1
                     && qAbs(actual.width() - geometry.width()) <= 1
                     && qAbs(actual.height() - geometry.height()) <= 1,
                 qPrintable(where));
        QCOMPARE(settings.value(QStringLiteral("window/state")).toInt(), state);
        QCOMPARE(settings.value(QStringLiteral("window/scaleIndex")).toInt(), scaleIndex);
    }
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
