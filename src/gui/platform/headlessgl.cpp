#include "platform/headlessgl.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <QOpenGLContext>

#include <cstdio>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <string>

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

}  // namespace

HeadlessGL::HeadlessGL(int width, int height)
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
}

std::vector<std::uint8_t> HeadlessGL::readPixels()
{
    makeCurrent();
    const std::size_t row = static_cast<std::size_t>(width_) * 4;
    std::vector<std::uint8_t> bottomUp(row * height_);
    glFinish();
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    glPopClientAttrib();

    // GL counts rows from the bottom; pictures count from the top.
    std::vector<std::uint8_t> topDown(bottomUp.size());
    for (int y = 0; y < height_; ++y)
        std::memcpy(&topDown[y * row], &bottomUp[(height_ - 1 - y) * row], row);
    return topDown;
}

}  // namespace orbisto
