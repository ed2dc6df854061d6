#pragma once

#include "ical/events.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace reminders {

// One kind of reminder the user can choose: the events of one kind of the calendar export, and
// what among them can be picked (the void's two ends, single phases, signs, lunar days). A kind
// that the export learns is offered by a line of its own in kinds().
struct KindInfo
{
    ical::Kind kind;
    // The source text of its label (context "Reminders").
    const char *label;
    // What can be picked, as the settings write it; empty when the kind has no parts.
    QStringList picks;
    // What is picked while the settings name nothing; empty for all.
    QStringList defaultPicks;
};

// In the order the window lists them.
const QVector<KindInfo> &kinds();
// The kind's entry by its name ("void"); null for a name that is none.
const KindInfo *kindNamed(const QString &name);
// The name of a kind ("void"), as ical::kindNames() has it.
QString nameOf(ical::Kind kind);
// The pick an event answers to ("newmoon", "taurus", "15"); empty where the kind has none.
QString pickOf(const ical::Event &event);

// The lead times the window offers, in minutes: at the moment, a quarter of an hour, an hour
// and a day before.
const QVector<int> &leadChoices();
// The longest lead the settings may hold: a week.
constexpr int MaximumLead = 7 * 24 * 60;

// What the user asked to be reminded of: settings group "reminders". Key "events" lists the
// chosen kinds by name ("void,phase"), "lead" the minutes before each event (0 at its moment),
// "leads" a kind's own lead where it differs ("phase:1440,void:15"), and a key per kind with
// parts lists the parts picked ("void": "begin,end"; "phase": "newmoon,fullmoon"; "ingress":
// sign names; "lunarday": day numbers), all of them when it is empty.
struct Choice
{
    int kinds = 0; // a mask of ical::Kind
    int lead = 0;
    QHash<QString, int> leads;
    QHash<QString, QStringList> picks;

    bool isEmpty() const { return kinds == 0; }
    int leadOf(const QString &kind) const { return leads.value(kind, lead); }
    // The parts of a kind picked now, its default when none are stored.
    QStringList picked(const QString &kind) const;
    bool operator==(const Choice &other) const;
    bool operator!=(const Choice &other) const { return !(*this == other); }

    // From the settings' texts, by key; what cannot be read is left out with a log line.
    static Choice fromSettings(const QHash<QString, QString> &values);
    QHash<QString, QString> toSettings() const;
    // The settings store's group "reminders".
    static Choice load();
    void save() const;
};

// Every key of group "reminders" that holds the choice.
QStringList choiceKeys();

} // namespace reminders
