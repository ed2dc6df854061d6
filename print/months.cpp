#include "print/months.h"

#include "astro/dayrun.h"
#include "astro/library.h"
#include "astro/searches.h"

#include <QHash>

#include <algorithm>

namespace print {

QString rangeError(const QDate &from, const QDate &to)
{
    if (!from.isValid() || !to.isValid())
        return QStringLiteral("the range needs a first and a last month");
    const QDate first(from.year(), from.month(), 1), last(to.year(), to.month(), 1);
    if (last < first)
        return QStringLiteral("the last month %1 is before the first %2")
            .arg(last.toString(QStringLiteral("yyyy-MM")),
                 first.toString(QStringLiteral("yyyy-MM")));
    if (first.year() < astro::FirstEphemerisYear || last.year() > astro::LastEphemerisYear)
        return QStringLiteral("the months must lie within the years %1 to %2")
            .arg(astro::FirstEphemerisYear)
            .arg(astro::LastEphemerisYear);
    if (!(last < first.addMonths(MaximumMonths)))
        return QStringLiteral("at most %1 months at a time").arg(MaximumMonths);
    return QString();
}

QVector<Mark> phaseMarks(const astro::Sky &sky, const QDateTime &from, const QDateTime &to)
{
    static const Mark::Kind kinds[]
        = {Mark::NewMoon, Mark::FirstQuarter, Mark::FullMoon, Mark::LastQuarter};
    QVector<Mark> marks;
    for (int q = 0; q < 4; ++q) {
        // Phases of one kind lie a lunation apart: from each, the next is searched a day on.
        for (QDateTime t = from;;) {
            const QDateTime at = astro::phaseMinute(sky, t, q * 0.25, astro::Direction::Forward);
            if (!at.isValid() || !(at < to))
                break;
            marks.append({kinds[q], at, {}});
            t = at.addDays(1);
        }
    }
    std::sort(marks.begin(), marks.end(),
              [](const Mark &a, const Mark &b) { return a.time < b.time; });
    return marks;
}

Month monthOf(const QDate &first, const astro::Sky &sky,
              const std::shared_ptr<std::atomic<bool>> &stop, global::TaskGroup &helpers)
{
    const astro::Zone &zone = sky.zone;
    const int count = first.daysInMonth();
    // A void of course that begins late in the month ends at an ingress in the next: the run
    // goes on for as many days as a void may last.
    const int voidDays = astro::MaxVoidMinutes / (24 * 60);
    const astro::DayRun run = astro::runDays(first, count + voidDays, sky, stop, helpers);
    Month month;
    month.first = first;
    if (*stop)
        return month;
    month.days.resize(count);
    for (int i = 0; i < count; ++i) {
        const astro::CalendarEntry &entry = run.days.at(i);
        Day &day = month.days[i];
        day.date = first.addDays(i);
        day.lunarDayStart = entry.first.lunarDay;
        day.lunarDayEnd = entry.second.lunarDay;
        day.sign = entry.first.zodiac;
        if (entry.first.voidZodiac >= 0) {
            day.voidStart = entry.first.voidStart;
            day.voidEnd = entry.first.voidEnd;
        }
    }
    const QDateTime begin = zone.startOfDay(first);
    for (int i = 0; i < run.ingresses.size(); ++i) {
        const astro::VoidOfCourse &v = run.voids.at(i);
        // A void ends at the minute of its ingress; without one, the minute is searched.
        const QDateTime at = v.zodiac >= 0 ? v.end : astro::ingressMinute(sky, run.ingresses.at(i));
        const int k = astro::voidDayIndex(begin, count, at, zone);
        if (k < 0)
            continue;
        month.days[k].nextSign = run.ingresses.at(i).sign;
        month.days[k].ingress = at;
        if (v.zodiac >= 0 && v.start < begin)
            month.days[0].voidCarriedEnd = v.end;
    }
    const QDateTime end = zone.startOfDay(first.addDays(count));
    for (const Mark &mark : phaseMarks(sky, begin, end)) {
        const int k = astro::voidDayIndex(begin, count, mark.time, zone);
        if (k >= 0)
            month.days[k].marks.append(mark);
    }
    static const QHash<QString, Mark::Kind> great = {{QStringLiteral("eclipse"), Mark::Eclipse},
                                                     {QStringLiteral("perigee"), Mark::Perigee},
                                                     {QStringLiteral("apogee"), Mark::Apogee}};
    for (int i = 0; i < count; ++i) {
        Day &day = month.days[i];
        for (const QVariant &value : run.days.at(i).marks) {
            const QVariantMap event = value.toMap();
            const QString kind = event.value(QStringLiteral("kind")).toString();
            day.nearPerigee |= kind == QLatin1String("nearperigee");
            if (great.contains(kind))
                day.marks.append(
                    {great.value(kind), event.value(QStringLiteral("time")).toDateTime(), event});
        }
        std::stable_sort(day.marks.begin(), day.marks.end(),
                         [](const Mark &a, const Mark &b) { return a.time < b.time; });
    }
    return month;
}

Document collect(const Request &request, const std::shared_ptr<std::atomic<bool>> &stop,
                 global::TaskGroup &helpers, const Progress &progress)
{
    Document document{request, {}};
    if (!rangeError(request.from, request.to).isEmpty())
        return document;
    const astro::Sky sky{astro::Planet::MOON, request.place, request.zone};
    const QDate from(request.from.year(), request.from.month(), 1);
    const QDate to(request.to.year(), request.to.month(), 1);
    const int total = int((to.year() - from.year()) * 12 + to.month() - from.month() + 1);
    for (QDate month = from; !(to < month) && !*stop; month = month.addMonths(1)) {
        Month m = monthOf(month, sky, stop, helpers);
        if (*stop)
            break;
        document.months.append(m);
        if (progress)
            progress(double(document.months.size()) / total);
    }
    return document;
}

} // namespace print
