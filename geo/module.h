#pragma once

namespace geo {

// Installs QML module "Geo" 1.0: the place type, the result list and the location service.
// Called once at start-up, before any engine exists.
void registerModule();

} // namespace geo
