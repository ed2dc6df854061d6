#include "astro/searchmodel.h"

#include "astro/compute.h"
#include "astro/library.h"
#include "astro/logging.h"
#include "astro/moonevents.h"
#include "astro/rules.h"
#include "astro/searches.h"

#include <QElapsedTimer>
#include <QQmlEngine>
#include <QtConcurrent>

#include <memory>

namespace astro {

namespace {

// A search that walks past the end of the ephemeris files has nothing left to find.
const QDate LastSearchDay(LastEphemerisYear, 12, 31);
// More hits than anybody reads; it keeps a mistaken count from occupying a worker for years.
constexpr int MaxResults = 1000;

// The days that cannot match, after a day that did not. Within one lunation the lunar day
// never falls and rises by at most 2 a day: the topocentric Moon moves at most about 21.5
// degrees a day and the Sun at least 0.95, so the phase advances by at most 0.058 of a circle,
// and a lunation of under 29.9 days turns that into less than 1.75 lunar days. The sign
// advances by at most one a day (21.5 < 30 degrees). A lunar day below the current one comes only
// with the next lunation: `restOfLunation` is the number of following midnights before the next new
// moon, or 0 where the day lies within a day of the last new moon (there the phase may still
// read just below a whole circle while the new lunation has begun).
int impossibleDays(int lunarDay, int zodiac, int currentDay, int currentSign, int restOfLunation)
{
    int skip = 0;
    if (isLunarDay(lunarDay)) {
        if (lunarDay > currentDay)
            skip = (lunarDay - currentDay + 1) / 2 - 1;
        else if (lunarDay < currentDay)
            skip = restOfLunation;
    }
    if (isSign(zodiac)) {
        const int signs = (zodiac - currentSign + Signs) % Signs;
        skip = std::max(skip, signs - 1);
    }
    return std::max(skip, 0);
}

} // namespace

SearchModel::SearchModel(QObject *parent)
    : QObject(parent)
{}

SearchModel::~SearchModel()
{
    m_closing = true;
    m_searches.waitForIdle();
}

void SearchModel::setCalculation(Calculation *calculation)
{
    if (m_calculation == calculation)
        return;
    m_calculation = calculation;
    emit calculationChanged(calculation);
}

void SearchModel::waitForSearches()
{
    m_searches.waitForIdle();
}

std::optional<Sky> SearchModel::skyToSearch() const
{
    const Calculation *calculation = m_calculation;
    if (!calculation) {
        qCDebug(lcAstro).noquote()
            << QStringLiteral("[SearchModel::search] no calculation assigned");
        return std::nullopt;
    }
    return calculation->sky();
}

void SearchModel::searchEclipses(const QDateTime &from, int results)
{
    const std::optional<Sky> sky = skyToSearch();
    if (!sky)
        return;
    results = std::clamp(results, 0, MaxResults);
    m_searches.begin();
    QtConcurrent::run(QThreadPool::globalInstance(), [this, from, results, sky = *sky] {
        runEclipses(from, results, sky);
        m_searches.end();
    });
}

void SearchModel::runEclipses(const QDateTime &from, int results, const Sky &sky)
{
    QMutexLocker locker(&m_lock);
    int found = 0;
    if (from.isValid()) {
        double jd = julianDay(sky.zone.startOfDay(sky.zone.toZone(from).date()));
        for (; found < results && !m_closing; ++found) {
            const std::optional<EclipseView> next = nextEclipse(sky, jd, true);
            if (!next)
                break;
            MoonEvent event;
            event.instant = next->eclipse.maximum;
            event.eclipse = *next;
            QVariantMap found = toVariant(sky, event);
            // Whoever receives it can tell a search for the place and zone before.
            found.insert(QStringLiteral("observer"), QVariant::fromValue(sky.observer));
            found.insert(QStringLiteral("zone"), QString::fromUtf8(sky.zone.id()));
            emit eclipseFound(found);
            jd = next->eclipse.end + MinuteInDays;
        }
    }
    emit searchFinished(results - found);
}

void SearchModel::search(const QDateTime &from, int lunarDay, int zodiac, int results)
{
    const std::optional<Sky> sky = skyToSearch();
    if (!sky)
        return;
    if (results > MaxResults) {
        qCDebug(lcAstro).noquote()
            << QStringLiteral("[SearchModel::search] %1 results asked, searching %2")
                   .arg(results)
                   .arg(MaxResults);
        results = MaxResults;
    }
    // The sky is taken here, on the thread of the setters; the search needs nothing of the
    // calculation after that.
    m_searches.begin();
    QtConcurrent::run(QThreadPool::globalInstance(),
                      [this, from, lunarDay, zodiac, results, sky = *sky] {
                          run(from, lunarDay, zodiac, results, sky);
                          m_searches.end();
                      });
}

SearchModel::Outcome SearchModel::findHit(Ephemeris *e, const QDate &start, int lunarDay,
                                          int zodiac, const Sky &sky)
{
    const bool anyDay = !isLunarDay(lunarDay);
    const bool anySign = !isSign(zodiac);
    const Zone &zone = sky.zone;
    const QDateTime noon = zone.at(start, QTime(12, 0));
    const PhaseInstants aroundNoon(sky, julianDay(noon));
    QDateTime prev = aroundNoon.minute(0.0, Direction::Backward);
    QDateTime next = aroundNoon.minute(0.0, Direction::Forward);
    // The lunation's length in days, as Ephemeris::lunarDay() computes it from the same two
    // date-times, but converted once per lunation instead of twice per day.
    double lunation = julianDay(next) - julianDay(prev);
    QElapsedTimer stopwatch;
    stopwatch.start();

    // Day by day at local midnight, the new moons carried forward: the first midnight not
    // before the next new moon moves the pair on. Days that cannot match are not computed, but
    // the pair still moves on exactly where a day-by-day walk would move it.
    int skip = 0;
    for (int d = 0;; ++d) {
        const QDateTime t = zone.startOfDay(start.addDays(d));
        if (t.date() > LastSearchDay)
            return Outcome::End;
        if (!(t < next)) {
            prev = next;
            next = phaseMinute(sky, t, 0.0, Direction::Forward);
            lunation = julianDay(next) - julianDay(prev);
        }
        if (skip > 0) {
            --skip;
            continue;
        }
        fillReduced(*e, sky, t, prev, next);

        const int day = lunarDayOf(lunation, e->phase());
        const int sign = e->zodiac();
        if ((anyDay || day == lunarDay) && (anySign || sign == zodiac))
            return Outcome::Found;
        if (stopwatch.elapsed() >= m_budget) {
            qCDebug(lcAstro).noquote() << QStringLiteral("search took 10 seconds! aborting...");
            return Outcome::TimedOut;
        }
        if (m_closing)
            return Outcome::Stopped;
        int rest = 0;
        if (prev.secsTo(t) >= qint64(SecondsPerDay)) {
            const QDate last = zone.toZone(next).date();
            rest = int(t.date().daysTo(last)) - (zone.startOfDay(last) < next ? 0 : 1);
        }
        skip = impossibleDays(anyDay ? 0 : lunarDay, anySign ? -1 : zodiac, day, sign, rest);
    }
}

void SearchModel::run(QDateTime from, int lunarDay, int zodiac, int results, const Sky &sky)
{
    if (m_closing)
        return;
    QMutexLocker locker(&m_lock);
    int answered = 0;
    for (; answered < results; ++answered) {
        const QDate start = from.isValid() ? sky.zone.toZone(from).date() : QDate();
        auto e = std::make_unique<Ephemeris>();
        Outcome outcome = Outcome::End;
        if (start.isValid() && start <= LastSearchDay)
            outcome = findHit(e.get(), start, lunarDay, zodiac, sky);
        if (outcome == Outcome::End && start.isValid()) {
            // Nothing past the data years is a hit; the list ends here.
            qCDebug(lcAstro).noquote()
                << QStringLiteral("search reached %1, the end of the ephemeris")
                       .arg(LastSearchDay.toString(Qt::ISODate));
        }
        if (outcome == Outcome::End || outcome == Outcome::Stopped || m_closing)
            break;
        // Published to the model's thread; the declarative engine frees it when unused.
        e->moveToThread(thread());
        QQmlEngine::setObjectOwnership(e.get(), QQmlEngine::JavaScriptOwnership);
        from = e->time().addDays(1);
        emit searchResult(e.release(), outcome == Outcome::TimedOut);
    }
    emit searchFinished(results - answered);
}

} // namespace astro
