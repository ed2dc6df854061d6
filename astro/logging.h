#pragma once

#include <QLoggingCategory>

// Diagnostics of the astronomy engine.
Q_DECLARE_LOGGING_CATEGORY(lcAstro)
