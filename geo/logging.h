#pragma once

#include <QLoggingCategory>

// Diagnostics of the location subsystem beyond the fixed loader lines.
Q_DECLARE_LOGGING_CATEGORY(lcGeo)
