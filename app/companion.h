#pragma once

#include "reminders/choice.h"
#include "reminders/text.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QVariantList>

#include <memory>

namespace astro {
class Calculation;
}
namespace reminders {
class Notifier;
class Planner;
struct Reminder;
} // namespace reminders
class Tray;

// The program's presence outside its window, the QML singleton "Companion" of module "UI": the
// reminders the user chose (planned for the place and zone the window computes in, shown as
// desktop notifications), the icon in the system tray, whether closing the window leaves the
// program running there, and whether it starts with the desktop.
//
// Made with the scene, it does nothing until start(), which the window calls once its first
// frame is on the screen: the start of the program does not wait for any of it.
class Companion : public QObject
{
    Q_OBJECT
    // Whether the desktop has a system tray: the tray's settings are offered only then.
    Q_PROPERTY(bool trayAvailable READ trayAvailable CONSTANT)
    // "Keep running in the tray when the window is closed": settings group "window", key
    // "keepInTray", off unless set.
    Q_PROPERTY(bool keepInTray READ keepInTray WRITE setKeepInTray NOTIFY keepInTrayChanged)
    // "Start with the desktop": the autostart entry, which starts the program in the tray.
    Q_PROPERTY(bool startWithDesktop READ startWithDesktop WRITE setStartWithDesktop NOTIFY
                   startWithDesktopChanged)
    // The kinds of reminder, in the order to list them: each a map of "name", "label" (in the
    // interface's language), "on", "lead" (minutes) and "picks", a list of maps of "key",
    // "label" and "on".
    Q_PROPERTY(QVariantList reminderKinds READ reminderKinds NOTIFY remindersChanged)
    // The lead times offered, in minutes: at the moment, 15 minutes, an hour, a day.
    Q_PROPERTY(QVariantList leadMinutes READ leadMinutes CONSTANT)

public:
    Companion();
    ~Companion() override;

    static Companion *instance();

    // Starts the planner, and the tray when the program is to stay there; `hidden` when the
    // program was started in the tray (--tray), which keeps it running there for this run.
    void start(bool hidden);

    bool trayAvailable() const;
    bool keepInTray() const;
    void setKeepInTray(bool keep);
    bool startWithDesktop() const;
    void setStartWithDesktop(bool start);
    QVariantList reminderKinds() const;
    QVariantList leadMinutes() const;

    Q_INVOKABLE void setReminderOn(const QString &kind, bool on);
    Q_INVOKABLE void setReminderLead(const QString &kind, int minutes);
    // Picks or drops one part of a kind (a sign, a lunar day, a phase, an end of the void); the
    // last part picked cannot be dropped.
    Q_INVOKABLE void setReminderPick(const QString &kind, const QString &key, bool on);
    // Ends the program, also where closing the window would only hide it in the tray (the
    // tray's Quit, Ctrl+Q).
    Q_INVOKABLE void quit();

signals:
    void keepInTrayChanged(bool keepInTray);
    void startWithDesktopChanged(bool startWithDesktop);
    void remindersChanged();
    // The scene shows this moment (a click on a reminder or on an event of the tray's menu).
    void momentRequested(const QDateTime &moment);
    // The scene opens the reminders' dialog.
    void remindersRequested();

private:
    void changeChoice(const reminders::Choice &choice);
    void remind(const reminders::Reminder &reminder);
    void showInTray(const reminders::Notice &notice);
    void showMoment(const QDateTime &moment);
    void followCalculation();
    // The tray shows while the program stays in it, or once it had to carry a reminder.
    void updateTray();
    void showSkyInTray();

    bool m_started = false;
    bool m_startedHidden = false;
    bool m_trayCarriesReminders = false;
    reminders::Choice m_choice;
    QPointer<astro::Calculation> m_calculation;
    std::unique_ptr<reminders::Planner> m_planner;
    std::unique_ptr<reminders::Notifier> m_notifier;
    std::unique_ptr<Tray> m_tray;
};
