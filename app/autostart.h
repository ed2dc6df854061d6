#pragma once

#include <QByteArray>
#include <QString>

// "Start with the desktop": an XDG autostart entry that starts the program hidden in the tray
// when the user logs in, $XDG_CONFIG_HOME/autostart/vendarion.desktop (~/.config/autostart).
// The file itself is the setting: a desktop that switches the entry off (Hidden=true) has
// switched the setting off.
namespace ui {

QString autostartFile();
// The entry that starts the program at `program` (an absolute path) with --tray; empty for a
// path no entry can hold (one with a line break).
QByteArray autostartEntry(const QString &program);
bool autostartEnabled();
// Writes the entry for `program`, or removes it; false, with a log line, when that fails.
bool setAutostart(bool on, const QString &program);

} // namespace ui
