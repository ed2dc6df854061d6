#pragma once

#include "astro/calculation.h"
#include "astro/ephemeris.h"
#include "global/taskgroup.h"

#include <QDateTime>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QVariantMap>

#include <atomic>
#include <optional>

namespace astro {

// Finds the next dates, from a chosen date on, whose local midnight has a chosen lunar day, a
// chosen sign, or both. Each requested hit is reported by one searchResult, found or timed out.
class SearchModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(astro::Calculation *calculation READ calculation WRITE setCalculation NOTIFY
                   calculationChanged)

public:
    explicit SearchModel(QObject *parent = nullptr);
    // Stops a running search and waits for every search this model started.
    ~SearchModel() override;

    Calculation *calculation() const { return m_calculation; }
    void setCalculation(Calculation *calculation);

    // lunarDay 1 to 30 or any; zodiac 0 to 11 or any; results: how many hits (0 or less: none).
    Q_INVOKABLE void search(const QDateTime &from, int lunarDay, int zodiac, int results);

    // The next eclipses seen from the calculation's place, from the start of a date's day on
    // (one under way then included): one eclipseFound() each, in order of time, then
    // searchFinished() with the count of those not found (none within twenty years).
    Q_INVOKABLE void searchEclipses(const QDateTime &from, int results);

    // How long one hit may be looked for, 10 s. Tests shorten it to reach the time-out path.
    void setTimeBudget(int milliseconds) { m_budget = milliseconds; }
    // Blocks until every search started so far has ended (command line, tests).
    void waitForSearches();

signals:
    void calculationChanged(Calculation *calculation);
    void searchResult(Ephemeris *entry, bool timeout);
    // An eclipse as moonevents.h's toVariant() gives it, with the observer and zone it was
    // found for (see Calculation::isCurrentSky).
    void eclipseFound(QVariantMap eclipse);
    // The search has ended; `unanswered` hits were not looked for (the end of the data years,
    // an invalid start or a search stopped early).
    void searchFinished(int unanswered);

private:
    void run(QDateTime from, int lunarDay, int zodiac, int results, const Sky &sky);
    void runEclipses(const QDateTime &from, int results, const Sky &sky);
    // The calculation's sky, or nothing (with a log line) when no calculation is set.
    std::optional<Sky> skyToSearch() const;
    enum class Outcome { Found, TimedOut, End, Stopped };
    // Fills e with the first matching day start from `start` on; on a time-out e describes the
    // last day examined.
    Outcome findHit(Ephemeris *e, const QDate &start, int lunarDay, int zodiac, const Sky &sky);

    QPointer<Calculation> m_calculation;
    QMutex m_lock;
    std::atomic<int> m_budget{10000};
    std::atomic<bool> m_closing{false};
    global::TaskGroup m_searches;
};

} // namespace astro
