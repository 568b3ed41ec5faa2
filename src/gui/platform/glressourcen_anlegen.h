#pragma once
// One place that prepares a fresh GL context for drawing and tidies it up again. The window's
// GL widget, the headless context of the tests and the picture export all go through here, so
// every one of them draws text and spheres alike.

#include "view/glressourcen.h"

namespace orbisto {

// Samples per pixel of the window's picture and of exported pictures: lines and edges come
// out smooth, also on a projector. Where the GL offers fewer, it draws with what it has.
inline constexpr int Kantenglaettung = 4;

// Sets the fixed GL state of every pass (depth test, back-face culling, line width and point
// size), makes the quadric and compiles the glyph lists, all for a surface of this device
// pixel ratio: on a ratio of 2 the glyphs are twice as large and lines twice as wide, so
// the picture looks as it does at 1. Needs the context current and a QGuiApplication.
// Throws std::runtime_error, after freeing what was made, when something cannot be made.
GLRessourcen GLRessourcenAnlegen(double pixelverhaeltnis = 1);

// Frees what GLRessourcenAnlegen made (same context current) and leaves `r` empty. Safe on an
// empty or already freed set.
void GLRessourcenFreigeben(GLRessourcen& r);

}  // namespace orbisto
