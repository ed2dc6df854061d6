// A whole month run of the calendar model and a ten-hit search (the skipping walk, and the
// reference walk that examines every day). Month figures are per run (median and worst over
// twelve months, milliseconds). The work runs on pool threads, so CPU time is the process's:
// on a machine shared with other work it is the figure that does not depend on the load.

#include "astro/calculation.h"
#include "astro/calendarmodel.h"
#include "astro/library.h"
#include "astro/module.h"
#include "astro/searchmodel.h"
#include "reference.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <vector>

using astro::Calculation;

namespace {

double since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void monthRun(benchmark::State &state)
{
    Calculation calculation;
    calculation.setObserver(astro::Position(2.35, 48.85, 0));
    astro::CalendarModel model;
    model.setCalculation(&calculation);
    std::vector<double> ms;
    for (auto _ : state) {
        for (int month = 0; month < 12; ++month) {
            const auto start = std::chrono::steady_clock::now();
            model.setActiveMonth(QDate(2027, 1 + month, 1));
            model.waitForRuns();
            ms.push_back(since(start));
        }
        model.setActiveMonth(QDate(2000, 1, 1)); // so the next round runs every month again
        model.waitForRuns();
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
}

// "Lunar day 15 in Taurus": about one hit a year, so ten hits walk ten years.
void search(benchmark::State &state)
{
    Calculation calculation;
    calculation.setObserver(astro::Position(2.35, 48.85, 0));
    astro::SearchModel model;
    model.setCalculation(&calculation);
    std::atomic<int> hits{0};
    QObject::connect(
        &model, &astro::SearchModel::searchResult, &model,
        [&](astro::Ephemeris *e, bool) {
            ++hits;
            delete e;
        },
        Qt::DirectConnection);
    for (auto _ : state) {
        model.search(QDateTime(QDate(2026, 1, 1), QTime(0, 0)), 15, 1, 10);
        model.waitForSearches();
    }
    state.counters["hits"] = benchmark::Counter(hits, benchmark::Counter::kAvgIterations);
}

void searchEveryDay(benchmark::State &state)
{
    Calculation calculation;
    calculation.setObserver(astro::Position(2.35, 48.85, 0));
    int hits = 0;
    for (auto _ : state)
        hits += reference::searchDays(calculation.sky(), QDate(2026, 1, 1), 15, 1, 10).size();
    state.counters["hits"] = benchmark::Counter(hits, benchmark::Counter::kAvgIterations);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    astro::setupEphemeris();
    astro::registerMetaTypes();
    benchmark::RegisterBenchmark("CalendarMonthRun/Paris", monthRun)
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->Iterations(3);
    benchmark::RegisterBenchmark("SearchLunarDay15InTaurus/10hits", search)
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->Iterations(5);
    benchmark::RegisterBenchmark("SearchLunarDay15InTaurus/10hits/every_day", searchEveryDay)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
