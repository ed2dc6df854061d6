#pragma once

// The root finder the engine's searches share: the instant at which a smooth function of the
// Julian day crosses zero.

#include <algorithm>
#include <cmath>

namespace astro {

// Instants are solved to well under a second before they are cut to their minute.
constexpr double InstantTolerance = 5e-6; // days, 0.43 s
// The solver's functions are smooth and nearly linear over a day: from a guess within a day it
// takes four or five values. This bounds a search that meets something else.
constexpr int MaxSolverSteps = 50;

struct Root
{
    double t;
    double slope; // of the function there, per day
};

// The instant at which g, a function of the Julian day that grows through zero there, is 0,
// from a first value g0 at t0 and the slope expected. Secant steps, kept inside the bracket
// that the values seen so far give (lo, where g is below zero, and hi, where it is not, may be
// given) and halving it when a step would leave it.
template<typename G>
Root solveCrossing(G g, double t0, double g0, double slope, double lo = -HUGE_VAL,
                   double hi = HUGE_VAL)
{
    if (g0 == 0.0 || !std::isfinite(g0))
        return {t0, slope};
    auto bracket = [&](double t, double v) {
        if (v < 0.0)
            lo = std::max(lo, t);
        else
            hi = std::min(hi, t);
    };
    bracket(t0, g0);
    double t1 = t0 - g0 / slope;
    for (int i = 0; i < MaxSolverSteps; ++i) {
        const double g1 = g(t1);
        if (g1 == 0.0 || !std::isfinite(g1))
            return {t1, slope};
        bracket(t1, g1);
        const double s = (g1 - g0) / (t1 - t0);
        if (s > 0.0 && std::isfinite(s))
            slope = s;
        double t2 = t1 - g1 / slope;
        const bool bracketed = std::isfinite(lo) && std::isfinite(hi);
        if (bracketed && !(t2 > lo && t2 < hi))
            t2 = (lo + hi) / 2.0;
        if (std::fabs(t2 - t1) < InstantTolerance || (bracketed && hi - lo < InstantTolerance))
            return {t2, slope};
        t0 = t1;
        g0 = g1;
        t1 = t2;
    }
    return {t1, slope};
}

} // namespace astro
