#pragma once

#include <QDateTime>
#include <QObject>

// The singleton "Astro": the two time conversions and the turn of the moon picture for the
// declarative interface.
class Astro : public QObject
{
    Q_OBJECT

public:
    explicit Astro(QObject *parent = nullptr);

    Q_INVOKABLE double julianDay(const QDateTime &time) const;
    // On this computer's clock.
    Q_INVOKABLE QDateTime localTime(double time) const;
    // True for a moment within the years the ephemeris files cover.
    Q_INVOKABLE bool covers(const QDateTime &time) const;
    // The turn of the moon picture, in degrees counter-clockwise: for an observer at `latitude`,
    // or, `inSky`, as the Moon of that phase and bright-limb angle stands in the sky.
    Q_INVOKABLE double pictureTurn(double phase, double latitude, double brightLimbAngle,
                                   bool inSky) const;
};
