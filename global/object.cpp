#include "global/object.h"

#include "global/logging.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QQmlEngine>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <new>
#include <utility>

namespace global {

namespace {

QPointer<Object> s_instance;

const QString GlobalGroup = QStringLiteral("global");
const QString LastUpdateKey = QStringLiteral("lastUpdate");
const QString CheckForUpdatesKey = QStringLiteral("checkForUpdates");
// How much of an installer waits at most to be hashed and written at one time.
constexpr qint64 InstallerPieceBytes = 64 * 1024;
constexpr int MaxRedirects = 5;

void log(const QString &line)
{
    qCDebug(lcGlobal).noquote() << line;
}

// Why a reply brought no usable body, or an empty text when it did. A status outside 2xx that Qt
// lets pass (a redirect without a target, say) carries some page, not the resource asked for.
QString replyFailure(const QNetworkReply *reply)
{
    if (reply->error() != QNetworkReply::NoError)
        return reply->errorString();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status > 299)
        return QStringLiteral("HTTP status %1").arg(status);
    return {};
}

// The settings file can be edited by hand; a value that is no boolean keeps the checks on.
bool readFlag(const QVariant &value)
{
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    if (text != QLatin1String("true") && text != QLatin1String("1"))
        log(QStringLiteral("[update] unreadable setting %1 \"%2\", checking for updates")
                .arg(CheckForUpdatesKey, value.toString()));
    return true;
}

} // namespace

Object::Object()
{
    if (s_instance)
        throw std::bad_alloc();
    s_instance = this;
    // The QML engine must never delete the object the native side also uses.
    QQmlEngine::setObjectOwnership(this, QQmlEngine::CppOwnership);

    m_settings = new QSettings(QSettings::NativeFormat, QSettings::UserScope,
                               QStringLiteral("Harkel"), QStringLiteral("Vendarion"), this);
    m_updateManager = new QNetworkAccessManager(this);
    // Otherwise every change would be lost at the end of the run without a word.
    if (!m_settings->isWritable())
        sayUnwritable();

    m_updateUrl = update::defaultCheckUrl();
    m_installerUrl = update::defaultInstallerUrl();
    m_productUrl = update::defaultProductPageUrl();
    m_helpUrl = QStringLiteral("https://www.harkel.com/vendarion/help/");
    m_today = [] { return QDate::currentDate(); };
    m_openUrl = [this](const QUrl &url) { return openWithDesktop(url); };

    const QDate epoch(1970, 1, 1);
    const QVariant lastUpdate = readSetting(GlobalGroup, LastUpdateKey, epoch);
    m_lastUpdate = lastUpdate.toDate();
    if (!m_lastUpdate.isValid()) {
        log(QStringLiteral("[update] unreadable setting %1 \"%2\", checking again")
                .arg(LastUpdateKey, lastUpdate.toString()));
        m_lastUpdate = epoch;
    }
    m_updatesEnabled = readFlag(readSetting(GlobalGroup, CheckForUpdatesKey, true));
}

Object::~Object()
{
    // Replies of a manager handed in from outside outlive this object; they must not call back.
    dropReply(m_checkReply);
    dropReply(m_downloadReply);
    if (!m_installerToOpen.isEmpty())
        QFile::remove(m_installerToOpen);
    if (m_settings)
        syncSettings();
}

void Object::sayUnwritable()
{
    if (m_unwritableSaid)
        return;
    m_unwritableSaid = true;
    log(QStringLiteral("settings: %1 cannot be written, changes will not be kept")
            .arg(m_settings->fileName()));
}

void Object::syncSettings()
{
    m_syncPending = false;
    if (!m_settings)
        return;
    // A file that can be written in a folder that cannot (an immutable one) passes the check at
    // start: only writing it tells.
    m_settings->sync();
    if (m_settings->status() == QSettings::AccessError)
        sayUnwritable();
}

Object *Object::instance()
{
    if (!s_instance)
        new Object();
    return s_instance;
}

QString Object::version()
{
    return QStringLiteral(VENDARION_VERSION);
}

QString Object::product()
{
    return QStringLiteral("Vendarion");
}

QString findResourceFolder(const QString &programDir)
{
    const QString beside = programDir + QStringLiteral("/res/");
    if (QFileInfo(beside).isDir())
        return beside;
    const QString installed
        = QDir::cleanPath(programDir + QStringLiteral("/../share/vendarion")) + QLatin1Char('/');
    return QFileInfo(installed).isDir() ? installed : beside;
}

QString Object::resourcePath()
{
    return findResourceFolder(QCoreApplication::applicationDirPath());
}

QString Object::resourceFolderReport()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString found = findResourceFolder(programDir);
    if (!QFileInfo(found).isDir())
        return QStringLiteral("resource folder missing: neither '%1' nor '%2/' exists")
            .arg(found, QDir::cleanPath(programDir + QStringLiteral("/../share/vendarion")));
    if (found == programDir + QStringLiteral("/res/"))
        return QStringLiteral("resource folder '%1' (beside the executable)").arg(found);
    return QStringLiteral("resource folder '%1' (installed layout)").arg(found);
}

QSettings *Object::settings() const
{
    return m_settings;
}

QVariant Object::readSetting(const QString &group, const QString &key,
                             const QVariant &fallback) const
{
    if (!m_settings)
        return fallback;
    m_settings->beginGroup(group);
    const QVariant value = m_settings->value(key, fallback);
    m_settings->endGroup();
    return value;
}

void Object::writeSetting(const QString &group, const QString &key, const QVariant &value)
{
    if (!m_settings)
        return;
    m_settings->beginGroup(group);
    m_settings->setValue(key, value);
    m_settings->endGroup();
    // Written once the event loop runs again, as the store would itself, so that a failure is
    // seen; a burst of changes is written once.
    if (!m_syncPending) {
        m_syncPending = true;
        QTimer::singleShot(0, this, &Object::syncSettings);
    }
}

// On the free desktops Qt starts xdg-open and forgets it: an xdg-open that finds no browser
// fails quietly, and the user waits for a page that never comes. Started here, its exit status
// is heard: anything but success is said, with the address, by urlNotOpened().
bool Object::openWithDesktop(const QUrl &url)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString helper = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!helper.isEmpty()) {
        auto *process = new QProcess(this);
        connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
                [this, process, url](int code, QProcess::ExitStatus status) {
                    process->deleteLater();
                    if (status == QProcess::NormalExit && code == 0)
                        return;
                    log(QStringLiteral("xdg-open could not open %1 (exit status %2)")
                            .arg(url.toString())
                            .arg(code));
                    emit urlNotOpened(url.toString());
                });
        connect(process, &QProcess::errorOccurred, this,
                [this, process, url](QProcess::ProcessError error) {
                    if (error != QProcess::FailedToStart)
                        return;
                    process->deleteLater();
                    if (!QDesktopServices::openUrl(url))
                        emit urlNotOpened(url.toString());
                });
        process->start(helper, {url.toString()});
        return true;
    }
#endif
    return QDesktopServices::openUrl(url);
}

bool Object::showHelp()
{
    return m_openUrl(QUrl(m_helpUrl));
}

bool Object::updatesEnabled() const
{
    return m_updatesEnabled;
}

void Object::setUpdatesEnabled(bool value)
{
    if (value == m_updatesEnabled)
        return;
    m_updatesEnabled = value;
    writeSetting(GlobalGroup, CheckForUpdatesKey, value);
    emit updatesEnabledChanged(value);
}

void Object::setUpdateSeamForTesting(const update::Seam &seam)
{
    if (seam.manager)
        m_updateManager = seam.manager;
    if (!seam.checkUrl.isEmpty())
        m_updateUrl = seam.checkUrl;
    if (!seam.installerUrl.isEmpty())
        m_installerUrl = seam.installerUrl;
    if (!seam.productPageUrl.isEmpty())
        m_productUrl = seam.productPageUrl;
    m_allowLoopbackHttp = seam.allowLoopbackHttp;
    m_transferTimeoutMs = seam.transferTimeoutMs;
    if (seam.today)
        m_today = seam.today;
    if (seam.openUrl)
        m_openUrl = seam.openUrl;
}

QDate Object::today() const
{
    return m_today();
}

void Object::checkForUpdates()
{
    if (!m_updatesEnabled) {
        log(QStringLiteral("updates disabled"));
        return;
    }
    // A second call while the first is out (the scene's start and the user's switch) would only
    // announce the same version twice.
    if (m_checkReply)
        return;
    const QDate day = today();
    if (m_lastUpdate == day)
        return;
    // A date ahead of today (a clock that was set wrong) would otherwise stop the checks until
    // that day comes.
    if (m_lastUpdate > day)
        log(QStringLiteral("[update] last check dated %1 lies ahead of today, checking again")
                .arg(m_lastUpdate.toString(Qt::ISODate)));
    if (!update::isTrustedUrl(m_updateUrl, m_allowLoopbackHttp)) {
        log(QStringLiteral("[update] refusing to check at %1: not an https address")
                .arg(m_updateUrl.toString()));
        return;
    }

    log(QStringLiteral("[update] checking for updates..."));
    QNetworkRequest request(m_updateUrl);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Check for updates"));
    QNetworkReply *reply = sendUpdateRequest(request);
    if (!reply)
        return;
    m_checkReply = reply;
    m_checkAnswerTooLong = false;
    // The answer is a few bytes; a server streaming more is cut off rather than buffered.
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 bytes, qint64) {
        if (bytes <= update::MaxAnswerBytes || reply != m_checkReply)
            return;
        m_checkAnswerTooLong = true;
        reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this,
            [this, reply] { onUpdateRequestFinished(reply); });
}

QNetworkReply *Object::sendUpdateRequest(QNetworkRequest request)
{
    if (!m_updateManager)
        return nullptr;
    request.setTransferTimeout(m_transferTimeoutMs);
    // Every hop of a redirect must be as trusted as the address asked first.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    QNetworkReply *reply = m_updateManager->get(request);
    if (!reply)
        return nullptr;
    connect(reply, &QNetworkReply::redirected, this, [this, reply](const QUrl &url) {
        if (update::isTrustedUrl(url, m_allowLoopbackHttp)) {
            emit reply->redirectAllowed();
            return;
        }
        log(QStringLiteral("[update] refusing the redirect to %1: not an https address")
                .arg(url.toString()));
        reply->abort();
    });
    return reply;
}

void Object::onUpdateRequestFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != m_checkReply)
        return;
    m_checkReply = nullptr;

    update::Answer answer;
    if (m_checkAnswerTooLong) {
        log(QStringLiteral("[update] answer longer than %1 bytes, ignored")
                .arg(update::MaxAnswerBytes));
    } else if (const QString failure = replyFailure(reply); !failure.isEmpty()) {
        // Not answered: the day's check is tried again at the next start.
        log(QStringLiteral("[update] check failed: %1").arg(failure));
        return;
    } else {
        answer = update::parseAnswer(reply->readAll());
    }

    // The endpoint answered, even if with nonsense: that is the day's check.
    m_lastUpdate = today();
    writeSetting(GlobalGroup, LastUpdateKey, m_lastUpdate);
    if (!answer.readable) {
        if (!m_checkAnswerTooLong)
            log(QStringLiteral("[update] answer does not start with a version code, ignored"));
        return;
    }
    m_expectedSha256 = answer.sha256;
    m_hashUnreadable = !answer.unreadableHash.isEmpty();
    if (m_hashUnreadable)
        log(QStringLiteral("[update] the answer names no readable SHA-256 (\"%1\"), the installer "
                           "will not be downloaded")
                .arg(answer.unreadableHash.left(100)));
    if (answer.versionCode <= update::versionCode(version()))
        return;
    log(QStringLiteral("[update] new version %1 available").arg(answer.versionCode));
    emit updateAvailable(version(), update::versionText(answer.versionCode));
}

void Object::update(int option)
{
    if (option == 0)
        downloadUpdate();
    else
        m_openUrl(m_productUrl);
}

void Object::update()
{
    update(0);
}

void Object::downloadUpdate()
{
    if (m_downloadReply || !m_installerToOpen.isEmpty()) {
        log(QStringLiteral("[update] a download is already running"));
        return;
    }
    log(QStringLiteral("[update] downloading update from %1").arg(m_installerUrl.toString()));
    m_installer.reset();
    m_installerFailure.clear();
    m_installerRedirects = 0;
    bool sent = false;
    if (m_hashUnreadable)
        log(QStringLiteral("[update] refusing to download: the announced SHA-256 is unreadable"));
    else if (update::isTrustedUrl(m_installerUrl, m_allowLoopbackHttp))
        sent = requestInstaller(m_installerUrl);
    else
        log(QStringLiteral("[update] refusing to download from %1: not an https address")
                .arg(m_installerUrl.toString()));
    if (!sent) {
        log(QStringLiteral("[update] failed to create download request"));
        // The interface waits for an outcome before it offers the update again.
        emit updateFinished(false);
    }
}

bool Object::requestInstaller(const QUrl &url)
{
    if (!m_updateManager)
        return false;
    QNetworkRequest request(url);
    request.setTransferTimeout(m_transferTimeoutMs);
    // Redirects are followed here, not by the network layer: with the read limit below it
    // cancels a redirect whose own body is larger than the limit.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply *reply = m_updateManager->get(request);
    if (!reply)
        return false;
    m_downloadReply = reply;
    // Without a limit the network thread queues the body as fast as it comes, and the event
    // loop, busy with that queue, would get round to nothing else until the end.
    reply->setReadBufferSize(InstallerPieceBytes);
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { receiveInstaller(reply); });
    connect(reply, &QNetworkReply::downloadProgress, this, &Object::onUpdateDownloadProgress);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply] { onUpdateDownloadFinished(reply); });
    return true;
}

bool Object::followRedirect(QNetworkReply *reply)
{
    const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (reply->error() != QNetworkReply::NoError || target.isEmpty())
        return false;
    // Every hop must be as trusted as the address asked first.
    const QUrl url = reply->url().resolved(target);
    if (++m_installerRedirects > MaxRedirects)
        m_installerFailure = QStringLiteral("more than %1 redirects").arg(MaxRedirects);
    else if (!update::isTrustedUrl(url, m_allowLoopbackHttp))
        m_installerFailure = QStringLiteral("refusing the redirect to %1: not an https address")
                                 .arg(url.toString());
    return m_installerFailure.isEmpty() && requestInstaller(url);
}

void Object::onUpdateDownloadProgress(qlonglong bytes, qlonglong bytesTotal)
{
    if (bytes > update::MaxInstallerBytes && m_downloadReply) {
        log(QStringLiteral("[update] download larger than %1 bytes, stopped")
                .arg(update::MaxInstallerBytes));
        m_downloadReply->abort();
        return;
    }
    emit updateDownloadProgress(bytes, bytesTotal + 1);
}

void Object::onUpdateDownloadFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    // A cancelled download is over whatever its reply does afterwards.
    if (reply != m_downloadReply || followRedirect(reply))
        return;
    log(QStringLiteral("[update] download finished"));
    emit updateDownloadFinished();
    // A slot of that signal may have cancelled it.
    if (reply != m_downloadReply)
        return;
    receiveInstaller(reply);
    m_downloadReply = nullptr;

    const QString file = saveDownload(reply);
    if (file.isEmpty()) {
        log(QStringLiteral("[update] error installing the update"));
        emit updateFinished(false);
        return;
    }
    // The interface repaints before the installer takes the screen. The hand-over is queued
    // rather than run from a nested event loop, so nothing can re-enter this handler, and a
    // cancel in between still wins.
    m_installerToOpen = file;
    QMetaObject::invokeMethod(this, &Object::handOverInstaller, Qt::QueuedConnection);
}

void Object::receiveInstaller(QNetworkReply *reply)
{
    if (reply != m_downloadReply || !m_installerFailure.isEmpty() || !reply->isOpen())
        return;
    // Read at once whatever the status: nothing piles up in the reply.
    const QByteArray piece = reply->readAll();
    // An error page is not the installer; the reply's outcome says so at its end.
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (piece.isEmpty() || status < 200 || status > 299)
        return;
    if (!m_installer) {
        m_installer
            = std::make_unique<update::InstallerFile>(QDir::tempPath(), update::installerSuffix());
        if (!m_installer->isOpen())
            m_installerFailure
                = QStringLiteral("no temporary file could be written in %1").arg(QDir::tempPath());
    }
    if (m_installerFailure.isEmpty() && !m_installer->append(piece))
        m_installerFailure
            = QStringLiteral("writing the installer failed: %1").arg(m_installer->errorString());
    if (!m_installerFailure.isEmpty())
        reply->abort();
}

QString Object::saveDownload(QNetworkReply *reply)
{
    // Removed with its file on every way out but the last.
    const auto installer = std::move(m_installer);
    if (!m_installerFailure.isEmpty()) {
        log(QStringLiteral("[update] %1").arg(m_installerFailure));
        return {};
    }
    if (const QString failure = replyFailure(reply); !failure.isEmpty()) {
        log(QStringLiteral("[update] download failed: %1").arg(failure));
        return {};
    }
    if (!reply->isFinished())
        return {};
    if (!installer) {
        log(QStringLiteral("[update] download is empty"));
        return {};
    }
    if (!m_expectedSha256.isEmpty() && installer->sha256() != m_expectedSha256) {
        log(QStringLiteral("[update] download does not match the announced SHA-256 %1")
                .arg(QString::fromLatin1(m_expectedSha256.toHex())));
        return {};
    }
    const QString file = installer->keep();
    if (file.isEmpty())
        log(QStringLiteral("[update] writing the installer failed: %1")
                .arg(installer->errorString()));
    return file;
}

void Object::handOverInstaller()
{
    const QString file = std::exchange(m_installerToOpen, QString());
    if (file.isEmpty())
        return;
    m_openUrl(QUrl::fromLocalFile(file));
    emit updateFinished(true);
}

void Object::cancelUpdate()
{
    emit updateDownloadClosed();
    bool running = false;
    if (m_downloadReply) {
        dropReply(std::exchange(m_downloadReply, nullptr));
        m_installer.reset();
        running = true;
    }
    if (!m_installerToOpen.isEmpty()) {
        QFile::remove(std::exchange(m_installerToOpen, QString()));
        running = true;
    }
    if (!running)
        return;
    onUpdateDownloadCanceled();
    emit updateFinished(false);
}

void Object::onUpdateDownloadCanceled()
{
    log(QStringLiteral("[update] download canceled"));
    emit updateCanceled();
}

void Object::dropReply(QNetworkReply *reply)
{
    if (!reply)
        return;
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();
}

} // namespace global
