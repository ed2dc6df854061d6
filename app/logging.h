#pragma once

#include <QLoggingCategory>

// Diagnostics of the window and the program's start.
Q_DECLARE_LOGGING_CATEGORY(lcApp)

// The program's log lines keep their texts without the name of the category they were written
// in; the categories are there to be filtered (QT_LOGGING_RULES="vendarion.astro.debug=false").
// The framework's own lines keep theirs.
void installLogHandler();
