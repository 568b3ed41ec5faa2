#pragma once
// One place that prepares a fresh GL context for drawing and tidies it up again. The window's
// GL widget, the headless context of the tests and the picture export all go through here, so
// every one of them draws text and spheres alike.

#include "view/glressourcen.h"

namespace orbisto {

// Sets the fixed GL state of every pass (depth test, back-face culling), makes the quadric and
// compiles the glyph lists. Needs the context current and a QGuiApplication. Throws
// std::runtime_error, after freeing what was made, when something cannot be made.
GLRessourcen GLRessourcenAnlegen();

// Frees what GLRessourcenAnlegen made (same context current) and leaves `r` empty. Safe on an
// empty or already freed set.
void GLRessourcenFreigeben(GLRessourcen& r);

}  // namespace orbisto
