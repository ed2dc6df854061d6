#include "text/logging.h"

Q_LOGGING_CATEGORY(lcText, "vendarion.text")
