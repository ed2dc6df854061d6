#pragma once

#include "reminders/text.h"

#include <QDBusConnection>
#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QObject>

namespace reminders {

// Shows notices as desktop notifications through the notification service of the session's
// D-Bus (org.freedesktop.Notifications), with the program's icon and a "Show" action; a click
// on one is announced with the moment it is about. The bus is reached only by the first notice.
class Notifier : public QObject
{
    Q_OBJECT

public:
    explicit Notifier(QObject *parent = nullptr);
    // Over another bus than the session's (tests).
    explicit Notifier(const QDBusConnection &bus, QObject *parent = nullptr);

    // Sent along as the notification's picture, for a program whose icon the desktop's icon
    // theme does not hold (one run from its build folder).
    void setIcon(const QImage &icon) { m_icon = icon; }
    void show(const Notice &notice);

signals:
    // The user clicked a notification of this run.
    void activated(const QDateTime &moment);
    // No notification service took the notice: no bus, or nobody there answered.
    void notShown(const reminders::Notice &notice);

private slots:
    void onActionInvoked(uint id, const QString &action);
    void onClosed(uint id, uint reason);

private:
    void listen();

    QDBusConnection m_bus;
    bool m_listening = false;
    QHash<uint, QDateTime> m_moments;
    QImage m_icon;
};

} // namespace reminders
