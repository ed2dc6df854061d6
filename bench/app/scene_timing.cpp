// Times the real window the way a user meets it: from the start of the process to the first
// ephemeris on the screen, and from a click on the moon panel's day arrow to the next day's
// ephemeris on the screen ("on the screen": the first frame swapped after the panel took it).
// Starts exactly as the program does, with its own settings in the test location and the
// update check off, so it never reaches the network. Beside it, as the floor no window of ours
// can go below, the same program started again to show an empty Qt Quick window of the same
// size: process start to its first frame on the screen.
//   xvfb-run -a -s "-screen 0 1400x900x24 -dpi 96" build/bin/scene_timing [--steps N]
#include "bench/app/scenedriver.h"
#include "global/object.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QProcess>
#include <QQuickView>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQmlProperty>
#include <QQuickItem>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Seconds since the kernel started this process, so that loading the libraries counts too.
double secondsSinceProcessStart()
{
    QFile file(QStringLiteral("/proc/self/stat"));
    if (!file.open(QIODevice::ReadOnly))
        return -1.0;
    const QByteArray stat = file.readAll();
    // Fields after the command name in parentheses; the start time is field 22 of the line.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    const double start = fields.value(19).toDouble() / double(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9 - start;
}

double monotonicMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Notes when the panel takes another ephemeris and when the first frame holding it reaches the
// screen: the frame whose synchronisation followed the change, once swapped. The render signals
// may come from the render thread, hence the atomics.
class Watcher : public QObject
{
    Q_OBJECT

public:
    Watcher(UI *ui, QObject *panel)
    {
        QQmlProperty(panel, QStringLiteral("entry")).connectNotifySignal(this, SLOT(onEntry()));
        connect(
            ui, &QQuickWindow::afterSynchronizing, this,
            [this] {
                if (m_taken)
                    m_synced = true;
            },
            Qt::DirectConnection);
        connect(
            ui, &QQuickWindow::frameSwapped, this,
            [this] {
                if (m_synced && !m_shown) {
                    m_shownAtMs = monotonicMs();
                    m_shownSinceStart = secondsSinceProcessStart();
                    m_shown = true;
                }
            },
            Qt::DirectConnection);
    }

    void reset()
    {
        m_shown = false;
        m_synced = false;
        m_taken = false;
    }
    bool shown() const { return m_shown; }
    double shownAtMs() const { return m_shownAtMs; }
    double shownSinceStart() const { return m_shownSinceStart; }

private slots:
    void onEntry() { m_taken = true; }

private:
    std::atomic<bool> m_taken{false};
    std::atomic<bool> m_synced{false};
    std::atomic<bool> m_shown{false};
    std::atomic<double> m_shownAtMs{0.0};
    std::atomic<double> m_shownSinceStart{0.0};
};

// The floor: an empty Qt Quick window of the program's size, as fast as Qt shows one. Prints
// the milliseconds from process start to its first frame swapped.
int emptyWindow(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
    QApplication app(argc, argv);
    QQuickView view;
    std::atomic<bool> swapped{false};
    QObject::connect(
        &view, &QQuickWindow::frameSwapped, &view, [&] { swapped = true; },
        Qt::DirectConnection);
    view.setSource(QUrl(QStringLiteral("data:text/plain,import QtQuick 2.6; Rectangle "
                                       "{ color: \"#1c1f2b\" }")));
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.setGeometry(0, 0, 1018, 600);
    view.show();
    if (!QTest::qWaitFor([&] { return bool(swapped); }, 30000))
        return 1;
    std::printf("%.0f\n", secondsSinceProcessStart() * 1000);
    return 0;
}

double emptyWindowMs(const QString &program)
{
    QProcess floor;
    floor.start(program, {QStringLiteral("--empty-window")});
    if (!floor.waitForFinished(60000) || floor.exitCode() != 0)
        return -1.0;
    return floor.readAllStandardOutput().trimmed().toDouble();
}

} // namespace

int main(int argc, char **argv)
{
    const double atMain = secondsSinceProcessStart();
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--empty-window") == 0)
            return emptyWindow(argc, argv);
    }

    QStandardPaths::setTestModeEnabled(true);
    disableFrameworkScaling();
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption stepsOption(QStringLiteral("steps"),
                                         QStringLiteral("Day steps to time (default 20)."),
                                         QStringLiteral("n"), QStringLiteral("20"));
    parser.addOption(stepsOption);
    parser.addHelpOption();
    parser.process(app);
    const int steps = std::max(0, parser.value(stepsOption).toInt());

    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harkel"),
                           QStringLiteral("Vendarion"));
        settings.setValue(QStringLiteral("window/geometry"), QRect(0, 0, 1018, 600));
        settings.setValue(QStringLiteral("window/scaleIndex"), 0);
    }

    prepareScene();
    UI *ui = UI::instance();
    ui->setupWindow();
    const double atShown = secondsSinceProcessStart();

    QObject *panel = evaluate(ui->rootObject(), QStringLiteral("panel")).value<QObject *>();
    if (!panel) {
        std::fputs("scene_timing: no moon panel in the scene\n", stderr);
        return 1;
    }
    Watcher watcher(ui, panel);
    if (!QTest::qWaitFor([&] { return watcher.shown(); }, 30000)) {
        std::fputs("scene_timing: no ephemeris within 30 s\n", stderr);
        return 1;
    }
    const double atFirst = watcher.shownSinceStart();
    std::printf("process start to main():                %7.0f ms\n", atMain * 1000);
    std::printf("process start to window shown:          %7.0f ms\n", atShown * 1000);
    std::printf("process start to first ephemeris shown: %7.0f ms\n", atFirst * 1000);
    std::printf("empty Qt Quick window, start to frame:  %7.0f ms (the floor)\n",
                emptyWindowMs(QCoreApplication::applicationFilePath()));

    // The right arrow sits at the right end of the editor's text line, at the panel's foot.
    const QPoint arrow
        = evaluate(ui->rootObject(),
                   QStringLiteral("panel.mapToItem(null, panel.width - panel.padding - 6, "
                                  "panel.height - 10 * UI.ppp - 13 * UI.ppp)"))
              .toPointF()
              .toPoint();
    QVector<double> times;
    for (int i = 0; i < steps; ++i) {
        // Let the sweep of the previous step end, as between a user's clicks.
        QTest::qWait(600);
        const QDateTime before = panel->property("dateTime").toDateTime();
        watcher.reset();
        const double clickedAt = monotonicMs();
        QTest::mouseClick(ui, Qt::LeftButton, Qt::NoModifier, arrow);
        if (!QTest::qWaitFor([&] { return watcher.shown(); }, 10000)) {
            std::fputs("scene_timing: a step brought no ephemeris within 10 s\n", stderr);
            return 1;
        }
        times.append(watcher.shownAtMs() - clickedAt);
        const QDateTime after = panel->property("dateTime").toDateTime();
        if (before.daysTo(after) != 1 || before.time().minute() != after.time().minute()) {
            std::fprintf(stderr, "scene_timing: the arrow did not step one day (%s to %s)\n",
                         qPrintable(before.toString(Qt::ISODate)),
                         qPrintable(after.toString(Qt::ISODate)));
            return 1;
        }
    }
    if (!times.isEmpty()) {
        std::sort(times.begin(), times.end());
        std::printf("day step to ephemeris shown, %d steps:   min %.0f ms, median %.0f ms, max "
                    "%.0f ms\n",
                    int(times.size()), times.first(), times.at(times.size() / 2), times.last());
    }
    delete ui;
    delete global::Object::instance();
    return 0;
}

#include "scene_timing.moc"
