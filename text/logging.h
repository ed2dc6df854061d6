#pragma once

#include <QLoggingCategory>

// Diagnostics of the text documents and their loader.
Q_DECLARE_LOGGING_CATEGORY(lcText)
