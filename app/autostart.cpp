#include "app/autostart.h"

#include "app/logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace ui {

namespace {

void log(const QString &line)
{
    qCWarning(lcApp).noquote() << QStringLiteral("autostart: ") + line;
}

// One argument of an Exec line: quoted, with the characters a quoted argument must escape
// escaped, then the backslashes doubled once more for the string value the line is, and a
// percent sign doubled so that it is not read as a field code.
QString execArgument(const QString &argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')
            || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString autostartFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart/vendarion.desktop");
}

QByteArray autostartEntry(const QString &program)
{
    for (const QChar c : program) {
        if (c.category() == QChar::Other_Control)
            return {};
    }
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Vendarion\n"
                          "Comment=The lunar calendar in the tray, for its reminders\n"
                          "Icon=vendarion\n"
                          "Exec=%1 --tray\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(program))
        .toUtf8();
}

bool autostartEnabled()
{
    QFile file(autostartFile());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = file.readAll();
    return !text.contains("\nHidden=true") && !text.contains("\nX-GNOME-Autostart-enabled=false");
}

bool setAutostart(bool on, const QString &program)
{
    const QString path = autostartFile();
    if (!on) {
        if (!QFile::exists(path) || QFile::remove(path))
            return true;
        log(QStringLiteral("%1 could not be removed").arg(path));
        return false;
    }
    const QByteArray entry = autostartEntry(program);
    if (entry.isEmpty()) {
        log(QStringLiteral("the program's path cannot be written as a command: %1").arg(program));
        return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(entry) == entry.size() && file.commit())
        return true;
    log(QStringLiteral("%1 could not be written: %2").arg(path, file.errorString()));
    return false;
}

} // namespace ui
