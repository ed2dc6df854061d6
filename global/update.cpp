#include "global/update.h"

#include <QHostAddress>
#include <QStringList>
#include <QSysInfo>

#include <algorithm>
#include <climits>

namespace global::update {

namespace {

bool isSha256Hex(const QByteArray &text)
{
    return text.size() == 64 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
           });
}

QString installerName()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("vendarion-setup.exe");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("vendarion.dmg");
#else
    // Debian names its architectures differently from the compiler.
    const QString cpu = QSysInfo::buildCpuArchitecture();
    QString architecture = cpu;
    if (cpu == QLatin1String("x86_64"))
        architecture = QStringLiteral("amd64");
    else if (cpu == QLatin1String("arm"))
        architecture = QStringLiteral("armhf");
    return QStringLiteral("vendarion_%1.deb").arg(architecture);
#endif
}

} // namespace

Answer parseAnswer(const QByteArray &body)
{
    Answer answer;
    const QStringList fields = QString::fromUtf8(body).split(QLatin1Char(','));
    // Servers and editors add line ends and blanks round the fields; they are not part of them.
    bool ok = false;
    const int code = fields.first().trimmed().toInt(&ok, 10);
    if (!ok)
        return answer;
    answer.readable = true;
    answer.versionCode = code;
    QString hash = fields.value(1).trimmed();
    if (hash.isEmpty())
        return answer;
    if (hash.startsWith(QLatin1String("sha256:"), Qt::CaseInsensitive))
        hash.remove(0, 7);
    // A digit short or too many, a blank inside, or notes in place of a hash: what it should have
    // checked cannot be told, so nothing is downloaded on its word.
    const QByteArray hex = hash.toLatin1();
    if (hash.size() == 64 && isSha256Hex(hex))
        answer.sha256 = QByteArray::fromHex(hex);
    else
        answer.unreadableHash = fields.at(1).trimmed();
    return answer;
}

int versionCode(const QString &version)
{
    const QChar dot = QLatin1Char('.');
    // The patch is all that follows the second dot, so "3.1.0.4" reads a patch of "0.4", i.e. 0.
    const qint64 code
        = (version.section(dot, 0, 0).toLongLong() * 100 + version.section(dot, 1, 1).toLongLong())
              * 100
          + version.section(dot, 2).toLongLong();
    return int(std::clamp<qint64>(code, INT_MIN, INT_MAX));
}

QString versionText(int code)
{
    return QStringLiteral("%1.%2.%3")
        .arg(code / 10000)
        .arg(code / 100 - (code / 10000) * 100)
        .arg(code - (code / 100) * 100);
}

bool isTrustedUrl(const QUrl &url, bool allowLoopbackHttp)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == QLatin1String("https"))
        return true;
    // Only a literal loopback address: a name could resolve anywhere.
    QHostAddress address;
    return allowLoopbackHttp && url.scheme() == QLatin1String("http")
           && address.setAddress(url.host()) && address.isLoopback();
}

QUrl defaultCheckUrl()
{
    return QUrl(QStringLiteral("https://www.harkel.com/vendarion/update/latest"));
}

QUrl defaultInstallerUrl()
{
    return QUrl(QStringLiteral("https://www.harkel.com/vendarion/download/") + installerName());
}

QUrl defaultProductPageUrl()
{
    return QUrl(QStringLiteral("https://www.harkel.com/vendarion/"));
}

QString installerSuffix()
{
    // Taken from the download name, so the saved file cannot end otherwise than the one served.
    const QString name = installerName();
    return name.mid(name.lastIndexOf(QLatin1Char('.')));
}

InstallerFile::InstallerFile(const QString &dir, const QString &suffix)
{
    for (int n = 0; n < TemporaryNames; ++n) {
        const QString path
            = dir + QStringLiteral("/vendarion_update") + QString::number(n) + suffix;
        // Unlink whatever has the name (a leftover of an earlier download, or a link somebody
        // planted) and create the file anew. Where the platform refuses, as for a file in use on
        // Windows or another user's file in a shared folder, the next name is tried.
        QFile::remove(path);
        m_file.setFileName(path);
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return;
    }
}

InstallerFile::~InstallerFile()
{
    if (m_file.isOpen())
        m_file.remove();
}

bool InstallerFile::append(const QByteArray &piece)
{
    m_hash.addData(piece);
    m_size += piece.size();
    return m_file.write(piece) == piece.size();
}

QString InstallerFile::keep()
{
    if (!m_file.isOpen())
        return {};
    const bool written = m_file.flush();
    m_file.close();
    if (written && m_file.error() == QFileDevice::NoError)
        return m_file.fileName();
    // A short write leaves no half installer behind.
    m_file.remove();
    return {};
}

} // namespace global::update
