#pragma once
// Pictures of the view without a window: the render pass in a headless GL context, read
// back as an image. Needs a QGuiApplication (the glyph lists are rasterised with QPainter),
// which may run on the "offscreen" platform; no display server is needed.

#include "platform/headlessgl.h"
#include "view/glressourcen.h"

#include <QImage>

namespace orbisto {

class Programm;

class Bildzeichner {
public:
    // A context with a multisampled drawing surface of this size (smooth like the window's
    // picture) and its glyph lists and quadric.
    // Throws std::runtime_error when OpenGL cannot provide them.
    Bildzeichner(int breite, int hoehe);
    ~Bildzeichner();

    Bildzeichner(const Bildzeichner&) = delete;
    Bildzeichner& operator=(const Bildzeichner&) = delete;

    // One pass of the program's state, exactly as the window draws it at this size, as an
    // opaque RGB picture. An error of the pass is passed on.
    QImage Zeichnen(Programm& programm);

private:
    HeadlessGL gl_;
    GLRessourcen ressourcen_;
};

}  // namespace orbisto
