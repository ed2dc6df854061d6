#include "app/datehelper.h"

#include "app/localization.h"
#include "app/logging.h"

#include <optional>

DateHelper::DateHelper()
    : m_zone(astro::Zone::system())
{}

QDate DateHelper::calendarDay(const QDateTime &sceneDay)
{
    if (!sceneDay.isValid())
        return QDate();
    const QDateTime utc = sceneDay.toUTC();
    return utc.time() == QTime(0, 0) ? utc.date() : sceneDay.toLocalTime().date();
}

QDateTime DateHelper::pickerDay(const QDate &day)
{
    return day.startOfDay(Qt::LocalTime);
}

QString DateHelper::timeZone() const
{
    return QString::fromUtf8(m_zone.id());
}

bool DateHelper::setTimeZone(const QString &ianaId)
{
    std::optional<astro::Zone> zone = astro::Zone::named(ianaId.toUtf8());
    if (!zone) {
        qCWarning(lcApp).noquote()
            << QStringLiteral("unknown time zone '%1', showing this computer's").arg(ianaId);
        zone = astro::Zone::system();
    }
    if (zone->id() == m_zone.id())
        return false;
    m_zone = *zone;
    return true;
}

QString DateHelper::format(const QDateTime &moment, const QString &format) const
{
    return m_zone.toZone(moment).toString(format);
}

QString DateHelper::formatLocal(const QDateTime &moment, const QString &format) const
{
    return ui::formatWithNames(m_zone.toZone(moment), format, m_locale, m_namesLocale);
}

QString DateHelper::formatDay(const QDateTime &sceneDay, const QString &format) const
{
    return ui::formatWithNames(calendarDay(sceneDay), format, m_locale, m_namesLocale);
}

QDateTime DateHelper::parseDay(const QString &text, const QString &format) const
{
    const QDateTime typed = ui::readDateTime(text, format, m_locale);
    return typed.isValid() ? pickerDay(typed.date()) : QDateTime();
}

QDateTime DateHelper::startOfDay(const QDateTime &sceneDay) const
{
    const QDate day = calendarDay(sceneDay);
    return day.isValid() ? m_zone.startOfDay(day) : QDateTime();
}

QDateTime DateHelper::dayOf(const QDateTime &moment) const
{
    if (!moment.isValid())
        return QDateTime();
    return QDateTime(m_zone.toZone(moment).date(), QTime(12, 0), Qt::LocalTime);
}

QDateTime DateHelper::firstOfMonth(const QDateTime &moment) const
{
    if (!moment.isValid())
        return QDateTime();
    const QDate day = m_zone.toZone(moment).date();
    return m_zone.startOfDay(QDate(day.year(), day.month(), 1));
}

bool DateHelper::sameDay(const QDateTime &a, const QDateTime &b)
{
    const QDate day = calendarDay(a);
    return day.isValid() && day == calendarDay(b);
}

bool DateHelper::sameMonth(const QDateTime &a, const QDateTime &b)
{
    const QDate first = calendarDay(a);
    const QDate second = calendarDay(b);
    return first.isValid() && second.isValid() && first.year() == second.year()
           && first.month() == second.month();
}

QDateTime DateHelper::addDays(const QDateTime &moment, int days) const
{
    return m_zone.addDays(moment, days);
}

QDateTime DateHelper::addMonths(const QDateTime &moment, int months) const
{
    const QDateTime shown = m_zone.toZone(moment);
    return m_zone.at(shown.date().addMonths(months), shown.time());
}

QDateTime DateHelper::dateTimeOnDay(const QDateTime &moment, const QDateTime &sceneDay) const
{
    const QTime clock = m_zone.toZone(moment).time();
    return m_zone.at(calendarDay(sceneDay), QTime(clock.hour(), clock.minute()));
}

QDateTime DateHelper::parseDateTime(const QString &text, const QString &format) const
{
    return onShownClock(QDateTime::fromString(text, format));
}

QDateTime DateHelper::readDateTime(const QString &text, const QString &format) const
{
    return onShownClock(ui::readDateTime(text, format, m_locale));
}

QString DateHelper::monthTitle(const QDateTime &moment, const QString &localeName) const
{
    const QLocale locale(localeName);
    const QDate day = m_zone.toZone(moment).date();
    // Stand-alone names are lower-case in some languages ("décembre"); a title starts with a
    // capital.
    const QString month = locale.standaloneMonthName(day.month());
    return locale.toUpper(month.left(1)) + month.mid(1) + QLatin1Char(' ')
           + locale.toString(day, QStringLiteral("yyyy"));
}

QDateTime DateHelper::onShownClock(const QDateTime &typed) const
{
    return typed.isValid() ? m_zone.at(typed.date(), typed.time()) : typed;
}
