#pragma once

#include <QDateTime>
#include <QObject>

// The singleton "Astro": the two time conversions for the declarative interface.
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
};
