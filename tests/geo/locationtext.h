#pragma once

#include "geo/location.h"

#include <QtTest>

namespace geo {

// Lets QCOMPARE show both places when they differ.
inline char *toString(const Location &place)
{
    return QTest::toString(QStringLiteral("%1/%2/%3 (%4, %5)")
                               .arg(place.name(), place.region(), place.country())
                               .arg(place.longitude(), 0, 'g', 10)
                               .arg(place.latitude(), 0, 'g', 10));
}

} // namespace geo
