#pragma once

#include "global/update.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QVariant>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;
class QSettings;

namespace global {

// The folder "res" beside the program (the build folder, or an installation that keeps the two
// together) when it exists, else "../share/vendarion" relative to the program (an installation
// under a prefix such as /usr); when neither exists, the first, so that what is missing is named
// after where it was looked for first. Plain paths ending in "/".
QString findResourceFolder(const QString &programDir);

// The application-services object: product name and version, the resource folder, the one
// settings store of the program and the help page. It is the QML singleton "Global".
//
// It also carries the update service: at most one answered check a day for a newer version, its
// announcement, and on request the download of the installer, which is handed to the desktop.
// All of it runs on the main thread; nothing waits for the network.
class Object : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(QString product READ product CONSTANT)
    Q_PROPERTY(QString resourcePath READ resourcePath CONSTANT)
    Q_PROPERTY(QString helpUrl READ helpUrl CONSTANT)
    Q_PROPERTY(bool updatesEnabled READ updatesEnabled WRITE setUpdatesEnabled NOTIFY
                   updatesEnabledChanged)

public:
    // Throws std::bad_alloc while another instance lives: there is one per process.
    Object();
    ~Object() override;

    static Object *instance();

    static QString version();
    static QString product();
    // The run-time resource folder as a plain path ending in "/": findResourceFolder() for the
    // executable's directory.
    static QString resourcePath();
    // A line for the start-up's log: which resource folder, or that there is none.
    static QString resourceFolderReport();

    QString helpUrl() const { return m_helpUrl; }

    QSettings *settings() const;
    // Every access opens its group, touches one key and closes the group again, so no caller can
    // leave a group open for the next one.
    QVariant readSetting(const QString &group, const QString &key,
                         const QVariant &fallback = {}) const;
    void writeSetting(const QString &group, const QString &key, const QVariant &value);

    bool updatesEnabled() const;
    void setUpdatesEnabled(bool value);

    // Replaces the network manager, the URLs, the clock and the desktop of the update service;
    // fields left empty keep their value. Not reachable from QML.
    void setUpdateSeamForTesting(const update::Seam &seam);

    // Hands the help page to the desktop; false when no browser took it (none installed, say),
    // so that the scene can show the address instead. Where the desktop's helper answers only
    // once it has tried, urlNotOpened() says so later.
    Q_INVOKABLE bool showHelp();
    Q_INVOKABLE void checkForUpdates();
    // 0 downloads and starts the installer; any other option opens the product page instead.
    Q_INVOKABLE void update(int option);
    Q_INVOKABLE void update();
    Q_INVOKABLE void cancelUpdate();

signals:
    void updatesEnabledChanged(bool value);
    void updateAvailable(QString current, QString latest);
    // bytesTotal is the reply's total plus one: an unknown total (-1) arrives as 0, and the
    // percentage never reaches 100 before the outcome is known.
    void updateDownloadProgress(qlonglong bytes, qlonglong bytesTotal);
    void updateDownloadFinished();
    void updateFinished(bool success);
    void updateCanceled();
    void updateDownloadClosed();
    // The desktop's helper could not open the address after all (no browser configured).
    void urlNotOpened(const QString &url);

private slots:
    void onUpdateRequestFinished(QNetworkReply *reply);
    void onUpdateDownloadFinished(QNetworkReply *reply);
    void onUpdateDownloadProgress(qlonglong bytes, qlonglong bytesTotal);
    void onUpdateDownloadCanceled();

private:
    void downloadUpdate();
    QNetworkReply *sendUpdateRequest(QNetworkRequest request);
    bool requestInstaller(const QUrl &url);
    bool followRedirect(QNetworkReply *reply);
    void receiveInstaller(QNetworkReply *reply);
    QString saveDownload(QNetworkReply *reply);
    void handOverInstaller();
    void dropReply(QNetworkReply *reply);
    QDate today() const;
    // Writes the settings to disk and says, once a run, when that fails.
    void syncSettings();
    void sayUnwritable();
    // Opens an address with the desktop's helper, or through Qt where there is none.
    bool openWithDesktop(const QUrl &url);

    QPointer<QSettings> m_settings;
    bool m_syncPending = false;
    bool m_unwritableSaid = false;
    QPointer<QNetworkAccessManager> m_updateManager;
    QDate m_lastUpdate;
    bool m_updatesEnabled = true;
    QUrl m_updateUrl;
    QUrl m_installerUrl;
    QUrl m_productUrl;
    QString m_helpUrl;

    bool m_allowLoopbackHttp = false;
    int m_transferTimeoutMs = update::TransferTimeoutMs;
    std::function<QDate()> m_today;
    std::function<bool(const QUrl &)> m_openUrl;

    // At most one check and one download are out at a time; each reply is answered by its own
    // handler, so a check never ends up as an installer nor a download as a version answer.
    QPointer<QNetworkReply> m_checkReply;
    bool m_checkAnswerTooLong = false;
    QPointer<QNetworkReply> m_downloadReply;
    // The installer's hash from the last answer, empty when the endpoint named none.
    QByteArray m_expectedSha256;
    // The last answer named a hash that cannot be read: its installer is not downloaded.
    bool m_hashUnreadable = false;
    // The download so far, and why it was given up before its end (empty while it goes on).
    std::unique_ptr<update::InstallerFile> m_installer;
    QString m_installerFailure;
    int m_installerRedirects = 0;
    // Written and waiting for the event loop to hand it to the desktop; a cancel clears it.
    QString m_installerToOpen;
};

} // namespace global
