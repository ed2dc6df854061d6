#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;

// The parts of the update service that need no object: the endpoint's answer, version codes,
// which addresses are trusted, and where a downloaded installer is written.
namespace global::update {

// A request that sends nothing for this long is given up, so a silent server never keeps a
// check or a download open for ever.
constexpr int TransferTimeoutMs = 30000;
// The endpoint answers a few bytes; anything much longer is not its answer.
constexpr qint64 MaxAnswerBytes = 64 * 1024;
// Installers are tens of megabytes; a body past this is not ours and would only fill memory.
constexpr qint64 MaxInstallerBytes = 512 * 1024 * 1024;
constexpr int TemporaryNames = 100;

// The endpoint answers "<version code>[,<SHA-256 of the installer in hex>][,...]". Endpoints
// that send only the code, or other text after it, stay valid.
struct Answer
{
    bool readable = false; // the first field is a base-10 number
    int versionCode = 0;
    QByteArray sha256; // 32 raw bytes, or empty when the answer names no hash
};

Answer parseAnswer(const QByteArray &body);

// major.minor.patch as major * 10000 + minor * 100 + patch; missing or unreadable parts are 0.
int versionCode(const QString &version);
QString versionText(int code);

// Only https is trusted. Plain http to the loopback interface is trusted only when a test asks
// for it, since its local server speaks no TLS.
bool isTrustedUrl(const QUrl &url, bool allowLoopbackHttp);

QUrl defaultCheckUrl();
QUrl defaultInstallerUrl();
QUrl defaultProductPageUrl();

// The form the desktop installs: ".exe" on Windows, ".dmg" on macOS, ".deb" elsewhere.
QString installerSuffix();

// Writes data to the first of dir/vendarion_update<n><suffix>, n = 0 ... 99, that can be made
// afresh, and returns its path, or an empty text when none could. A name already there is
// replaced by a new file, never written through: a process holding the old file keeps it whole,
// and a link planted under the name cannot redirect the write.
QString writeInstaller(const QString &dir, const QString &suffix, const QByteArray &data);

// How the update service reaches the outside world. The program keeps the defaults; a test
// hands in a manager and URLs of a server on 127.0.0.1, a fixed "today" and a recorder in place
// of the desktop. This is plain C++: nothing here is a property, slot or invokable, so QML cannot
// reach it.
struct Seam
{
    QNetworkAccessManager *manager = nullptr; // not owned
    QUrl checkUrl;
    QUrl installerUrl;
    QUrl productPageUrl;
    bool allowLoopbackHttp = false;
    int transferTimeoutMs = TransferTimeoutMs;
    std::function<QDate()> today;
    // Answers whether the desktop took the address.
    std::function<bool(const QUrl &)> openUrl;
};

} // namespace global::update
