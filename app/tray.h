#pragma once

#include "astro/sky.h"
#include "global/taskgroup.h"
#include "reminders/outlook.h"
#include "reminders/text.h"

#include <QAction>
#include <QDateTime>
#include <QLocale>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include <memory>

// The program's icon in the system tray: today's Moon, a tooltip with the lunar day, the phase
// and its illuminated share, the sign and the void of course under way or next, and a menu to
// show the window, the next events, the reminders and to quit. Redrawn when the lunar day, the
// phase's name, the void or the first of the events changes, and hourly for the illumination;
// a check once a minute sees whether that moment has come, so a sleep or a change of the clock
// delays it by a minute at most.
class Tray : public QObject
{
    Q_OBJECT

public:
    explicit Tray(QObject *parent = nullptr);
    ~Tray() override;

    static bool available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

    void setVisible(bool visible);
    bool isVisible() const { return m_icon.isVisible(); }
    // The place and clock, and the kinds of the events the menu lists (a mask of ical::Kind).
    void setSky(const astro::Sky &sky, int kinds);
    void setLocale(const QLocale &locale);
    // A reminder as the tray's own message, where no notification service takes it.
    void showMessage(const reminders::Notice &notice);

    // The tooltip of an outlook, in the interface's language.
    static QString toolTipOf(const reminders::Outlook &outlook, const astro::Zone &zone,
                             const QLocale &locale);

signals:
    void showRequested();
    void momentRequested(const QDateTime &moment);
    void remindersRequested();
    void quitRequested();

private:
    void refresh();
    void show(int generation, const reminders::Outlook &outlook);
    void retranslate();

    QSystemTrayIcon m_icon;
    QMenu m_menu;
    QAction *m_show;
    QVector<QAction *> m_events;
    QAction *m_reminders;
    QAction *m_quit;
    QTimer m_watch;
    astro::Sky m_sky;
    int m_kinds = 0;
    QLocale m_locale;
    reminders::Outlook m_outlook;
    QDateTime m_messageMoment;
    int m_generation = 0;
    global::TaskGroup m_tasks;
};
