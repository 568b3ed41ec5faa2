#pragma once
// Whether the window system can give the program an OpenGL context at all. Without one, a
// window holding a GL widget cannot even be painted (Qt's backing store crashes on it), so
// the program asks before it builds any window.

namespace orbisto {

// Tries a context of the default surface format and makes it current on an off-screen
// surface. Needs a QGuiApplication.
bool OpenGLVerfuegbar();

}  // namespace orbisto
