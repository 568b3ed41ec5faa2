#pragma once
// Headless drawing (tests, benchmarks, the picture export without a window) needs a
// QGuiApplication for the glyph lists even where no window is shown.

namespace orbisto {

// Creates a QGuiApplication on the "offscreen" platform unless an application exists
// already (a QtTest program's or the real program's own one is used as it is). Throws
// std::runtime_error when the existing application is only a QCoreApplication.
void GuiAnwendungSicherstellen();

}  // namespace orbisto
