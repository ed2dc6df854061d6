#include "print/logging.h"

Q_LOGGING_CATEGORY(lcPrint, "vendarion.print")
