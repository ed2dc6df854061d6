// A calendar file of a whole year at one place (Paris, on its own zone): the default kinds
// (void of course, sign changes, phases), which must take under a second, and every kind. All
// the work runs on the calling thread.

#include "astro/library.h"
#include "astro/module.h"
#include "ical/calendarfile.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

void year(benchmark::State &state, int kinds)
{
    ical::Request request;
    request.place = astro::Position(2.35, 48.85, 35.0);
    request.zone = QTimeZone("Europe/Paris");
    request.from = QDate(2027, 1, 1);
    request.to = QDate(2027, 12, 31);
    request.kinds = kinds;
    request.stamp = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    qint64 bytes = 0;
    for (auto _ : state)
        bytes = ical::exportCalendar(request).text.size();
    state.counters["kB"] = double(bytes) / 1024.0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    astro::setupEphemeris();
    astro::registerMetaTypes();
    benchmark::RegisterBenchmark("IcsYear/Paris/default", year, ical::DefaultKinds)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark("IcsYear/Paris/all", year, ical::AllKinds)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
