#pragma once

namespace astro {

// Installs the declarative module "Astro" 1.0: the value types under their short names, the
// creatable objects and the singleton. Once, after setupEphemeris().
void registerModule();
// The meta-types alone, for programs without a declarative engine (command line, tests).
void registerMetaTypes();

} // namespace astro
