#pragma once

#include <QMetaType>
#include <QObject>

namespace astro {

// Which ephemeris a calculation asks for. Stored and announced only: the library always runs
// with its default ephemeris files.
struct CalculationMethod
{
    Q_GADGET
    Q_PROPERTY(Index index MEMBER index CONSTANT)

public:
    enum Index : qint32 { SWISS = 0, JPL = 1, MOSHIER = 2 };
    Q_ENUM(Index)

    Index index = SWISS;

    bool operator==(const CalculationMethod &other) const { return index == other.index; }
    bool operator!=(const CalculationMethod &other) const { return index != other.index; }
};

} // namespace astro

Q_DECLARE_METATYPE(astro::CalculationMethod)
