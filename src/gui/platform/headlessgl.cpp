#include "platform/headlessgl.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <QOpenGLContext>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace orbisto {

namespace {

// eglTerminate ends a display for everybody, so the last context alive does it.
std::mutex displayMutex;
int displayUsers = 0;

std::string eglFailure(const char* was)
{
    char code[16];
    std::snprintf(code, sizeof code, "0x%04X", static_cast<unsigned>(eglGetError()));
    return std::string("Headless OpenGL: ") + was + " failed (EGL error " + code + ")";
}

bool hasExtension(const char* list, const char* name)
{
    if (!list)
        return false;
    const std::size_t len = std::strlen(name);
    for (const char* p = list; (p = std::strstr(p, name)) != nullptr; p += len) {
        const bool startOk = p == list || p[-1] == ' ';
        const bool endOk = p[len] == ' ' || p[len] == '\0';
        if (startOk && endOk)
            return true;
    }
    return false;
}

// The framebuffer calls of OpenGL 3.0, looked up once; all null where the GL has none.
struct FramebufferFunctions {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEMULTISAMPLEPROC renderbufferStorageMultisample = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;

    bool complete() const
    {
        return genFramebuffers && deleteFramebuffers && bindFramebuffer && genRenderbuffers && deleteRenderbuffers &&
               bindRenderbuffer && renderbufferStorageMultisample && framebufferRenderbuffer &&
               checkFramebufferStatus && blitFramebuffer;
    }
};

const FramebufferFunctions& framebufferFunctions()
{
    static const FramebufferFunctions f = [] {
        FramebufferFunctions r;
        const auto look = [](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(eglGetProcAddress(name));
        };
        look(r.genFramebuffers, "glGenFramebuffers");
        look(r.deleteFramebuffers, "glDeleteFramebuffers");
        look(r.bindFramebuffer, "glBindFramebuffer");
        look(r.genRenderbuffers, "glGenRenderbuffers");
        look(r.deleteRenderbuffers, "glDeleteRenderbuffers");
        look(r.bindRenderbuffer, "glBindRenderbuffer");
        look(r.renderbufferStorageMultisample, "glRenderbufferStorageMultisample");
        look(r.framebufferRenderbuffer, "glFramebufferRenderbuffer");
        look(r.checkFramebufferStatus, "glCheckFramebufferStatus");
        look(r.blitFramebuffer, "glBlitFramebuffer");
        return r;
    }();
    return f;
}

}  // namespace

HeadlessGL::HeadlessGL(int width, int height, int samples) : askedSamples_(samples)
{
    const char* clientExt = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    if (!hasExtension(clientExt, "EGL_MESA_platform_surfaceless"))
        throw std::runtime_error("Headless OpenGL: EGL has no surfaceless platform (Mesa's libEGL is needed)");

    std::lock_guard lock(displayMutex);
    EGLDisplay dpy = eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (dpy == EGL_NO_DISPLAY)
        throw std::runtime_error(eglFailure("eglGetPlatformDisplay(surfaceless)"));
    if (!eglInitialize(dpy, nullptr, nullptr))
        throw std::runtime_error(eglFailure("eglInitialize"));
    ++displayUsers;
    display_ = dpy;

    try {
        if (!eglBindAPI(EGL_OPENGL_API))
            throw std::runtime_error(eglFailure("eglBindAPI(OpenGL)"));

        const EGLint configAttribs[] = {
            EGL_SURFACE_TYPE,
            EGL_PBUFFER_BIT,
            EGL_RENDERABLE_TYPE,
            EGL_OPENGL_BIT,
            EGL_RED_SIZE,
            8,
            EGL_GREEN_SIZE,
            8,
            EGL_BLUE_SIZE,
            8,
            EGL_ALPHA_SIZE,
            8,
            EGL_DEPTH_SIZE,
            24,
            EGL_NONE,
        };
        EGLConfig configs[64];
        EGLint found = 0;
        if (!eglChooseConfig(dpy, configAttribs, configs, 64, &found))
            throw std::runtime_error(eglFailure("eglChooseConfig"));
        // EGL sorts deeper colours first; the pictures must be plain 8-bit RGBA like the window's.
        for (EGLint i = 0; i < found && !config_; ++i) {
            EGLint r = 0, g = 0, b = 0, a = 0;
            eglGetConfigAttrib(dpy, configs[i], EGL_RED_SIZE, &r);
            eglGetConfigAttrib(dpy, configs[i], EGL_GREEN_SIZE, &g);
            eglGetConfigAttrib(dpy, configs[i], EGL_BLUE_SIZE, &b);
            eglGetConfigAttrib(dpy, configs[i], EGL_ALPHA_SIZE, &a);
            if (r == 8 && g == 8 && b == 8 && a == 8)
                config_ = configs[i];
        }
        if (!config_)
            throw std::runtime_error("Headless OpenGL: no EGL config with a pbuffer, RGBA 8 bit and 24-bit depth");

        // The compatibility profile keeps glBegin/glEnd, display lists and feedback mode.
        const EGLint contextAttribs[] = {
            EGL_CONTEXT_OPENGL_PROFILE_MASK,
            EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
            EGL_NONE,
        };
        context_ = eglCreateContext(dpy, config_, EGL_NO_CONTEXT, contextAttribs);
        if (context_ == EGL_NO_CONTEXT)
            throw std::runtime_error(eglFailure("eglCreateContext(OpenGL compatibility)"));

        createSurface(width, height);
        makeCurrent();
        if (!glGetString(GL_VERSION))
            throw std::runtime_error("Headless OpenGL: the context answers no GL version");
        createMultisample();
    } catch (...) {
        if (context_ != EGL_NO_CONTEXT)
            eglDestroyContext(dpy, context_);
        if (surface_ != EGL_NO_SURFACE)
            eglDestroySurface(dpy, surface_);
        if (--displayUsers == 0)
            eglTerminate(dpy);
        throw;
    }
}

HeadlessGL::~HeadlessGL()
{
    std::lock_guard lock(displayMutex);
    if (framebuffer_ != 0 && eglMakeCurrent(display_, surface_, surface_, context_))
        deleteMultisample();
    if (eglGetCurrentContext() == context_)
        eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroySurface(display_, surface_);
    eglDestroyContext(display_, context_);
    if (--displayUsers == 0) {
        eglTerminate(display_);
        eglReleaseThread();
    }
}

void HeadlessGL::createSurface(int width, int height)
{
    if (width < 1 || height < 1)
        throw std::runtime_error("Headless OpenGL: surface size " + std::to_string(width) + "x" +
                                 std::to_string(height) + " is empty");
    const EGLint attribs[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
    EGLSurface s = eglCreatePbufferSurface(display_, config_, attribs);
    if (s == EGL_NO_SURFACE)
        throw std::runtime_error(eglFailure("eglCreatePbufferSurface"));
    surface_ = s;
    width_ = width;
    height_ = height;
}

void HeadlessGL::makeCurrent()
{
    if (QOpenGLContext* qt = QOpenGLContext::currentContext())
        qt->doneCurrent();
    if (!eglMakeCurrent(display_, surface_, surface_, context_))
        throw std::runtime_error(eglFailure("eglMakeCurrent"));
}

void HeadlessGL::resize(int width, int height)
{
    if (width == width_ && height == height_) {
        makeCurrent();
        return;
    }
    EGLSurface old = surface_;
    createSurface(width, height);
    makeCurrent();
    eglDestroySurface(display_, old);
    deleteMultisample();
    createMultisample();
}

void HeadlessGL::createMultisample()
{
    const FramebufferFunctions& f = framebufferFunctions();
    if (askedSamples_ <= 0 || !f.complete())
        return;
    GLint most = 0;
    glGetIntegerv(GL_MAX_SAMPLES, &most);
    const GLsizei samples = std::min<GLint>(askedSamples_, most);
    if (samples <= 0)
        return;
    f.genFramebuffers(1, &framebuffer_);
    f.bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    f.genRenderbuffers(1, &colourBuffer_);
    f.bindRenderbuffer(GL_RENDERBUFFER, colourBuffer_);
    f.renderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_RGBA8, width_, height_);
    f.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colourBuffer_);
    f.genRenderbuffers(1, &depthBuffer_);
    f.bindRenderbuffer(GL_RENDERBUFFER, depthBuffer_);
    f.renderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_DEPTH_COMPONENT24, width_, height_);
    f.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer_);
    f.bindRenderbuffer(GL_RENDERBUFFER, 0);
    if (f.checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        deleteMultisample();  // draws sharp into the pbuffer
        return;
    }
    GLint given = 0;
    glGetIntegerv(GL_SAMPLES, &given);
    samples_ = given;
}

void HeadlessGL::deleteMultisample()
{
    if (framebuffer_ == 0)
        return;
    const FramebufferFunctions& f = framebufferFunctions();
    f.bindFramebuffer(GL_FRAMEBUFFER, 0);
    f.deleteFramebuffers(1, &framebuffer_);
    f.deleteRenderbuffers(1, &colourBuffer_);
    f.deleteRenderbuffers(1, &depthBuffer_);
    framebuffer_ = colourBuffer_ = depthBuffer_ = 0;
    samples_ = 0;
}

std::vector<std::uint8_t> HeadlessGL::readPixels()
{
    makeCurrent();
    const std::size_t row = static_cast<std::size_t>(width_) * 4;
    std::vector<std::uint8_t> bottomUp(row * height_);
    if (framebuffer_ != 0) {
        // The samples of each pixel are averaged into the pbuffer, which is read.
        const FramebufferFunctions& f = framebufferFunctions();
        f.bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
        f.bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        f.blitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT, GL_NEAREST);
        f.bindFramebuffer(GL_FRAMEBUFFER, 0);
    }
    glFinish();
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    glPopClientAttrib();

    if (framebuffer_ != 0)
        framebufferFunctions().bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);

    // GL counts rows from the bottom; pictures count from the top.
    std::vector<std::uint8_t> topDown(bottomUp.size());
    for (int y = 0; y < height_; ++y)
        std::memcpy(&topDown[y * row], &bottomUp[(height_ - 1 - y) * row], row);
    return topDown;
}

}  // namespace orbisto
