#pragma once
// Bitmap glyphs for text in the 3D view: one display list per Windows-1252 character code,
// so text is drawn with glRasterPos + glListBase(FontBasis) + glCallLists on its cp1252 bytes.

#include "view/glressourcen.h"

namespace orbisto {

// Generates 256 display lists and compiles a glBitmap glyph of "Arial" 10 pt (13 pixels
// times the device pixel ratio, no antialiasing) into list FontBasis + code for the codes
// 0 to 254; list 255 stays empty.
// Each glyph starts at the raster position on the baseline and moves it by its advance.
// Needs a current GL context and a QGuiApplication. Returns FontBasis and writes each
// glyph's advance and the font's ascent and descent into `masse`; throws
// std::runtime_error when either is missing.
unsigned int FontListenAnlegen(tSchriftMasse& masse, double pixelverhaeltnis = 1);

// Deletes the 256 lists that FontListenAnlegen made (same context current).
void FontListenFreigeben(unsigned int basis);

}  // namespace orbisto
