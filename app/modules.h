#pragma once

// Installs every QML module the scene imports, in a fixed order, before any engine exists.
void installModules();
