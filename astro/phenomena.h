#pragma once

#include <QMetaType>
#include <QObject>

namespace astro {

struct Phenomena
{
    Q_GADGET
    Q_PROPERTY(double illumination MEMBER illumination CONSTANT)
    Q_PROPERTY(double diameter MEMBER diameter CONSTANT)
    Q_PROPERTY(double magnitude MEMBER magnitude CONSTANT)

public:
    double illumination = 0.0; // illuminated fraction of the disc, 0 to 1
    double diameter = 0.0;     // apparent diameter, degrees
    double magnitude = 0.0;
};

} // namespace astro

Q_DECLARE_METATYPE(astro::Phenomena)
