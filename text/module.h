#pragma once

namespace text {

// Installs QML module "Text" 1.0: the type "TextDocument", which QML cannot create, and the
// singleton "TextLoader".
void registerModule();

} // namespace text
