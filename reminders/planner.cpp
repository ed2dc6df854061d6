#include "reminders/planner.h"

#include "astro/searches.h"
#include "global/object.h"
#include "reminders/logging.h"

#include <algorithm>
#include <cstdlib>

namespace reminders {

namespace {

const QString Group = QStringLiteral("reminders");
const QString SettledKey = QStringLiteral("settled");
const QString RemindedKey = QStringLiteral("reminded");

constexpr int MinutesPerDay = 24 * 60;
// A reminder handed out this late still counts as on time, however short its event.
constexpr qint64 GraceSeconds = 120;
// How far the wall clock may part from the monotonic one within a minute before it counts as a
// sleep or a change of the clock.
constexpr qint64 JumpMs = 30 * 1000;
constexpr int WatchMs = 60 * 1000;
// Events are searched from this many days back, so that one still running (the longest, a void
// of course) can be reminded of late.
constexpr int DaysBack = astro::MaxVoidMinutes / MinutesPerDay;
// The ids kept of reminders handed out: more than the reminders of the days searched back.
constexpr int KeptIds = 64;

void log(const QString &line)
{
    qCDebug(lcReminders).noquote() << QStringLiteral("reminders: ") + line;
}

} // namespace

Planner::Planner(QObject *parent)
    : QObject(parent)
    , m_clock([] { return QDateTime::currentDateTimeUtc(); })
    , m_source([](const ical::Request &request) { return ical::collectEvents(request); })
{
    qRegisterMetaType<Reminder>();
    // One wake at the minute itself: a coarse timer may be minutes late over hours.
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Planner::check);
    m_watch.setInterval(WatchMs);
    m_watch.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_watch, &QTimer::timeout, this, &Planner::watch);
}

Planner::~Planner()
{
    m_tasks.close();
}

void Planner::setPlace(const astro::Position &place)
{
    if (place == m_place)
        return;
    m_place = place;
    if (!m_started)
        return;
    deliverDue();
    settleNow();
    plan();
}

void Planner::setZone(const astro::Zone &zone)
{
    if (zone.id() == m_zone.id())
        return;
    m_zone = zone;
    if (!m_started)
        return;
    deliverDue();
    settleNow();
    plan();
}

void Planner::setChoice(const Choice &choice)
{
    if (choice == m_choice)
        return;
    // What the old choice had due is still handed out.
    if (m_started)
        deliverDue();
    m_choice = choice;
    if (!m_started)
        return;
    settleNow();
    plan();
}

void Planner::start()
{
    if (m_started)
        return;
    m_started = true;
    global::Object *store = global::Object::instance();
    m_settled
        = QDateTime::fromString(store->readSetting(Group, SettledKey).toString(), Qt::ISODate);
    m_reminded = store->readSetting(Group, RemindedKey).toStringList();
    // A first run has missed nothing; a moment after now was written by a clock set wrong.
    if (!m_settled.isValid() || now() < m_settled)
        settleNow();
    plan();
}

QVector<Reminder> Planner::pending() const
{
    QVector<Reminder> list;
    for (const Reminder &r : m_plan) {
        if (m_settled < r.due && !m_reminded.contains(r.id))
            list.append(r);
    }
    return list;
}

void Planner::check()
{
    deliverDue();
    const QDate today = m_zone.toZone(now()).date();
    if (!m_choice.isEmpty() && today != m_planDay && !m_planning)
        plan();
    else
        arm();
}

void Planner::settleNow()
{
    m_settled = now();
    remember();
}

void Planner::plan()
{
    ++m_generation;
    if (m_choice.isEmpty()) {
        // Nothing to wait for: no timer runs at all.
        m_plan.clear();
        m_planning = false;
        m_watch.stop();
        arm();
        emit planned();
        return;
    }
    if (!m_watch.isActive()) {
        m_monotonic.start();
        m_watchedAt = now();
        m_watch.start();
    }
    const QDate today = m_zone.toZone(now()).date();
    int longest = 0;
    for (const KindInfo &info : kinds()) {
        if (m_choice.kinds & info.kind)
            longest = std::max(longest, m_choice.leadOf(nameOf(info.kind)));
    }
    ical::Request request;
    request.place = m_place;
    request.zone = m_zone.timeZone();
    request.from = today.addDays(-DaysBack);
    // Up to the day after tomorrow, and as far again as the longest lead reaches.
    request.to = today.addDays(2 + (longest + MinutesPerDay - 1) / MinutesPerDay);
    request.kinds = m_choice.kinds;
    m_planning = true;
    const int generation = m_generation;
    const Source source = m_source;
    const Choice choice = m_choice;
    const astro::Zone zone = m_zone;
    m_tasks.run([this, generation, source, request, choice, zone, today] {
        const QVector<Reminder> made = remindersOf(source(request), choice, zone);
        QMetaObject::invokeMethod(
            this, [this, generation, made, today] { receive(generation, made, today); },
            Qt::QueuedConnection);
    });
}

void Planner::receive(int generation, const QVector<Reminder> &made, const QDate &day)
{
    // A newer plan is on its way.
    if (generation != m_generation)
        return;
    m_plan = made;
    m_planDay = day;
    m_planning = false;
    log(QStringLiteral("%1 reminders planned from %2 on, the next at %3")
            .arg(pending().size())
            .arg(day.toString(Qt::ISODate),
                 pending().isEmpty() ? QStringLiteral("-")
                                     : pending().first().due.toUTC().toString(Qt::ISODate)));
    deliverDue();
    arm();
    emit planned();
    // Made across a midnight: the new day's plan follows.
    if (m_zone.toZone(now()).date() != day)
        plan();
}

void Planner::deliverDue()
{
    const QDateTime t = now();
    bool changed = false;
    for (const Reminder &r : qAsConst(m_plan)) {
        if (t < r.due)
            break;
        if (!(m_settled < r.due) || m_reminded.contains(r.id))
            continue;
        changed = true;
        // Dropped ones too: they are never shown later either.
        m_reminded.append(r.id);
        const bool late = r.due.secsTo(t) > GraceSeconds;
        if (late && !(t < r.over())) {
            log(QStringLiteral("%1 missed and over, dropped").arg(r.id));
            continue;
        }
        if (late)
            log(QStringLiteral("%1 missed, shown late").arg(r.id));
        emit due(r);
    }
    if (changed) {
        m_settled = t;
        remember();
    }
}

void Planner::arm()
{
    m_timer.stop();
    m_nextWake = QDateTime();
    if (m_choice.isEmpty())
        return;
    const QDateTime t = now();
    // The next local midnight plans the days ahead.
    QDateTime next = m_zone.startOfDay(m_zone.toZone(t).date().addDays(1));
    for (const Reminder &r : qAsConst(m_plan)) {
        if (t < r.due && !m_reminded.contains(r.id)) {
            next = std::min(next, r.due);
            break;
        }
    }
    m_nextWake = next;
    m_timer.start(int(std::max<qint64>(0, t.msecsTo(next))));
}

void Planner::watch()
{
    const QDateTime t = now();
    const qint64 wall = m_watchedAt.msecsTo(t);
    const qint64 steady = m_monotonic.restart();
    m_watchedAt = t;
    if (std::llabs(wall - steady) > JumpMs) {
        log(QStringLiteral("the wall clock moved %1 s against the timers (a sleep or a change of "
                           "the clock): catching up")
                .arg((wall - steady) / 1000));
        // Set back: what lies ahead again has not been dealt with.
        if (t < m_settled) {
            m_settled = t;
            remember();
        }
        check();
    } else if (m_nextWake.isValid() && !(t < m_nextWake)) {
        check();
    }
}

void Planner::remember()
{
    while (m_reminded.size() > KeptIds)
        m_reminded.removeFirst();
    global::Object *store = global::Object::instance();
    store->writeSetting(Group, SettledKey, m_settled.toUTC().toString(Qt::ISODateWithMs));
    store->writeSetting(Group, RemindedKey, m_reminded);
}

} // namespace reminders
