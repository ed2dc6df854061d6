#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QObject>

namespace astro {

// The Moon's last exact aspect before it leaves a sign, up to its entry into the next one.
// zodiac is the sign it leaves, -1 when there is no interval.
struct VoidOfCourse
{
    Q_GADGET
    Q_PROPERTY(QDateTime start MEMBER start CONSTANT)
    Q_PROPERTY(QDateTime end MEMBER end CONSTANT)
    Q_PROPERTY(int zodiac MEMBER zodiac CONSTANT)

public:
    QDateTime start;
    QDateTime end;
    int zodiac = -1;
};

} // namespace astro

Q_DECLARE_METATYPE(astro::VoidOfCourse)
