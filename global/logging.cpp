#include "global/logging.h"

Q_LOGGING_CATEGORY(lcGlobal, "vendarion.global")
