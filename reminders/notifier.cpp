#include "reminders/notifier.h"

#include "reminders/logging.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
// A service that does not answer within this is taken to be none.
constexpr int CallTimeoutMs = 5000;
// Notifications of this run whose click is still awaited; the oldest go first beyond this.
constexpr int KeptMoments = 100;

// The notification's picture, the hint "image-data": width, height, bytes a row, alpha, bits
// a sample, samples a pixel, and the pixels in RGBA order.
struct ImageData
{
    int width = 0;
    int height = 0;
    int rowStride = 0;
    bool hasAlpha = true;
    int bitsPerSample = 8;
    int channels = 4;
    QByteArray data;
};

} // namespace

Q_DECLARE_METATYPE(ImageData)

namespace {

QDBusArgument &operator<<(QDBusArgument &argument, const ImageData &image)
{
    argument.beginStructure();
    argument << image.width << image.height << image.rowStride << image.hasAlpha
             << image.bitsPerSample << image.channels << image.data;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ImageData &image)
{
    argument.beginStructure();
    argument >> image.width >> image.height >> image.rowStride >> image.hasAlpha
        >> image.bitsPerSample >> image.channels >> image.data;
    argument.endStructure();
    return argument;
}

ImageData imageData(const QImage &icon)
{
    const QImage rgba = icon.convertToFormat(QImage::Format_RGBA8888);
    ImageData image;
    image.width = rgba.width();
    image.height = rgba.height();
    image.rowStride = int(rgba.bytesPerLine());
    image.data
        = QByteArray(reinterpret_cast<const char *>(rgba.constBits()), int(rgba.sizeInBytes()));
    return image;
}

} // namespace

namespace reminders {

Notifier::Notifier(QObject *parent)
    : Notifier(QDBusConnection(QString()), parent)
{}

Notifier::Notifier(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    qRegisterMetaType<Notice>();
}

void Notifier::listen()
{
    if (m_listening)
        return;
    m_listening = true;
    // Made here, on the first notice: connecting to the session bus is not for the start.
    if (m_bus.name().isEmpty())
        m_bus = QDBusConnection::sessionBus();
    qDBusRegisterMetaType<ImageData>();
    m_bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                  SLOT(onClosed(uint, uint)));
}

void Notifier::show(const Notice &notice)
{
    listen();
    if (!m_bus.isConnected()) {
        qCDebug(lcReminders).noquote() << QStringLiteral("reminders: no D-Bus session");
        QMetaObject::invokeMethod(
            this, [this, notice] { emit notShown(notice); }, Qt::QueuedConnection);
        return;
    }
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("vendarion"));
    if (!m_icon.isNull())
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(imageData(m_icon)));
    QDBusMessage call
        = QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    call << QStringLiteral("Vendarion") << uint(0) << QStringLiteral("vendarion") << notice.summary
         << notice.body
         << QStringList{QStringLiteral("default"), QCoreApplication::translate("Reminders", "Show")}
         << hints << int(-1);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, CallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, notice](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                const QDBusPendingReply<uint> reply = *call;
                if (reply.isError()) {
                    qCDebug(lcReminders).noquote()
                        << QStringLiteral("reminders: no notification service answered (%1)")
                               .arg(reply.error().message());
                    emit notShown(notice);
                    return;
                }
                if (m_moments.size() >= KeptMoments)
                    m_moments.erase(m_moments.begin());
                m_moments.insert(reply.value(), notice.moment);
            });
}

void Notifier::onActionInvoked(uint id, const QString &action)
{
    Q_UNUSED(action)
    // Any action of ours means "show": the body's click is "default", the button "default" too.
    if (m_moments.contains(id))
        emit activated(m_moments.value(id));
}

void Notifier::onClosed(uint id, uint reason)
{
    Q_UNUSED(reason)
    m_moments.remove(id);
}

} // namespace reminders
