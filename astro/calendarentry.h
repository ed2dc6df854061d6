#pragma once

#include "astro/ephemeris.h"

#include <QMetaType>
#include <QObject>

namespace astro {

// One day of the calendar grid: the Moon at 00:00 and at 23:59. The ephemerides belong to the
// calendar model; the entry only points at them.
struct CalendarEntry
{
    Q_GADGET
    Q_PROPERTY(astro::Ephemeris *first MEMBER first CONSTANT)
    Q_PROPERTY(astro::Ephemeris *second MEMBER second CONSTANT)
    Q_PROPERTY(qlonglong version MEMBER version CONSTANT)

public:
    Ephemeris *first = nullptr;
    Ephemeris *second = nullptr;
    qlonglong version = 0;
};

} // namespace astro

Q_DECLARE_METATYPE(astro::CalendarEntry)
