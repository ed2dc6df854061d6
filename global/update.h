#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDate>
#include <QFile>
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

// The endpoint answers "<version code>[,<SHA-256 of the installer>][,...]", the hash in hex of
// either case, optionally behind "sha256:". An answer with only the code stays valid; a second
// field that is not such a hash spoils the installer: unchecked, it must not be run.
struct Answer
{
    bool readable = false; // the first field is a base-10 number
    int versionCode = 0;
    QByteArray sha256;      // 32 raw bytes, or empty when the answer names no hash
    QString unreadableHash; // the second field when it is there but no SHA-256
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

// The installer as it arrives: each piece is written to the file and added to its SHA-256 at
// once, so the window never waits while a whole installer is hashed or written. The file is the
// first of dir/vendarion_update<n><suffix>, n = 0 ... 99, that can be made afresh. A name already
// there is replaced by a new file, never written through: a process holding the old file keeps
// it whole, and a link planted under the name cannot redirect the write. The file is removed
// again unless it is kept.
class InstallerFile
{
public:
    InstallerFile(const QString &dir, const QString &suffix);
    ~InstallerFile();
    InstallerFile(const InstallerFile &) = delete;
    InstallerFile &operator=(const InstallerFile &) = delete;

    // False when no name could be made.
    bool isOpen() const { return m_file.isOpen(); }
    // False on a short write (a full disk, say).
    bool append(const QByteArray &piece);
    qint64 size() const { return m_size; }
    QByteArray sha256() const { return m_hash.result(); }
    // Closes the file and leaves it in place; its path, or empty when it could not be completed.
    QString keep();
    QString errorString() const { return m_file.errorString(); }

private:
    QFile m_file;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    qint64 m_size = 0;
};

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
