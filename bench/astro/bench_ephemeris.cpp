// The full ephemeris at two places, and the exact sign and void searches held against the
// literal walks over several years. Figures per ephemeris are reported as counters (median and
// worst in milliseconds) because one ephemeris varies a lot with the moment.

#include "astro/compute.h"
#include "astro/library.h"
#include "astro/searches.h"
#include "reference.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Place
{
    double latitude;
    double longitude;
};

astro::Sky moonAt(Place place)
{
    return {astro::Planet::MOON, astro::Position(place.longitude, place.latitude, 0.0),
            astro::Zone::system()};
}

double since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// One moment every 5 days and 7 hours through 2026: all phases, all signs, all hours.
std::vector<QDateTime> moments()
{
    std::vector<QDateTime> result;
    QDateTime t(QDate(2026, 1, 1), QTime(0, 30), Qt::LocalTime);
    for (int i = 0; i < 70; ++i, t = t.addSecs((5 * 24 + 7) * 3600))
        result.push_back(t);
    return result;
}

void fullEphemeris(benchmark::State &state, Place place)
{
    const astro::Sky sky = moonAt(place);
    const std::vector<QDateTime> times = moments();
    std::vector<double> ms;
    for (auto _ : state) {
        ms.clear();
        for (const QDateTime &t : times) {
            const auto start = std::chrono::steady_clock::now();
            std::unique_ptr<astro::Ephemeris> e = astro::computeEphemeris(sky, t);
            benchmark::DoNotOptimize(e->voidStart());
            ms.push_back(since(start));
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
    state.counters["ephemerides"] = double(ms.size());
}

// Sign changes and the void of course before each, exact against literal, over three years at
// three places, by the rules the literal walks keep: a literal ingress is the first whole
// minute with the new sign, so the exact minute or the next; a literal void starts where the
// Moon first comes within 0.01 degrees of an aspect walking back, so from the exact minute up
// to 4 minutes later (0.01 degrees at the slowest approach, about 4 degrees a day), or, where an
// aspect becomes exact just after the ingress, inside the ingress's first two minutes. The
// counters "ingresses_off" and "voids_off" count the breaches of these rules and must read 0;
// "aspect_after_ingress" counts the last case.
void exactAgainstLiteral(benchmark::State &state)
{
    const Place places[] = {{48.85, 2.35}, {-33.87, 151.21}, {64.15, -21.94}};
    const int years = 3;
    double ingressesOff = 0, voidsOff = 0, afterIngress = 0, changes = 0, exactMs = 0,
           literalMs = 0;
    for (auto _ : state) {
        for (const Place &place : places) {
            const astro::Sky sky = moonAt(place);
            for (int month = 0; month < 12 * years; ++month) {
                const QDateTime from(QDate(2025, 1, 1).addMonths(month), QTime(0, 0),
                                     Qt::LocalTime);
                const QDateTime to = from.addMonths(1);
                auto t0 = std::chrono::steady_clock::now();
                std::vector<QDateTime> minutes;
                std::vector<astro::VoidOfCourse> exact;
                for (const astro::Ingress &ingress :
                     astro::ingresses(sky, astro::julianDay(from), astro::julianDay(to))) {
                    minutes.push_back(astro::ingressMinute(sky, ingress));
                    exact.push_back(astro::voidBefore(sky, ingress));
                }
                exactMs += since(t0);
                t0 = std::chrono::steady_clock::now();
                const QList<QDateTime> literalMinutes = reference::zodiacChanges(sky, from, to);
                std::vector<astro::VoidOfCourse> literal;
                for (const QDateTime &ingress : literalMinutes)
                    literal.push_back(reference::voidOfCourse(sky, ingress));
                literalMs += since(t0);
                changes += double(literalMinutes.size());
                if (minutes.size() != size_t(literalMinutes.size())) {
                    ingressesOff += std::abs(double(minutes.size()) - literalMinutes.size());
                    continue;
                }
                for (size_t i = 0; i < minutes.size(); ++i) {
                    const qint64 late = minutes[i].secsTo(literalMinutes.at(int(i)));
                    if (late < 0 || late > 60)
                        ++ingressesOff;
                    const qint64 startLate = exact[i].start.secsTo(literal[i].start);
                    if (exact[i].zodiac != literal[i].zodiac)
                        ++voidsOff;
                    else if (startLate >= 0 && startLate <= 240)
                        continue;
                    else if (startLate > 0 && literal[i].start.secsTo(literal[i].end) <= 120)
                        ++afterIngress;
                    else
                        ++voidsOff;
                }
            }
        }
    }
    state.counters["changes"] = changes;
    state.counters["ingresses_off"] = ingressesOff;
    state.counters["voids_off"] = voidsOff;
    state.counters["aspect_after_ingress"] = afterIngress;
    state.counters["exact_ms"] = exactMs;
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
        benchmark::RegisterBenchmark((std::string("FullEphemeris/") + name).c_str(), fullEphemeris,
                                     place)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    }
    benchmark::RegisterBenchmark("SignsAndVoid/3years/exact_vs_literal", exactAgainstLiteral)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
