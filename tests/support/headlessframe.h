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

#include <functional>

namespace orbisto {

// Creates a QGuiApplication on the "offscreen" platform unless an application exists
// already (a QtTest program's own one is used as it is).
void EnsureGuiApplication();

class HeadlessFrame {
public:
    // The context starts in the state the program's GL set-up leaves: depth test and
    // back-face culling on (counter-clockwise fronts), glyph lists at fontBasis().
    HeadlessFrame(int width, int height);
    ~HeadlessFrame();

    HeadlessFrame(const HeadlessFrame&) = delete;
    HeadlessFrame& operator=(const HeadlessFrame&) = delete;

    int width() const { return gl_.width(); }
    int height() const { return gl_.height(); }
    void resize(int width, int height) { gl_.resize(width, height); }
    unsigned int fontBasis() const { return fontBasis_; }
    HeadlessGL& gl() { return gl_; }

    // Runs `draw` twice from the same GL state: once to read the pixels, once in feedback
    // mode to capture the primitives. The viewport is preset to the whole frame, the
    // matrices are left as they were; `draw` sets up everything else itself (it may call
    // glViewport, glClear, the projection ...). GL state changes of `draw` are undone.
    Frame render(const std::function<void()>& draw);

private:
    HeadlessGL gl_;
    unsigned int fontBasis_ = 0;
};

}  // namespace orbisto
