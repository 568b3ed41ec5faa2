#pragma once
// An OpenGL context without a window: EGL on Mesa's surfaceless platform with a pbuffer
// as drawing surface. Tests draw into it and picture export reads it back, so neither
// needs a display server.

#include <cstdint>
#include <vector>

namespace orbisto {

class HeadlessGL {
public:
    // Creates a desktop-GL compatibility context (immediate mode works) and a pbuffer of
    // the given size with 8-bit RGBA and a 24-bit depth buffer, and makes it current.
    // With `samples` > 0 drawing goes to a multisampled framebuffer of the same size and
    // kind instead (lines and edges come out smooth; read back, each pixel is the mean of
    // its samples), where the GL offers one; else to the pbuffer itself. Throws
    // std::runtime_error when EGL or GL cannot provide that.
    HeadlessGL(int width, int height, int samples = 0);
    ~HeadlessGL();

    HeadlessGL(const HeadlessGL&) = delete;
    HeadlessGL& operator=(const HeadlessGL&) = delete;

    // Makes the context current on the calling thread. A Qt context current on this thread
    // is released first, so that Qt does not go on believing its own context is bound.
    void makeCurrent();

    // New pbuffer of this size; the context and its display lists stay. Leaves it current.
    void resize(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // Samples per pixel of what is drawn into; 0 without multisampling.
    int samples() const { return samples_; }

    // The surface as RGBA bytes, top row first (width * height * 4 bytes).
    std::vector<std::uint8_t> readPixels();

private:
    void createSurface(int width, int height);
    // The multisampled framebuffer of the surface's size, bound for drawing; none when it
    // cannot be made.
    void createMultisample();
    void deleteMultisample();

    void* display_ = nullptr;
    void* config_ = nullptr;
    void* context_ = nullptr;
    void* surface_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int askedSamples_ = 0;
    int samples_ = 0;
    unsigned int framebuffer_ = 0, colourBuffer_ = 0, depthBuffer_ = 0;
};

}  // namespace orbisto
