#pragma once

#include "common/logcapture.h"
#include "global/object.h"
#include "localhttpserver.h"

#include <QDate>
#include <QNetworkAccessManager>
#include <QSettings>
#include <QSslConfiguration>
#include <QStringList>
#include <QVariantMap>

#include <memory>

// One update service wired to a server on 127.0.0.1: a fixed "today", a recorder in place of the
// desktop, and one timeline of the service's log lines and signals in the order they happened.
class UpdateRig
{
public:
    static QDate today() { return QDate(2026, 3, 15); }

    enum class Scheme { LoopbackHttp, Https };

    // Writes the given keys of group "global" to an otherwise empty group, then builds the
    // object, which reads them. Over https the server's own certificate is the only one trusted,
    // and plain http is refused as in the program.
    explicit UpdateRig(const QVariantMap &settings = {}, Scheme scheme = Scheme::LoopbackHttp)
    {
        {
            QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harkel"),
                            QStringLiteral("Vendarion"));
            store.remove(QStringLiteral("global"));
            for (auto it = settings.begin(); it != settings.end(); ++it)
                store.setValue(QStringLiteral("global/") + it.key(), it.value());
            store.sync();
        }
        m_log = std::make_unique<LogCapture>([this](const LogCapture::Line &line) {
            if (line.text.startsWith(QLatin1String("[update] "))
                || line.text == QLatin1String("updates disabled"))
                events.append(line.text);
        });
        const bool https = scheme == Scheme::Https;
        if (https) {
            QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
            tls.setCaCertificates({LocalHttpServer::certificate()});
            QSslConfiguration::setDefaultConfiguration(tls);
        }
        server.listen(https);

        object = new global::Object();
        global::update::Seam seam;
        seam.manager = &manager;
        seam.checkUrl = server.url(QStringLiteral("/latest"));
        seam.installerUrl = server.url(QStringLiteral("/installer"));
        seam.productPageUrl = QUrl(QStringLiteral("https://product.invalid/vendarion/"));
        // The stand-in for https where the local server speaks no TLS.
        seam.allowLoopbackHttp = !https;
        seam.transferTimeoutMs = 1500;
        seam.today = &UpdateRig::today;
        seam.openUrl = [this](const QUrl &url) {
            opened.append(url);
            return true;
        };
        object->setUpdateSeamForTesting(seam);

        using O = global::Object;
        QObject::connect(object, &O::updatesEnabledChanged,
                         [this](bool on) { add("updatesEnabledChanged", on); });
        QObject::connect(object, &O::updateAvailable, [this](const QString &c, const QString &l) {
            events.append(QStringLiteral("updateAvailable(%1, %2)").arg(c, l));
        });
        QObject::connect(object, &O::updateDownloadProgress,
                         [this](qlonglong bytes, qlonglong total) {
                             progress.append({bytes, total});
                         });
        QObject::connect(object, &O::updateDownloadFinished,
                         [this] { add("updateDownloadFinished"); });
        QObject::connect(object, &O::updateFinished,
                         [this](bool ok) { add("updateFinished", ok); });
        QObject::connect(object, &O::updateCanceled, [this] { add("updateCanceled"); });
        QObject::connect(object, &O::updateDownloadClosed, [this] { add("updateDownloadClosed"); });
    }

    ~UpdateRig() { delete object; }

    QDate storedLastUpdate() const
    {
        return object->readSetting(QStringLiteral("global"), QStringLiteral("lastUpdate")).toDate();
    }

    bool logged(const QString &start) const
    {
        for (const QString &event : events) {
            if (event.startsWith(start))
                return true;
        }
        return false;
    }

    LocalHttpServer server;
    QNetworkAccessManager manager;
    global::Object *object = nullptr;
    QStringList events;
    QList<QPair<qlonglong, qlonglong>> progress;
    QList<QUrl> opened;

private:
    void add(const char *signal) { events.append(QLatin1String(signal) + QStringLiteral("()")); }
    void add(const char *signal, bool value)
    {
        events.append(QStringLiteral("%1(%2)").arg(
            QLatin1String(signal), value ? QStringLiteral("true") : QStringLiteral("false")));
    }

    std::unique_ptr<LogCapture> m_log;
};
