#pragma once

#include <QLoggingCategory>

// Diagnostics of the application services and the update check.
Q_DECLARE_LOGGING_CATEGORY(lcGlobal)
