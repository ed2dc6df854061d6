#include "reminders/plan.h"

#include <algorithm>

namespace reminders {

namespace {

constexpr int MinutesPerDay = 24 * 60;

} // namespace

QDateTime dueOf(const QDateTime &at, int lead, const astro::Zone &zone)
{
    const QDateTime days = zone.addDays(zone.toZone(at), -(lead / MinutesPerDay));
    return days.addSecs(-60 * qint64(lead % MinutesPerDay));
}

QVector<Reminder> remindersOf(const QVector<ical::Event> &events, const Choice &choice,
                              const astro::Zone &zone)
{
    QVector<Reminder> list;
    for (const ical::Event &e : events) {
        if (!(choice.kinds & e.kind))
            continue;
        const QString kind = nameOf(e.kind);
        const QStringList picked = choice.picked(kind);
        const auto add = [&](bool atEnd, const QString &part) {
            Reminder r;
            r.event = e;
            r.atEnd = atEnd;
            r.at = atEnd ? e.end : e.start;
            if (!r.at.isValid())
                return;
            r.due = dueOf(r.at, choice.leadOf(kind), zone);
            r.id
                = QStringLiteral("%1-%2-%3")
                      .arg(kind, part, r.at.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmm'Z'")));
            list.append(r);
        };
        if (e.kind == ical::Void) {
            // Both ends when nothing narrows it.
            const bool all = picked.isEmpty();
            if (all || picked.contains(QStringLiteral("begin")))
                add(false, QStringLiteral("begin"));
            if (all || picked.contains(QStringLiteral("end")))
                add(true, QStringLiteral("end"));
        } else if (picked.isEmpty() || picked.contains(pickOf(e))) {
            add(false, e.key);
        }
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Reminder &a, const Reminder &b) { return a.due < b.due; });
    return list;
}

} // namespace reminders
