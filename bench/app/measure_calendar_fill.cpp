// How long the calendar grid takes to fill after a month change, and whether the interface
// stays responsive meanwhile. Runs the scene in a real window (use a display, or
// tests/with-xvfb.sh), shows the calendar page, steps through the months and prints, per
// month: the time until all 42 cells hold the new month's days, the time until the last void
// interval has arrived, the longest gap between two frames and the longest delay of a 5 ms
// main-thread timer. Frames are requested continuously, so a frame gap is a stall.
//
//   measure_calendar_fill [--months N] [--scene FILE] [--scale-index N]

#include "astro/calendarmodel.h"
#include "bench/app/scenedriver.h"
#include "bench/loopstall.h"
#include "global/object.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QElapsedTimer>
#include <QMutex>
#include <QQuickItem>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Frame times in milliseconds since the clock started; written by the render thread.
class FrameLog
{
public:
    void add(qint64 ms)
    {
        QMutexLocker locker(&m_lock);
        m_frames.push_back(ms);
    }
    // The longest interval between frames in [from, to], the edges included as frames.
    qint64 longestGap(qint64 from, qint64 to)
    {
        QMutexLocker locker(&m_lock);
        qint64 longest = 0;
        qint64 last = from;
        for (qint64 t : m_frames) {
            if (t <= from || t > to)
                continue;
            longest = std::max(longest, t - last);
            last = t;
        }
        return std::max(longest, to - last);
    }

private:
    QMutex m_lock;
    std::vector<qint64> m_frames;
};

// Never sleeps between two looks, as QTest::qWaitFor does for 10 ms: a sleeping main thread
// would show as the very stalls this program measures.
void waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

double median(std::vector<qint64> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char **argv)
{
    disableFrameworkScaling();
    QApplication app(argc, argv);

    QCommandLineParser parser;
    const QCommandLineOption monthsOption(QStringLiteral("months"),
                                          QStringLiteral("Month changes to measure."),
                                          QStringLiteral("count"), QStringLiteral("12"));
    const QCommandLineOption sceneOption(QStringLiteral("scene"),
                                         QStringLiteral("A QML file instead of the root scene."),
                                         QStringLiteral("file"));
    const QCommandLineOption scaleOption(QStringLiteral("scale-index"),
                                         QStringLiteral("Scale option index."),
                                         QStringLiteral("index"), QStringLiteral("1"));
    parser.addOptions({monthsOption, sceneOption, scaleOption});
    parser.addHelpOption();
    parser.process(app);

    const int scaleIndex = parser.value(scaleOption).toInt();
    prepareScene();
    global::Object::instance()->writeSetting(QStringLiteral("window"), QStringLiteral("scaleIndex"),
                                             scaleIndex);
    UI *ui = UI::instance();
    if (parser.isSet(sceneOption)) {
        // The frame of tests/qml/Pages.qml shows the calendar page at once.
        showSceneFile(ui, QUrl::fromLocalFile(parser.value(sceneOption)), scaleIndex,
                      QSize(1018, 560), {{QStringLiteral("galleryPage"), 1}});
    } else {
        ui->setupWindow();
    }

    QElapsedTimer clock;
    clock.start();
    FrameLog frames;
    QObject::connect(
        ui, &QQuickWindow::frameSwapped, ui,
        [&] {
            frames.add(clock.elapsed());
            QMetaObject::invokeMethod(ui, &QQuickWindow::update, Qt::QueuedConnection);
        },
        Qt::DirectConnection);

    // The root scene makes the calendar page when it is first shown: click its square in the
    // page switcher (the second), as a user would.
    if (!QTest::qWaitForWindowExposed(ui))
        qWarning("the window was not shown; the figures below mean little");
    QQuickItem *view = nullptr;
    waitUntil(
        [&] {
            view = findName(ui->rootObject(), QStringLiteral("calendarView"));
            if (view)
                return true;
            if (QQuickItem *switcher = findType(ui->rootObject(), "PageSwitcher"))
                QTest::mouseClick(ui, Qt::LeftButton, Qt::NoModifier, pageSquare(switcher, 1));
            return false;
        },
        20000);
    if (!view) {
        std::fprintf(stderr, "no calendar view in the scene\n");
        return 1;
    }
    auto *model = objectProperty<astro::CalendarModel>(view, "model");
    if (!model) {
        std::fprintf(stderr, "the calendar view has no calendar model\n");
        return 1;
    }
    qint64 lastEntry = 0;
    QObject::connect(model, &astro::CalendarModel::entryChanged, ui,
                     [&] { lastEntry = clock.elapsed(); });
    ui->update();

    // The first month, filled at start-up, is not measured.
    waitUntil([&] { return gridFilled(view, model); }, 60000);
    waitUntil([] { return false; }, 1500);

    std::printf("%-8s %10s %10s %12s %12s\n", "month", "cells ms", "voids ms", "frame gap ms",
                "timer gap ms");
    std::vector<qint64> cells, voids, gaps, timerGaps;
    QDate month = model->activeMonth();
    for (int i = 0; i < parser.value(monthsOption).toInt(); ++i) {
        month = month.addMonths(1);
        LoopStallProbe probe;

        const qlonglong before = model->entriesVersion();
        const qint64 start = clock.elapsed();
        lastEntry = start;
        probe.start(5);
        model->setActiveMonth(month);
        // The grid counts the cells of the run it has last heard of.
        waitUntil([&] { return model->entriesVersion() > before && gridFilled(view, model); },
                  60000);
        const qint64 filled = clock.elapsed();
        // The void intervals follow the days; the run is over when entries stop coming.
        waitUntil([&] { return clock.elapsed() - std::max(lastEntry, filled) > 1500; }, 60000);
        probe.stop();
        const qint64 end = std::max(lastEntry, filled);

        cells.push_back(filled - start);
        voids.push_back(end - start);
        gaps.push_back(frames.longestGap(start, end));
        timerGaps.push_back(probe.longest());
        std::printf("%-8s %10lld %10lld %12lld %12lld\n",
                    qPrintable(month.toString(QStringLiteral("yyyy-MM"))), filled - start,
                    end - start, gaps.back(), probe.longest());
    }
    std::printf("median   %10.0f %10.0f %12.0f %12.0f\n", median(cells), median(voids),
                median(gaps), median(timerGaps));
    std::printf(
        "worst    %10lld %10lld %12lld %12lld\n", *std::max_element(cells.begin(), cells.end()),
        *std::max_element(voids.begin(), voids.end()), *std::max_element(gaps.begin(), gaps.end()),
        *std::max_element(timerGaps.begin(), timerGaps.end()));
    return 0;
}
