#include "global/regularfile.h"

#include "global/logging.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace global {

namespace {

void logRefusal(const QString &fileName)
{
    qCDebug(lcGlobal).noquote()
        << QStringLiteral("refusing to read %1: not a regular file").arg(fileName);
}

} // namespace

bool openRegularFile(QFile &file, QIODevice::OpenMode mode)
{
#ifdef Q_OS_UNIX
    // Opened without blocking and then looked at, so that nothing can be swapped in between.
    const int fd
        = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        logRefusal(file.fileName());
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (file.open(fd, mode, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
#else
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile()) {
        logRefusal(file.fileName());
        return false;
    }
    return file.open(mode);
#endif
}

} // namespace global
