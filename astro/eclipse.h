#pragma once

#include <cmath>

namespace astro {

enum class EclipseBody { Moon, Sun };
// Penumbral only for the Moon; annular and hybrid (annular along part of its path, total along
// the rest) only for the Sun.
enum class EclipseType { Penumbral, Partial, Total, Annular, Hybrid };

// An eclipse over the whole Earth. Instants are Julian days (UT); NaN for a phase the eclipse
// does not reach.
struct Eclipse
{
    EclipseBody body = EclipseBody::Moon;
    EclipseType type = EclipseType::Partial;
    // The greatest eclipse: for the Moon, its centre nearest the axis of the Earth's shadow; for
    // the Sun, the axis of the Moon's shadow nearest the Earth's centre.
    double maximum = std::nan("");
    // The Moon's: the umbral magnitude (the penumbral one for a penumbral eclipse). The Sun's:
    // the fraction of its diameter covered where the eclipse is greatest, for a total or annular
    // eclipse the ratio of the two diameters.
    double magnitude = std::nan("");
    // The first and last contact: the Moon's with the penumbra; the Moon's shadow's with the
    // Earth, wherever that is.
    double begin = std::nan("");
    double end = std::nan("");
    // The Moon's contacts with the umbra: the partial phase inside the total one. Lunar only.
    double partialBegin = std::nan("");
    double partialEnd = std::nan("");
    double totalBegin = std::nan("");
    double totalEnd = std::nan("");
};

// A solar eclipse as one place sees it.
struct LocalSolarEclipse
{
    // The Moon's first and last contact with the Sun's disc there, whether the Sun is up or not.
    double begin = std::nan("");
    double end = std::nan("");
    // The greatest eclipse seen there: the Sun's rising or setting when the greatest eclipse
    // itself happens below the horizon.
    double maximum = std::nan("");
    // The fraction of the Sun's disc covered then.
    double obscuration = std::nan("");
    // The Sun rising or setting while it is eclipsed; NaN when it does not.
    double sunrise = std::nan("");
    double sunset = std::nan("");
    // Some of it happens with the Sun above the horizon.
    bool visible = false;
};

} // namespace astro
