// Loading the shipped place files delays the first window; the nearest-place search runs on
// every mouse movement over the map; the search by name on every key typed.
#include "geo/places.h"
#include "global/object.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QString placeFolder()
{
    return global::Object::resourcePath() + QStringLiteral("geo/");
}

const geo::Places &shippedPlaces()
{
    static const geo::Places places = [] {
        geo::Places loaded;
        loaded.load(placeFolder());
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
}
BENCHMARK(loadShippedFiles)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void nearest(benchmark::State &state)
{
    const geo::Places &places = shippedPlaces();
    // A city, open sea within reach of a coast, and the middle of the Pacific with none near.
    const double points[][2] = {{2.35, 48.85}, {-30.0, 40.0}, {-150.0, -40.0}};
    const auto &point = points[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(places.nearest(point[0], point[1]));
}
BENCHMARK(nearest)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

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
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
