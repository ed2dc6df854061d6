#include "reminders/logging.h"

Q_LOGGING_CATEGORY(lcReminders, "vendarion.reminders")
