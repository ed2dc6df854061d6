#pragma once

#include "astro/position.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>

namespace astro {

// Everything shown about the Moon for one moment and place. Filled once by its producer on a
// worker thread and only read afterwards (the calendar model rewrites its own between runs).
class Ephemeris : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QDateTime time READ time CONSTANT)
    Q_PROPERTY(QDateTime prevNewMoon READ prevNewMoon CONSTANT)
    Q_PROPERTY(QDateTime nextNewMoon READ nextNewMoon CONSTANT)
    Q_PROPERTY(QDateTime prevFirstQuarter READ prevFirstQuarter CONSTANT)
    Q_PROPERTY(QDateTime nextFirstQuarter READ nextFirstQuarter CONSTANT)
    Q_PROPERTY(QDateTime prevFullMoon READ prevFullMoon CONSTANT)
    Q_PROPERTY(QDateTime nextFullMoon READ nextFullMoon CONSTANT)
    Q_PROPERTY(QDateTime prevThirdQuarter READ prevThirdQuarter CONSTANT)
    Q_PROPERTY(QDateTime nextThirdQuarter READ nextThirdQuarter CONSTANT)
    Q_PROPERTY(QDateTime nextRising READ nextRising CONSTANT)
    Q_PROPERTY(QDateTime nextSetting READ nextSetting CONSTANT)
    Q_PROPERTY(QDateTime upperTransit READ upperTransit CONSTANT)
    Q_PROPERTY(QDateTime lowerTransit READ lowerTransit CONSTANT)
    Q_PROPERTY(QDateTime prevMidDay READ prevMidDay CONSTANT)
    Q_PROPERTY(QDateTime nextMidDay READ nextMidDay CONSTANT)
    Q_PROPERTY(QDateTime voidStart READ voidStart CONSTANT)
    Q_PROPERTY(QDateTime voidEnd READ voidEnd CONSTANT)
    Q_PROPERTY(int voidZodiac READ voidZodiac CONSTANT)
    Q_PROPERTY(bool isVoC READ isVoC CONSTANT)
    Q_PROPERTY(double longitude READ longitude CONSTANT)
    Q_PROPERTY(double phase READ phase CONSTANT)
    Q_PROPERTY(double illumination READ illumination CONSTANT)
    Q_PROPERTY(double ayanamsa READ ayanamsa CONSTANT)
    Q_PROPERTY(int zodiac READ zodiac CONSTANT)
    Q_PROPERTY(double zodiacDegrees READ zodiacDegrees CONSTANT)
    Q_PROPERTY(int lunarDay READ lunarDay CONSTANT)
    // Where the lit limb lies as the observer sees the Moon in the sky: degrees counter-clockwise
    // from straight up, in (-180, 180] (see astro::brightLimbAngle).
    Q_PROPERTY(double brightLimbAngle READ brightLimbAngle CONSTANT)
    // The place it was computed for.
    Q_PROPERTY(astro::Position observer READ observer CONSTANT)

public:
    explicit Ephemeris(QObject *parent = nullptr);

    QDateTime time() const { return m_time; }
    QDateTime prevNewMoon() const { return m_prevNewMoon; }
    QDateTime nextNewMoon() const { return m_nextNewMoon; }
    QDateTime prevFirstQuarter() const { return m_prevFirstQuarter; }
    QDateTime nextFirstQuarter() const { return m_nextFirstQuarter; }
    QDateTime prevFullMoon() const { return m_prevFullMoon; }
    QDateTime nextFullMoon() const { return m_nextFullMoon; }
    QDateTime prevThirdQuarter() const { return m_prevThirdQuarter; }
    QDateTime nextThirdQuarter() const { return m_nextThirdQuarter; }
    QDateTime nextRising() const { return m_nextRising; }
    QDateTime nextSetting() const { return m_nextSetting; }
    QDateTime upperTransit() const { return m_upperTransit; }
    QDateTime lowerTransit() const { return m_lowerTransit; }
    QDateTime prevMidDay() const { return m_prevMidDay; }
    QDateTime nextMidDay() const { return m_nextMidDay; }
    QDateTime voidStart() const { return m_voidStart; }
    QDateTime voidEnd() const { return m_voidEnd; }
    int voidZodiac() const { return m_voidZodiac; }
    bool isVoC() const;
    double longitude() const { return m_longitude; }
    double phase() const { return m_phase; }
    double illumination() const { return m_illumination; }
    double ayanamsa() const { return m_ayanamsa; }
    int zodiac() const;
    double zodiacDegrees() const;
    int lunarDay() const;
    double brightLimbAngle() const { return m_brightLimbAngle; }
    Position observer() const { return m_observer; }
    // The zone its times were read on (an IANA id, empty for this computer's).
    QByteArray zone() const { return m_zone; }

    void setTime(const QDateTime &v) { m_time = v; }
    void setPrevNewMoon(const QDateTime &v) { m_prevNewMoon = v; }
    void setNextNewMoon(const QDateTime &v) { m_nextNewMoon = v; }
    void setPrevFirstQuarter(const QDateTime &v) { m_prevFirstQuarter = v; }
    void setNextFirstQuarter(const QDateTime &v) { m_nextFirstQuarter = v; }
    void setPrevFullMoon(const QDateTime &v) { m_prevFullMoon = v; }
    void setNextFullMoon(const QDateTime &v) { m_nextFullMoon = v; }
    void setPrevThirdQuarter(const QDateTime &v) { m_prevThirdQuarter = v; }
    void setNextThirdQuarter(const QDateTime &v) { m_nextThirdQuarter = v; }
    void setNextRising(const QDateTime &v) { m_nextRising = v; }
    void setNextSetting(const QDateTime &v) { m_nextSetting = v; }
    void setUpperTransit(const QDateTime &v) { m_upperTransit = v; }
    void setLowerTransit(const QDateTime &v) { m_lowerTransit = v; }
    void setPrevMidDay(const QDateTime &v) { m_prevMidDay = v; }
    void setNextMidDay(const QDateTime &v) { m_nextMidDay = v; }
    void setVoidStart(const QDateTime &v) { m_voidStart = v; }
    void setVoidEnd(const QDateTime &v) { m_voidEnd = v; }
    void setVoidZodiac(int v) { m_voidZodiac = v; }
    void setLongitude(double v) { m_longitude = v; }
    void setPhase(double v) { m_phase = v; }
    void setIllumination(double v) { m_illumination = v; }
    void setAyanamsa(double v) { m_ayanamsa = v; }
    void setBrightLimbAngle(double v) { m_brightLimbAngle = v; }
    void setObserver(const Position &v) { m_observer = v; }
    void setZone(const QByteArray &v) { m_zone = v; }

private:
    QDateTime m_time;
    QDateTime m_prevNewMoon;
    QDateTime m_nextNewMoon;
    QDateTime m_prevFirstQuarter;
    QDateTime m_nextFirstQuarter;
    QDateTime m_prevFullMoon;
    QDateTime m_nextFullMoon;
    QDateTime m_prevThirdQuarter;
    QDateTime m_nextThirdQuarter;
    QDateTime m_nextRising;
    QDateTime m_nextSetting;
    QDateTime m_upperTransit;
    QDateTime m_lowerTransit;
    QDateTime m_prevMidDay;
    QDateTime m_nextMidDay;
    QDateTime m_voidStart;
    QDateTime m_voidEnd;
    int m_voidZodiac = -1;
    // Never left undefined: 0 keeps the sign of an unfilled ephemeris within 0 to 11.
    double m_longitude = 0.0;
    double m_phase = -1.0;
    double m_illumination = -1.0;
    double m_ayanamsa = -1.0;
    // Straight up until computed: never a number the picture cannot be turned by.
    double m_brightLimbAngle = 0.0;
    Position m_observer;
    QByteArray m_zone;
};

} // namespace astro
