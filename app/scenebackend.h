#pragma once

namespace ui {

// Chooses what the window draws with, once, after the application object exists and before the
// first Qt Quick window: the backend QT_QUICK_BACKEND (or QMLSCENE_DEVICE) names when one is
// named; otherwise OpenGL where a context can be made, and Qt Quick's software renderer where
// none can (a display without GLX, a broken driver), so that the window is never left black.
// Logs one line when the window is not drawn with OpenGL.
void chooseSceneBackend();

// Whether the scene is drawn with OpenGL: only then does the window take an OpenGL surface and
// report a graphics driver. Meaningful once the first Qt Quick window exists.
bool sceneUsesOpenGL();

} // namespace ui
