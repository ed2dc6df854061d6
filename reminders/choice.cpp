#include "reminders/choice.h"

#include "global/object.h"
#include "reminders/logging.h"

#include <QCoreApplication>
#include <QtAlgorithms>

#include <algorithm>

namespace reminders {

namespace {

const QString Group = QStringLiteral("reminders");
const QString EventsKey = QStringLiteral("events");
const QString LeadKey = QStringLiteral("lead");
const QString LeadsKey = QStringLiteral("leads");

QStringList signKeys()
{
    QStringList keys;
    for (int sign = 0; sign < 12; ++sign)
        keys << ical::signName(sign).toLower();
    return keys;
}

QStringList dayKeys()
{
    QStringList keys;
    for (int day = 1; day <= 30; ++day)
        keys << QString::number(day);
    return keys;
}

QStringList listOf(const QString &text)
{
    QStringList items;
    for (const QString &item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!item.trimmed().isEmpty())
            items << item.trimmed().toLower();
    }
    return items;
}

void refuse(const QString &key, const QString &value)
{
    qCWarning(lcReminders).noquote()
        << QStringLiteral("reminders: setting %1 has '%2', which is left out").arg(key, value);
}

// Minutes from 0 to a week; -1 for anything else.
int minutesOf(const QString &text)
{
    bool ok = false;
    const int minutes = text.trimmed().toInt(&ok);
    return ok && minutes >= 0 && minutes <= MaximumLead ? minutes : -1;
}

} // namespace

const QVector<KindInfo> &kinds()
{
    static const QVector<KindInfo> table = {
        {ical::Void,
         QT_TRANSLATE_NOOP("Reminders", "Void of course"),
         {QStringLiteral("begin"), QStringLiteral("end")},
         {QStringLiteral("begin")}},
        {ical::Ingress, QT_TRANSLATE_NOOP("Reminders", "The Moon enters a sign"), signKeys(), {}},
        {ical::Phase,
         QT_TRANSLATE_NOOP("Reminders", "Phases"),
         {QStringLiteral("newmoon"), QStringLiteral("firstquarter"), QStringLiteral("fullmoon"),
          QStringLiteral("lastquarter")},
         {}},
        {ical::LunarDay, QT_TRANSLATE_NOOP("Reminders", "A lunar day begins"), dayKeys(), {}},
        {ical::Rise, QT_TRANSLATE_NOOP("Reminders", "Moonrise"), {}, {}},
        {ical::Set, QT_TRANSLATE_NOOP("Reminders", "Moonset"), {}, {}},
        {ical::Eclipse, QT_TRANSLATE_NOOP("Reminders", "Eclipses"), {}, {}},
        {ical::Apsis, QT_TRANSLATE_NOOP("Reminders", "Perigee and apogee"), {}, {}},
    };
    return table;
}

const KindInfo *kindNamed(const QString &name)
{
    for (const KindInfo &info : kinds()) {
        if (nameOf(info.kind) == name)
            return &info;
    }
    return nullptr;
}

QString nameOf(ical::Kind kind)
{
    return ical::kindNames().value(qCountTrailingZeroBits(uint(kind)));
}

QString pickOf(const ical::Event &event)
{
    switch (event.kind) {
    case ical::Phase:
        return event.key;
    case ical::Ingress:
        return ical::signName(event.sign).toLower();
    case ical::LunarDay:
        return QString::number(event.lunarDay);
    default:
        return QString();
    }
}

const QVector<int> &leadChoices()
{
    static const QVector<int> minutes = {0, 15, 60, 24 * 60};
    return minutes;
}

QStringList Choice::picked(const QString &kind) const
{
    const KindInfo *info = kindNamed(kind);
    if (!info)
        return {};
    return picks.contains(kind) ? picks.value(kind) : info->defaultPicks;
}

bool Choice::operator==(const Choice &other) const
{
    return toSettings() == other.toSettings();
}

Choice Choice::fromSettings(const QHash<QString, QString> &values)
{
    Choice choice;
    for (const QString &name : listOf(values.value(EventsKey))) {
        const KindInfo *info = kindNamed(name);
        if (info)
            choice.kinds |= info->kind;
        else
            refuse(EventsKey, name);
    }
    const QString lead = values.value(LeadKey);
    choice.lead = std::max(0, minutesOf(lead));
    if (!lead.isEmpty() && minutesOf(lead) < 0)
        refuse(LeadKey, lead);
    for (const QString &item : listOf(values.value(LeadsKey))) {
        const QString kind = item.section(QLatin1Char(':'), 0, 0).trimmed();
        const int minutes = minutesOf(item.section(QLatin1Char(':'), 1));
        if (kindNamed(kind) && minutes >= 0 && item.count(QLatin1Char(':')) == 1)
            choice.leads.insert(kind, minutes);
        else
            refuse(LeadsKey, item);
    }
    for (const KindInfo &info : reminders::kinds()) {
        const QString kind = nameOf(info.kind);
        if (info.picks.isEmpty() || !values.contains(kind))
            continue;
        QStringList picked;
        for (const QString &pick : listOf(values.value(kind))) {
            if (info.picks.contains(pick) && !picked.contains(pick))
                picked << pick;
            else if (!info.picks.contains(pick))
                refuse(kind, pick);
        }
        choice.picks.insert(kind, picked);
    }
    return choice;
}

QHash<QString, QString> Choice::toSettings() const
{
    QHash<QString, QString> values;
    QStringList names, leadList;
    for (const KindInfo &info : reminders::kinds()) {
        const QString kind = nameOf(info.kind);
        if (kinds & info.kind)
            names << kind;
        if (leads.contains(kind) && leads.value(kind) != lead)
            leadList << QStringLiteral("%1:%2").arg(kind).arg(leads.value(kind));
        if (picks.contains(kind))
            values.insert(kind, picks.value(kind).join(QLatin1Char(',')));
    }
    values.insert(EventsKey, names.join(QLatin1Char(',')));
    values.insert(LeadKey, QString::number(lead));
    values.insert(LeadsKey, leadList.join(QLatin1Char(',')));
    return values;
}

QStringList choiceKeys()
{
    QStringList keys = {EventsKey, LeadKey, LeadsKey};
    for (const KindInfo &info : kinds()) {
        if (!info.picks.isEmpty())
            keys << nameOf(info.kind);
    }
    return keys;
}

Choice Choice::load()
{
    QHash<QString, QString> values;
    for (const QString &key : choiceKeys()) {
        const QVariant value = global::Object::instance()->readSetting(Group, key);
        // A list typed into the file by hand without quotes is read as a list.
        if (value.type() == QVariant::StringList)
            values.insert(key, value.toStringList().join(QLatin1Char(',')));
        else if (value.isValid())
            values.insert(key, value.toString());
    }
    return fromSettings(values);
}

void Choice::save() const
{
    const QHash<QString, QString> values = toSettings();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        global::Object::instance()->writeSetting(Group, it.key(), it.value());
}

} // namespace reminders
