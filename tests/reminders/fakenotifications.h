#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// A notification service of the test's own, org.freedesktop.Notifications on the session bus
// the test runs in (a private one, from dbus-run-session): it keeps every notification it is
// sent, and can click one.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Note
    {
        uint id;
        QString app, icon, summary, body;
        QStringList actions;
        QVariantMap hints;
    };
    QList<Note> notes;

    // On a connection of its own, so that the program's calls really cross the bus.
    bool registerOnSessionBus()
    {
        m_bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                              QStringLiteral("fake-notifications"));
        return m_bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                                    QDBusConnection::ExportAllSlots)
               && m_bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    void unregister()
    {
        m_bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        m_bus.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
    }
    // The user clicks the notification.
    void click(uint id)
    {
        QDBusMessage signal = QDBusMessage::createSignal(
            QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"));
        signal << id << QStringLiteral("default");
        m_bus.send(signal);
    }

public slots:
    uint Notify(const QString &app, uint replacesId, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints,
                int timeout)
    {
        Q_UNUSED(replacesId)
        Q_UNUSED(timeout)
        notes.append({uint(notes.size() + 1), app, icon, summary, body, actions, hints});
        emit received(notes.last().summary, notes.last().body);
        return notes.last().id;
    }
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }
    void CloseNotification(uint) {}

signals:
    void received(const QString &summary, const QString &body);

private:
    QDBusConnection m_bus{QString()};
};
