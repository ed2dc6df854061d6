#include "astro/logging.h"

Q_LOGGING_CATEGORY(lcAstro, "vendarion.astro")
