#pragma once

#include <QFile>

namespace global {

// Opens a file for reading only when it is a regular file. A named pipe put in place of a
// resource file would block the open until somebody writes to it, and a device could be read
// for ever; such a file is refused with a log line. A missing file is no news to log here: the
// caller says what it means. The file is opened through its descriptor, which leaves its
// fileName() empty.
bool openRegularFile(QFile &file, QIODevice::OpenMode mode = QIODevice::ReadOnly);

} // namespace global
