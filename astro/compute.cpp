#include "astro/compute.h"

#include "astro/library.h"
#include "astro/logging.h"
#include "astro/rules.h"
#include "astro/searches.h"

namespace astro {

namespace {

// The targets of the phase instants: new moon, first quarter, full moon, last quarter.
constexpr double NewMoon = 0.0;
constexpr double FirstQuarter = 0.25;
constexpr double FullMoon = 0.5;
constexpr double LastQuarter = 0.75;
// The void of course shown is the one before the first sign change within two days from the
// start of the moment's day.
constexpr int VoidSearchDays = 2;

} // namespace

std::unique_ptr<Ephemeris> computeEphemeris(const Sky &sky, const QDateTime &time)
{
    auto e = std::make_unique<Ephemeris>();
    e->setTime(time);
    if (!time.isValid())
        return e;
    e->setObserver(sky.observer);
    e->setZone(sky.zone.id());
    const int failures = libraryFailures();

    const double jd = julianDay(time);
    const double longitude = calcPosition(sky.body, jd, sky.observer).longitude();
    e->setLongitude(longitude);
    e->setAyanamsa(siderealOffset(jd));
    e->setIllumination(calcPhenomena(sky.body, jd, sky.observer).illumination);

    const PhaseInstants phases(sky, jd);
    e->setPhase(phases.phase());
    e->setPrevNewMoon(phases.minute(NewMoon, Direction::Backward));
    e->setNextNewMoon(phases.minute(NewMoon, Direction::Forward));
    e->setPrevFirstQuarter(phases.minute(FirstQuarter, Direction::Backward));
    e->setNextFirstQuarter(phases.minute(FirstQuarter, Direction::Forward));
    e->setPrevFullMoon(phases.minute(FullMoon, Direction::Backward));
    e->setNextFullMoon(phases.minute(FullMoon, Direction::Forward));
    e->setPrevThirdQuarter(phases.minute(LastQuarter, Direction::Backward));
    e->setNextThirdQuarter(phases.minute(LastQuarter, Direction::Forward));

    e->setNextRising(horizonEventAfter(sky, HorizonEvent::Rising, jd));
    e->setNextSetting(horizonEventAfter(sky, HorizonEvent::Setting, jd));
    e->setUpperTransit(horizonEventAfter(sky, HorizonEvent::UpperTransit, jd));
    e->setLowerTransit(horizonEventAfter(sky, HorizonEvent::LowerTransit, jd));
    if (!e->nextRising().isValid() || !e->nextSetting().isValid() || !e->upperTransit().isValid()
        || !e->lowerTransit().isValid()) {
        qCDebug(lcAstro).noquote()
            << QStringLiteral("no rising, setting or transit found after %1 at latitude %2")
                   .arg(time.toString(Qt::ISODate))
                   .arg(sky.observer.latitude());
    }

    // A day step keeps the wall-clock time across a clock change, where a step of 24 hours
    // would move it by the change.
    e->setPrevMidDay(wholeMinute(sky.zone.addDays(time, -1)));
    e->setNextMidDay(wholeMinute(sky.zone.addDays(time, 1)));

    const QDate date = sky.zone.toZone(time).date();
    const QVector<Ingress> changes
        = ingresses(sky, julianDay(sky.zone.startOfDay(date)),
                    julianDay(sky.zone.startOfDay(date.addDays(VoidSearchDays))));
    if (!changes.isEmpty()) {
        const VoidOfCourse v = voidBefore(sky, changes.first());
        e->setVoidStart(v.start);
        e->setVoidEnd(v.end);
        e->setVoidZodiac(v.zodiac);
    }

    // A result the library could not complete (outside its data files) is no result.
    if (libraryFailures() != failures) {
        qCDebug(lcAstro).noquote() << QStringLiteral("the ephemeris of %1 could not be completed")
                                          .arg(time.toString(Qt::ISODate));
        return nullptr;
    }
    return e;
}

double fillReduced(Ephemeris &e, const Sky &sky, const QDateTime &time,
                   const QDateTime &prevNewMoon, const QDateTime &nextNewMoon)
{
    const double jd = julianDay(time);
    const double body = calcPosition(sky.body, jd, sky.observer).longitude();
    const double sun = calcPosition(Planet::SUN, jd, sky.observer).longitude();
    e.setTime(time);
    e.setObserver(sky.observer);
    e.setZone(sky.zone.id());
    e.setPrevNewMoon(prevNewMoon);
    e.setNextNewMoon(nextNewMoon);
    e.setLongitude(body);
    e.setPhase(phaseFraction(body, sun));
    e.setAyanamsa(siderealOffset(jd));
    return jd;
}

} // namespace astro
