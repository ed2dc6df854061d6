#include "geo/logging.h"

Q_LOGGING_CATEGORY(lcGeo, "vendarion.geo")
