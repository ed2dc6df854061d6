// Loading the shipped place files delays the first window (at most 250 ms for the whole table)
// and its tables stay in memory for the whole run; the map's choice of a place runs on every
// mouse movement over the map; the search by name on every key typed.
#include "geo/places.h"
#include "global/object.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <benchmark/benchmark.h>

#include <QFile>

#include <memory>
#include <unistd.h>

namespace {

QString placeFolder()
{
    return global::Object::resourcePath() + QStringLiteral("geo/");
}

// The process's resident memory in MB, from Linux's /proc; 0 elsewhere.
double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0.0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// How much the loaded tables add to the resident memory, measured on the first load.
double tableMegabytes = 0.0;

const geo::Places &shippedPlaces()
{
    static const geo::Places places = [] {
        const double before = residentMegabytes();
        geo::Places loaded;
        loaded.load(placeFolder());
        tableMegabytes = residentMegabytes() - before;
        return loaded;
    }();
    return places;
}

void loadShippedFiles(benchmark::State &state)
{
    for (auto _ : state) {
        auto places = std::make_unique<geo::Places>();
        places->load(placeFolder());
        benchmark::DoNotOptimize(places->cityCount());
        // Freeing the tables happens at exit, not while the window waits.
        state.PauseTiming();
        places.reset();
        state.ResumeTiming();
    }
    state.counters["cities"] = shippedPlaces().cityCount();
    state.counters["tablesMB"] = tableMegabytes;
}
BENCHMARK(loadShippedFiles)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void pick(benchmark::State &state)
{
    const geo::Places &places = shippedPlaces();
    // A city, open sea within reach of a coast, and the middle of the Pacific with none near;
    // on the settings page's map, 300 by 200 pixels.
    const double points[][2] = {{2.35, 48.85}, {-30.0, 40.0}, {-150.0, -40.0}};
    const auto &point = points[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(places.pick(point[0], point[1], 1.2, 0.9));
}
BENCHMARK(pick)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void searchByName(benchmark::State &state)
{
    const geo::Places &places = shippedPlaces();
    // One common letter, a rare one, a prefix as typed, and text no city holds (a full walk).
    const QString queries[]
        = {QStringLiteral("a"), QStringLiteral("q"), QStringLiteral("zür"), QStringLiteral("xqzw")};
    const QString &query = queries[state.range(0)];
    const geo::Location current(QStringLiteral("Paris"), QStringLiteral("Île-de-France"),
                                QStringLiteral("France"), 2.3488, 48.85341);
    state.SetLabel(query.toStdString());
    for (auto _ : state)
        benchmark::DoNotOptimize(places.search(query, current));
}
BENCHMARK(searchByName)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // The resource folder is found beside the executable.
    QCoreApplication application(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    benchmark::Initialize(&argc, argv);
    // Loaded first, so the memory it adds is not hidden by what the timed loads freed.
    shippedPlaces();
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
