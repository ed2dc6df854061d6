// Full ephemeris with the fast and with the literal sign scan and void-of-course walk, and a
// comparison of the two over several years. Figures per ephemeris are reported as counters
// (median and worst in milliseconds) because one ephemeris varies a lot with the moment.

#include "astro/calculation.h"
#include "astro/library.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using astro::Calculation;

namespace {

struct Place
{
    double latitude;
    double longitude;
};

// One moment every 5 days and 7 hours through 2026: all phases, all signs, all hours.
std::vector<QDateTime> moments()
{
    std::vector<QDateTime> result;
    QDateTime t(QDate(2026, 1, 1), QTime(0, 30), Qt::LocalTime);
    for (int i = 0; i < 70; ++i, t = t.addSecs((5 * 24 + 7) * 3600))
        result.push_back(t);
    return result;
}

void fullEphemeris(benchmark::State &state, Place place, Calculation::Algorithm algorithm)
{
    Calculation calculation;
    calculation.setAlgorithm(algorithm);
    calculation.setObserver(astro::Position(place.longitude, place.latitude, 0.0));
    const std::vector<QDateTime> times = moments();
    std::vector<double> ms;
    for (auto _ : state) {
        ms.clear();
        for (const QDateTime &t : times) {
            const auto start = std::chrono::steady_clock::now();
            std::unique_ptr<astro::Ephemeris> e(calculation.computeEphemeris(t));
            benchmark::DoNotOptimize(e->voidStart());
            ms.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
    state.counters["ephemerides"] = double(ms.size());
}

// Sign changes and the void of course before each, fast against literal, over three years at
// three places. Any differing minute is a mismatch; the counter must read 0.
void fastEqualsLiteral(benchmark::State &state)
{
    const Place places[] = {{48.85, 2.35}, {-33.87, 151.21}, {64.15, -21.94}};
    const int years = 3;
    double mismatches = 0, changes = 0, fastMs = 0, literalMs = 0;
    for (auto _ : state) {
        for (const Place &place : places) {
            Calculation fast, literal;
            literal.setAlgorithm(Calculation::Algorithm::Literal);
            for (Calculation *c : {&fast, &literal})
                c->setObserver(astro::Position(place.longitude, place.latitude, 0.0));
            for (int month = 0; month < 12 * years; ++month) {
                const QDateTime from(QDate(2025, 1, 1).addMonths(month), QTime(0, 0),
                                     Qt::LocalTime);
                const QDateTime to = from.addMonths(1);
                QList<QDateTime> a, b;
                auto t0 = std::chrono::steady_clock::now();
                fast.zodiacChanges(from, to, a);
                std::vector<astro::VoidOfCourse> va;
                for (const QDateTime &c : a)
                    va.push_back(fast.voidOfCourse(c));
                auto t1 = std::chrono::steady_clock::now();
                literal.zodiacChanges(from, to, b);
                std::vector<astro::VoidOfCourse> vb;
                for (const QDateTime &c : b)
                    vb.push_back(literal.voidOfCourse(c));
                auto t2 = std::chrono::steady_clock::now();
                fastMs += std::chrono::duration<double, std::milli>(t1 - t0).count();
                literalMs += std::chrono::duration<double, std::milli>(t2 - t1).count();
                changes += b.size();
                if (a != b) {
                    ++mismatches;
                    continue;
                }
                for (size_t i = 0; i < va.size(); ++i) {
                    if (va[i].start != vb[i].start || va[i].zodiac != vb[i].zodiac)
                        ++mismatches;
                }
            }
        }
    }
    state.counters["changes"] = changes;
    state.counters["mismatches"] = mismatches;
    state.counters["fast_ms"] = fastMs;
    state.counters["literal_ms"] = literalMs;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    astro::setupEphemeris();
    const std::pair<const char *, Place> places[]
        = {{"Paris", {48.85, 2.35}}, {"Reykjavik", {64.15, -21.94}}};
    for (const auto &[name, place] : places) {
        for (const auto algorithm :
             {Calculation::Algorithm::Fast, Calculation::Algorithm::Literal}) {
            const bool fast = algorithm == Calculation::Algorithm::Fast;
            benchmark::RegisterBenchmark(
                (std::string("FullEphemeris/") + name + (fast ? "/fast" : "/literal")).c_str(),
                fullEphemeris, place, algorithm)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(fast ? 3 : 1);
        }
    }
    benchmark::RegisterBenchmark("SignsAndVoid/3years/fast_vs_literal", fastEqualsLiteral)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
