#include "headlessframe.h"

#include "platform/glressourcen_anlegen.h"
#include "platform/guianwendung.h"

#include <GL/gl.h>

#include <stdexcept>
#include <vector>

namespace orbisto {

HeadlessFrame::HeadlessFrame(int width, int height, int samples) : gl_(width, height, samples)
{
    GuiAnwendungSicherstellen();
    ressourcen_ = GLRessourcenAnlegen();
}

HeadlessFrame::~HeadlessFrame()
{
    try {
        gl_.makeCurrent();
        GLRessourcenFreigeben(ressourcen_);
    } catch (...) {
        // The context goes away with gl_ anyway.
    }
}

namespace {

void ClearErrors()
{
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }
}

// Saves what `draw` may change and puts it back, so both runs start alike.
class StateGuard {
public:
    StateGuard(int width, int height)
    {
        glGetIntegerv(GL_MATRIX_MODE, &matrixMode_);
        glGetDoublev(GL_PROJECTION_MATRIX, projection_);
        glGetDoublev(GL_MODELVIEW_MATRIX, modelview_);
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
        glViewport(0, 0, width, height);
    }
    ~StateGuard()
    {
        GLint mode = GL_RENDER;
        glGetIntegerv(GL_RENDER_MODE, &mode);
        if (mode != GL_RENDER)
            glRenderMode(GL_RENDER);
        glPopClientAttrib();
        glPopAttrib();
        glMatrixMode(GL_PROJECTION);
        glLoadMatrixd(projection_);
        glMatrixMode(GL_MODELVIEW);
        glLoadMatrixd(modelview_);
        glMatrixMode(static_cast<GLenum>(matrixMode_));
    }

private:
    GLint matrixMode_ = GL_MODELVIEW;
    GLdouble projection_[16];
    GLdouble modelview_[16];
};

}  // namespace

Frame HeadlessFrame::render(const std::function<void()>& draw)
{
    gl_.makeCurrent();
    const int w = gl_.width(), h = gl_.height();

    GLenum error = GL_NO_ERROR;
    {
        ClearErrors();
        StateGuard guard(w, h);
        draw();
        error = glGetError();
    }
    std::vector<std::uint8_t> pixels = gl_.readPixels();

    // Feedback: grow the buffer until the whole frame fits (glRenderMode returns -1 when not).
    std::vector<GLfloat> buffer(1 << 18);
    GLint used = -1;
    while (true) {
        {
            StateGuard guard(w, h);
            // The faces' polygon offset only biases the depth buffer; GL applies it to the
            // feedback too, where it would shift every face's window z off its corners.
            glDisable(GL_POLYGON_OFFSET_FILL);
            glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
            glRenderMode(GL_FEEDBACK);
            draw();
            used = glRenderMode(GL_RENDER);
        }
        if (used >= 0)
            break;
        if (buffer.size() >= (std::size_t{1} << 26))
            throw std::runtime_error("HeadlessFrame: more than 64 M feedback values in one frame");
        buffer.resize(buffer.size() * 2);
    }
    ClearErrors();
    return Frame(w, h, std::move(pixels), ParseFeedback(buffer.data(), used), error);
}

}  // namespace orbisto
