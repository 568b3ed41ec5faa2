#pragma once
// The drawing fixture: a headless GL context of a chosen size with the glyph lists, which
// runs drawing code and returns what it drew (pixels and feedback primitives).
//
//   HeadlessFrame frame(200, 100);
//   Frame f = frame.render([&] { /* glViewport, clear, projection, drawing ... */ });
//   f.pixel(x, y);                       // y from the top
//   f.count(PrimitiveKind::Polygon);     // window coordinates, y from the bottom

#include "frame.h"
#include "platform/headlessgl.h"
#include "view/glressourcen.h"

#include <functional>

namespace orbisto {

class HeadlessFrame {
public:
    // The context is prepared by the program's own GL set-up (GLRessourcenAnlegen): depth
    // test, polygon offset of filled faces and back-face culling on (counter-clockwise
    // fronts), glyph lists and quadric in ressourcen(), so the render pass draws here
    // exactly what it draws in the window. The feedback read back for checking is taken
    // without the offset, so faces come back at their corners. Without samples every
    // pixel has the one colour of what covers it; with them the frame is smoothed like the
    // window's and the exported pictures.
    HeadlessFrame(int width, int height, int samples = 0);
    ~HeadlessFrame();

    HeadlessFrame(const HeadlessFrame&) = delete;
    HeadlessFrame& operator=(const HeadlessFrame&) = delete;

    int width() const { return gl_.width(); }
    int height() const { return gl_.height(); }
    void resize(int width, int height) { gl_.resize(width, height); }
    const GLRessourcen& ressourcen() const { return ressourcen_; }
    unsigned int fontBasis() const { return ressourcen_.FontBasis; }
    HeadlessGL& gl() { return gl_; }

    // Runs `draw` twice from the same GL state: once to read the pixels, once in feedback
    // mode to capture the primitives. The viewport is preset to the whole frame, the
    // matrices are left as they were; `draw` sets up everything else itself (it may call
    // glViewport, glClear, the projection ...). GL state changes of `draw` are undone.
    Frame render(const std::function<void()>& draw);

private:
    HeadlessGL gl_;
    GLRessourcen ressourcen_;
};

}  // namespace orbisto
