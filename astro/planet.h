#pragma once

#include <QMetaType>
#include <QObject>

namespace astro {

// A body of the ephemeris library; the enumerators are the library's own body numbers.
struct Planet
{
    Q_GADGET
    Q_PROPERTY(Index index MEMBER index CONSTANT)

public:
    enum Index : qint32 {
        SUN = 0,
        MOON = 1,
        MERCURY = 2,
        VENUS = 3,
        MARS = 4,
        JUPITER = 5,
        SATURN = 6,
        URANUS = 7,
        NEPTUNE = 8,
        PLUTO = 9,
        MEAN_NODE = 10,
        TRUE_NODE = 11,
        MEAN_APOG = 12,
        OSCU_APOG = 13,
        EARTH = 14,
        CHIRON = 15,
        PHOLUS = 16,
        CERES = 17,
        PALLAS = 18,
        JUNO = 19,
        VESTA = 20,
        INTP_APOG = 21,
        INTP_PERG = 22,
        LAST = 23
    };
    Q_ENUM(Index)

    Index index = SUN;
};

} // namespace astro

Q_DECLARE_METATYPE(astro::Planet)
