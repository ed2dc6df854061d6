#pragma once

#include "astro/position.h"

#include <QDateTime>
#include <QMetaType>
#include <QObject>
#include <QVariantList>

namespace astro {

class Ephemeris;

// The Moon at one moment of a calendar day, as plain values: what the grid shows.
struct CalendarMoment
{
    Q_GADGET
    Q_PROPERTY(QDateTime time MEMBER time CONSTANT)
    Q_PROPERTY(QDateTime prevNewMoon MEMBER prevNewMoon CONSTANT)
    Q_PROPERTY(QDateTime nextNewMoon MEMBER nextNewMoon CONSTANT)
    Q_PROPERTY(double phase MEMBER phase CONSTANT)
    Q_PROPERTY(int lunarDay MEMBER lunarDay CONSTANT)
    Q_PROPERTY(int zodiac MEMBER zodiac CONSTANT)
    Q_PROPERTY(double zodiacDegrees MEMBER zodiacDegrees CONSTANT)
    Q_PROPERTY(QDateTime voidStart MEMBER voidStart CONSTANT)
    Q_PROPERTY(QDateTime voidEnd MEMBER voidEnd CONSTANT)
    Q_PROPERTY(int voidZodiac MEMBER voidZodiac CONSTANT)

public:
    // The lunation's length in days, which the lunar day is counted by, is the same for every
    // moment between two new moons: the caller measures it once.
    static CalendarMoment of(const Ephemeris &e, double lunationDays);

    QDateTime time;
    QDateTime prevNewMoon;
    QDateTime nextNewMoon;
    double phase = -1.0;
    int lunarDay = 1;
    int zodiac = 0;
    double zodiacDegrees = 0.0;
    QDateTime voidStart;
    QDateTime voidEnd;
    int voidZodiac = -1;
};

// One day of the calendar grid: the Moon at the day's start and at 23:59, the run that
// computed it and the place and zone it was computed for. Values only, so that nothing the
// interface reads is written by a worker.
struct CalendarEntry
{
    Q_GADGET
    Q_PROPERTY(astro::CalendarMoment first MEMBER first CONSTANT)
    Q_PROPERTY(astro::CalendarMoment second MEMBER second CONSTANT)
    Q_PROPERTY(qlonglong version MEMBER version CONSTANT)
    Q_PROPERTY(astro::Position observer MEMBER observer CONSTANT)
    Q_PROPERTY(QVariantList marks MEMBER marks CONSTANT)

public:
    CalendarMoment first;
    CalendarMoment second;
    // The Moon's great days that fall on the day, in order of time: eclipses (by their greatest
    // eclipse), perigees and apogees as astro/moonevents.h's toVariant() gives them, and the
    // full or new moon near a perigee, kind "nearperigee" with its time, `phase` ("full" or
    // "new"), and the perigee's perigeeTime and distanceKm.
    QVariantList marks;
    qlonglong version = 0;
    Position observer;
    QByteArray zone; // the clock its days were cut on
};

} // namespace astro

Q_DECLARE_METATYPE(astro::CalendarMoment)
Q_DECLARE_METATYPE(astro::CalendarEntry)
