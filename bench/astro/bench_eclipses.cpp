// The great days: a year of eclipses at one place, as `vendarion-ephem eclipses` computes them
// (each eclipse over the Earth and what the place sees of it; the target is under 200 ms),
// the outlook the moon panel asks for after each ephemeris, and the marks of a month's grid.
// Year and month figures are per unit (median and worst over the places and years, ms).

#include "astro/eclipses.h"
#include "astro/library.h"
#include "astro/moonevents.h"

#include <QDateTime>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

const astro::Position Places[]
    = {astro::Position(2.35, 48.85, 0.0), astro::Position(-58.38, -34.6, 0.0),
       astro::Position(-171.76, -13.83, 0.0)};

double julian(int year, int month = 1, int day = 1)
{
    return astro::julianDay(QDateTime(QDate(year, month, day), QTime(0, 0), Qt::UTC));
}

// Runs `work` for each place and each start, and reports the median and worst of one run.
template<typename Work>
void perUnit(benchmark::State &state, const std::vector<double> &starts, Work work)
{
    std::vector<double> ms;
    int found = 0;
    for (auto _ : state) {
        for (const astro::Position &place : Places) {
            const astro::Sky sky{astro::Planet::MOON, place, astro::Zone(QTimeZone::utc())};
            for (double start : starts) {
                const auto begin = std::chrono::steady_clock::now();
                found += work(sky, start);
                ms.push_back(std::chrono::duration<double, std::milli>(
                                 std::chrono::steady_clock::now() - begin)
                                 .count());
            }
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
    state.counters["found"] = benchmark::Counter(found, benchmark::Counter::kAvgIterations);
}

std::vector<double> years()
{
    std::vector<double> starts;
    for (int year = 2026; year <= 2035; ++year)
        starts.push_back(julian(year));
    return starts;
}

void eclipseYear(benchmark::State &state)
{
    perUnit(state, years(), [](const astro::Sky &sky, double start) {
        int seen = 0;
        for (const astro::Eclipse &e : astro::eclipsesBetween(start, start + 365.25))
            seen += astro::viewFrom(sky, e).visible ? 1 : 0;
        return seen;
    });
}

void outlook(benchmark::State &state)
{
    std::vector<double> starts;
    for (int month = 1; month <= 12; ++month)
        starts.push_back(julian(2027, month, 9));
    perUnit(state, starts, [](const astro::Sky &sky, double start) {
        return astro::outlookFrom(sky, start) ? 1 : 0;
    });
}

void monthMarks(benchmark::State &state)
{
    std::vector<double> starts;
    for (int month = 1; month <= 12; ++month)
        starts.push_back(julian(2026, month, 1));
    perUnit(state, starts, [](const astro::Sky &sky, double start) {
        return int(astro::moonEventsBetween(sky, start - 1.0, start + 43.0).size());
    });
}

} // namespace

int main(int argc, char **argv)
{
    astro::setupEphemeris();
    benchmark::RegisterBenchmark("EclipsesOfAYear/3places/2026-2035", eclipseYear)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("Outlook/3places/12moments", outlook)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("CalendarMarks/3places/12months", monthMarks)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
