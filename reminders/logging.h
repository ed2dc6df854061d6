#pragma once

#include <QLoggingCategory>

// Diagnostics of the reminders: their plan, the notifications and what could not be shown.
Q_DECLARE_LOGGING_CATEGORY(lcReminders)
