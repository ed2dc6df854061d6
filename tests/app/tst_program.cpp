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
    Program(const QString &home, const QString &display,
            const QMap<QString, QString> &variables = {}, const QStringList &arguments = {})
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
        for (auto it = variables.cbegin(); it != variables.cend(); ++it)
            env.insert(it.key(), it.value());
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
        m_process.start(programPath(), arguments);
    }
    ~Program()
    {
        m_process.kill();
        m_process.waitForFinished();
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

    // Waits for the end, first asking for it as the session does at logout (the program closes
    // its window) when `terminate`; true when it ended normally in time.
    bool end(bool terminate, int *exitCode = nullptr)
    {
        if (terminate)
            m_process.terminate();
        const bool ended
            = m_process.waitForFinished(20000) && m_process.exitStatus() == QProcess::NormalExit;
        m_log += QString::fromUtf8(m_process.readAllStandardError());
        if (!ended)
            m_log += QStringLiteral("\n[did not end normally]");
        if (exitCode)
            *exitCode = m_process.exitCode();
        return ended;
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
    void initTestCase()
    {
        startWithCleanHome();
        QVERIFY2(QFile::exists(programPath()), qPrintable(programPath()));
        m_screen = std::make_unique<Xvfb>(1600, 1000, 96);
        QVERIFY2(!m_screen->display().isEmpty(), "Xvfb did not start");
    }

    void startupLog()
    {
        QTemporaryDir home;
        Program program(home.path(), m_screen->display());
        QVERIFY2(program.waitForLine(QStringLiteral("OpenGL vendor: ")), qPrintable(program.log()));

        // A second start leaves at once, without a window or a log line; the first shows its
        // window.
        Program second(home.path(), m_screen->display());
        int exitCode = -1;
        QVERIFY(second.end(false, &exitCode));
        QCOMPARE(exitCode, 0);
        QCOMPARE(second.log(), QString());
        QVERIFY2(program.waitForLine(QStringLiteral("window: brought to the front")),
                 qPrintable(program.log()));

        QVERIFY(program.end(true, &exitCode));
        QCOMPARE(exitCode, 0);
        const QStringList ours = program.lines().filter(QRegularExpression(
            QStringLiteral("^(SetProcessDPIAware: |app path is '|font size: |OpenGL vendor: )")));
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

    // Qt Quick's software renderer, said in one line: no surface errors, no driver stored.
    void withoutOpenGL()
    {
        for (const QString variable : {"QT_XCB_GL_INTEGRATION=none", "QT_QUICK_BACKEND=software"}) {
            QTemporaryDir home;
            Program program(home.path(), m_screen->display(),
                            {{variable.section('=', 0, 0), variable.section('=', 1)}});
            QVERIFY2(program.waitForLine(QStringLiteral("qml: first ephemeris shown")),
                     qPrintable(program.log()));
            QVERIFY2(program.end(true), qPrintable(program.log()));
            const QRegularExpression line(QStringLiteral("^window: (no OpenGL|drawing with)"));
            QCOMPARE(program.lines().filter(line).size(), 1);
            QVERIFY2(!program.log().contains("OpenGL vendor") && !program.log().contains("raster"),
                     qPrintable(program.log()));
            QSettings settings(settingsPath(home.path()), QSettings::IniFormat);
            QCOMPARE(settings.allKeys().filter(QStringLiteral("debug/")), QStringList());
        }
    }

    void withoutDisplayExplains()
    {
        QTemporaryDir home;
        Program program(home.path(), QString());
        int exitCode = 0;
        QVERIFY(program.end(false, &exitCode));
        QCOMPARE(exitCode, 1);
        QVERIFY2(program.log().contains(QLatin1String("xvfb-run")), qPrintable(program.log()));
    }

    // As the desktop's autostart entry starts it: no window until a second start asks for one,
    // and the session's request to end still ends it, the window shown or not.
    void startInTray()
    {
        QTemporaryDir home;
        Program first(home.path(), m_screen->display(), {}, {QStringLiteral("--tray")});
        QVERIFY2(first.waitForLine(QStringLiteral("window: started in the tray")),
                 qPrintable(first.log()));
        Program second(home.path(), m_screen->display());
        int exitCode = -1;
        QVERIFY2(second.end(false, &exitCode) && exitCode == 0, qPrintable(second.log()));
        QVERIFY2(first.waitForLine(QStringLiteral("window: brought to the front")),
                 qPrintable(first.log()));
        QVERIFY2(first.waitForLine(QStringLiteral("OpenGL vendor: ")), qPrintable(first.log()));
        QVERIFY2(first.end(true), qPrintable(first.log()));

        Program hidden(home.path(), m_screen->display(), {}, {QStringLiteral("--tray")});
        QVERIFY2(hidden.waitForLine(QStringLiteral("window: started in the tray")),
                 qPrintable(hidden.log()));
        QVERIFY2(hidden.end(true), qPrintable(hidden.log()));
        QVERIFY2(!hidden.log().contains(QLatin1String("OpenGL vendor: ")),
                 qPrintable(hidden.log()));
    }

    void settingsPersist_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("scaleIndex");

        const auto window
            = [](const QVariant &geometry, const QVariant &state, const QVariant &scale) {
                  return QVariantMap{{QStringLiteral("window/geometry"), geometry},
                                     {QStringLiteral("window/state"), state},
                                     {QStringLiteral("window/scaleIndex"), scale}};
              };
        const QRect placed(100, 50, 1100, 650);

        QTest::newRow("first start") << 96 << QVariantMap() << QRect(0, 0, 1018, 600) << 0 << 0;
        QTest::newRow("maximised keeps state 2 and the old geometry")
            << 96 << window(placed, 2, 0) << placed << 2 << 0;
        QTest::newRow("minimised is stored as normal")
            << 96 << window(placed, 1, 0) << placed << 0 << 0;
        QTest::newRow("past the right edge is moved back")
            << 96 << window(QRect(1000, 100, 1018, 600), 0, 0) << QRect(582, 100, 1018, 600) << 0
            << 0;
        QTest::newRow("125 % is kept, size in design pixels")
            << 96 << window(QRect(10, 10, 1100, 640), 0, 2) << QRect(10, 10, 1100, 640) << 0 << 2;
        QTest::newRow("300 % does not fit and drops to 150 %")
            << 96 << window(QRect(0, 0, 1018, 600), 0, 6) << QRect(0, 0, 1018, 600) << 0 << 3;
        QTest::newRow("damaged values fall back to the defaults")
            << 96 << window(QStringLiteral("garbage"), QStringLiteral("x"), 99)
            << QRect(0, 0, 1018, 600) << 0 << 0;
        QTest::newRow("extreme values fall back to the defaults")
            << 96 << window(QRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), 0, 0)
            << QRect(0, 0, 1018, 600) << 0 << 0;
        QTest::newRow("a high-density screen keeps the design size")
            << 144 << window(QRect(10, 10, 1018, 600), 0, 0) << QRect(10, 10, 1018, 600) << 0 << 0;
    }

    void settingsPersist()
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
            QVERIFY2(program.waitForLine(QStringLiteral("OpenGL vendor: ")),
                     qPrintable(program.log()));
            QVERIFY2(program.end(true), qPrintable(program.log()));

            QSettings settings(settingsPath(home.path()), QSettings::IniFormat);
            const QRect actual = settings.value(QStringLiteral("window/geometry")).toRect();
            QString where;
            QDebug(&where) << "run" << run << actual;
            // A pixel either way for the rounding of non-integer scales.
            const QPoint moved = actual.topLeft() - geometry.topLeft();
            const QPoint grown(actual.width() - geometry.width(),
                               actual.height() - geometry.height());
            QVERIFY2(qMax(qAbs(moved.x()), qAbs(moved.y())) <= 1
                         && qMax(qAbs(grown.x()), qAbs(grown.y())) <= 1,
                     qPrintable(where));
            QCOMPARE(settings.value(QStringLiteral("window/state")).toInt(), state);
            QCOMPARE(settings.value(QStringLiteral("window/scaleIndex")).toInt(), scaleIndex);
        }
    }

private:
    std::unique_ptr<Xvfb> m_screen;
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
