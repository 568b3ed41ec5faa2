#pragma once
// Whether the window system can show the program's OpenGL view at all. Without a context,
// a window holding a GL widget cannot even be painted (Qt's backing store crashes on it),
// and a platform that composes windows without OpenGL (the offscreen platform, for one)
// crashes on a GL widget the same way; so the program asks before it builds any window.

#include <QString>

namespace orbisto {

// Empty when a GL widget can be shown; otherwise the German reason why not. Asks the
// platform whether its windows can hold OpenGL content, then tries a context of the
// default surface format on an off-screen surface. Needs a QGuiApplication.
QString OpenGLFensterHindernis();

}  // namespace orbisto
