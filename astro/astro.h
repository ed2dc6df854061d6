#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

// The singleton "Astro": the two time conversions for the declarative interface, and the zone
// in which the whole program shows and reads times.
class Astro : public QObject
{
    Q_OBJECT
    // An IANA id, or empty for this computer's zone. An id this system does not know is
    // refused with a log line and leaves this computer's zone.
    Q_PROPERTY(QString timeZone READ timeZone WRITE setTimeZone NOTIFY timeZoneChanged)

public:
    explicit Astro(QObject *parent = nullptr);

    QString timeZone() const;
    void setTimeZone(const QString &timeZone);

    Q_INVOKABLE double julianDay(const QDateTime &time) const;
    Q_INVOKABLE QDateTime localTime(double time) const;
    // True for a moment within the years the ephemeris files cover.
    Q_INVOKABLE bool covers(const QDateTime &time) const;
    // How the zone times are shown in is called at that moment ("JST, UTC+09:00"); blank while
    // it is this computer's.
    Q_INVOKABLE QString timeZoneLabel(const QDateTime &at) const;

signals:
    void timeZoneChanged(QString timeZone);
};
