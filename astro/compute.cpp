#include "astro/compute.h"

#include "astro/library.h"
#include "astro/logging.h"
#include "astro/rules.h"
#include "astro/searches.h"
#include "global/jobshare.h"

#include <atomic>
#include <functional>

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
    const int failuresBefore = libraryFailures();

    const double jd = julianDay(time);
    e->setLongitude(calcPosition(sky.body, jd, sky.observer).longitude());
    e->setAyanamsa(siderealOffset(jd));
    e->setIllumination(calcPhenomena(sky.body, jd, sky.observer).illumination);
    e->setBrightLimbAngle(brightLimbAngle(sky, jd));
    const PhaseInstants phases(sky, jd);
    e->setPhase(phases.phase());
    // A day step keeps the wall-clock time across a clock change, where a step of 24 hours
    // would move it by the change.
    e->setPrevMidDay(wholeMinute(sky.zone.addDays(time, -1)));
    e->setNextMidDay(wholeMinute(sky.zone.addDays(time, 1)));

    // The searches are independent of one another: they share two threads, the longest first.
    // Each writes its own field. The library counts its failures per thread, so each job counts
    // its own.
    std::atomic<int> failures{0};
    auto counted = [&failures](std::function<void()> job) {
        return [&failures, job] {
            const int before = libraryFailures();
            job();
            failures += libraryFailures() - before;
        };
    };
    QVector<std::function<void()>> jobs;
    VoidOfCourse v;
    jobs.append(counted([&] {
        const QDate date = sky.zone.toZone(time).date();
        const QVector<Ingress> changes
            = ingresses(sky, julianDay(sky.zone.startOfDay(date)),
                        julianDay(sky.zone.startOfDay(date.addDays(VoidSearchDays))));
        if (!changes.isEmpty())
            v = voidBefore(sky, changes.first());
    }));
    QDateTime horizon[4];
    const HorizonEvent events[4] = {HorizonEvent::Rising, HorizonEvent::Setting,
                                    HorizonEvent::UpperTransit, HorizonEvent::LowerTransit};
    for (int i = 0; i < 4; ++i)
        jobs.append(counted([&, i] { horizon[i] = horizonEventAfter(sky, events[i], jd); }));
    const double targets[4] = {NewMoon, FirstQuarter, FullMoon, LastQuarter};
    QDateTime before[4], after[4];
    for (int i = 0; i < 4; ++i) {
        jobs.append(
            counted([&, i] { before[i] = phases.minute(targets[i], Direction::Backward); }));
        jobs.append(counted([&, i] { after[i] = phases.minute(targets[i], Direction::Forward); }));
    }
    global::shareJobs(jobs);

    e->setPrevNewMoon(before[0]);
    e->setNextNewMoon(after[0]);
    e->setPrevFirstQuarter(before[1]);
    e->setNextFirstQuarter(after[1]);
    e->setPrevFullMoon(before[2]);
    e->setNextFullMoon(after[2]);
    e->setPrevThirdQuarter(before[3]);
    e->setNextThirdQuarter(after[3]);
    e->setNextRising(horizon[0]);
    e->setNextSetting(horizon[1]);
    e->setUpperTransit(horizon[2]);
    e->setLowerTransit(horizon[3]);
    if (!e->nextRising().isValid() || !e->nextSetting().isValid() || !e->upperTransit().isValid()
        || !e->lowerTransit().isValid()) {
        qCDebug(lcAstro).noquote()
            << QStringLiteral("no rising, setting or transit found after %1 at latitude %2")
                   .arg(time.toString(Qt::ISODate))
                   .arg(sky.observer.latitude());
    }
    e->setVoidStart(v.start);
    e->setVoidEnd(v.end);
    e->setVoidZodiac(v.zodiac);

    // A result the library could not complete (outside its data files) is no result.
    if (libraryFailures() != failuresBefore || failures > 0) {
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
