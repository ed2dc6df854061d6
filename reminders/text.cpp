#include "reminders/text.h"
#include "ical/events.h"

#include <QCoreApplication>

namespace reminders {

namespace {

// Texts are marked where they stand, with their context, and translated here.
QString say(const char *text)
{
    return QCoreApplication::translate("Reminders", text);
}

QString lunar(const char *text)
{
    return QCoreApplication::translate("Lunar", text);
}

} // namespace

QString timeText(const QDateTime &t, const astro::Zone &zone, const QLocale &locale,
                 const QDateTime &now)
{
    const QDateTime local = zone.toZone(t);
    const QString clock = local.toString(QStringLiteral("HH:mm"));
    if (local.date() == zone.toZone(now).date())
        return clock;
    return locale.toString(local.date(), QStringLiteral("ddd")) + QLatin1Char(' ') + clock;
}

QString signLabel(int sign)
{
    // The English name is the window's text to translate ("Lunar").
    const QString name = ical::signName(sign);
    return name.isEmpty() ? name : lunar(name.toLatin1().constData());
}

QString moonInSign(int sign)
{
    // Whole texts: in many languages the sign's name takes another form in them.
    static const char *const texts[12] = {QT_TRANSLATE_NOOP("Lunar", "Moon in Aries"),
                                          QT_TRANSLATE_NOOP("Lunar", "Moon in Taurus"),
                                          QT_TRANSLATE_NOOP("Lunar", "Moon in Gemini"),
                                          QT_TRANSLATE_NOOP("Lunar", "Moon in Cancer"),
                                          QT_TRANSLATE_NOOP("Lunar", "Moon in Leo"),
                                          QT_TRANSLATE_NOOP("Lunar", "Moon in Virgo"),
                                          QT_TRANSLATE_NOOP("Lunar", "Moon in Libra"),
                                          QT_TRANSLATE_NOOP("Lunar", "Moon in Scorpio"),
                                          QT_TRANSLATE_NOOP("Lunar", "Moon in Sagittarius"),
                                          QT_TRANSLATE_NOOP("Lunar", "Moon in Capricorn"),
                                          QT_TRANSLATE_NOOP("Lunar", "Moon in Aquarius"),
                                          QT_TRANSLATE_NOOP("Lunar", "Moon in Pisces")};
    return sign >= 0 && sign < 12 ? lunar(texts[sign]) : QString();
}

QString phaseName(double phase)
{
    // The moon panel's table: the phase in percent of the lunation, each name up to the next.
    static const struct
    {
        double from;
        const char *name;
    } names[] = {{0, QT_TRANSLATE_NOOP("Lunar", "New Moon")},
                 {1, QT_TRANSLATE_NOOP("Lunar", "Waxing Crescent")},
                 {25, QT_TRANSLATE_NOOP("Lunar", "First Quarter")},
                 {26, QT_TRANSLATE_NOOP("Lunar", "Waxing Gibbous")},
                 {50, QT_TRANSLATE_NOOP("Lunar", "Full Moon")},
                 {51, QT_TRANSLATE_NOOP("Lunar", "Waning Gibbous")},
                 {75, QT_TRANSLATE_NOOP("Lunar", "Third Quarter")},
                 {76, QT_TRANSLATE_NOOP("Lunar", "Waning Crescent")}};
    const double percent = phase * 100.0;
    const char *name = names[0].name;
    for (const auto &entry : names) {
        if (percent >= entry.from)
            name = entry.name;
    }
    return lunar(name);
}

QString describe(const ical::Event &e, bool atEnd, const astro::Zone &zone, const QLocale &locale,
                 const QDateTime &now)
{
    const QString start = timeText(e.start, zone, locale, now);
    switch (e.kind) {
    case ical::Void:
        if (atEnd) {
            return say(QT_TRANSLATE_NOOP("Reminders", "Void of course ends at %1: %2"))
                .arg(timeText(e.end, zone, locale, now), moonInSign(e.sign));
        }
        // The end's day is named when it is not the start's.
        return say(QT_TRANSLATE_NOOP("Reminders", "Moon void of course from %1 to %2 (%3 to %4)"))
            .arg(start, timeText(e.end, zone, locale, e.start), signLabel(e.fromSign),
                 signLabel(e.sign));
    case ical::Ingress:
        //: %1 "Moon in Scorpio", %2 the time the Moon enters the sign
        return say(QT_TRANSLATE_NOOP("Reminders", "%1 from %2")).arg(moonInSign(e.sign), start);
    case ical::Phase: {
        const QHash<QString, const char *> names
            = {{QStringLiteral("newmoon"), QT_TRANSLATE_NOOP("Lunar", "New Moon")},
               {QStringLiteral("firstquarter"), QT_TRANSLATE_NOOP("Lunar", "First Quarter")},
               {QStringLiteral("fullmoon"), QT_TRANSLATE_NOOP("Lunar", "Full Moon")},
               {QStringLiteral("lastquarter"), QT_TRANSLATE_NOOP("Lunar", "Third Quarter")}};
        //: %1 an event ("Full Moon"), %2 its time
        return say(QT_TRANSLATE_NOOP("Reminders", "%1 at %2"))
            .arg(names.contains(e.key) ? lunar(names.value(e.key)) : e.summary, start);
    }
    case ical::LunarDay:
        return say(QT_TRANSLATE_NOOP("Reminders", "Lunar day %1 begins at %2"))
            .arg(e.lunarDay)
            .arg(start);
    case ical::Rise:
        return say(QT_TRANSLATE_NOOP("Reminders", "Moonrise at %1")).arg(start);
    case ical::Set:
        return say(QT_TRANSLATE_NOOP("Reminders", "Moonset at %1")).arg(start);
    case ical::Eclipse:
        // It names its maximum already, and what the place sees of it.
        return e.summary;
    default:
        break;
    }
    // Kinds without words of their own here say what the calendar file says.
    return say(QT_TRANSLATE_NOOP("Reminders", "%1 at %2")).arg(e.summary, start);
}

Notice noticeOf(const Reminder &reminder, const astro::Zone &zone, const QLocale &locale,
                const QDateTime &now)
{
    Notice notice;
    notice.summary = describe(reminder.event, reminder.atEnd, zone, locale, now);
    const QDateTime local = zone.toZone(reminder.at);
    notice.body = locale.toString(local.date(), QLocale::LongFormat);
    const QString label = zone.label(reminder.at);
    if (!label.isEmpty())
        notice.body += QStringLiteral(" (%1)").arg(label);
    notice.moment = reminder.at;
    return notice;
}

} // namespace reminders
