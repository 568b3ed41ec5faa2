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
    // Throws std::runtime_error when EGL or GL cannot provide that.
    HeadlessGL(int width, int height);
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

    // The surface as RGBA bytes, top row first (width * height * 4 bytes).
    std::vector<std::uint8_t> readPixels();

private:
    void createSurface(int width, int height);

    void* display_ = nullptr;
    void* config_ = nullptr;
    void* context_ = nullptr;
    void* surface_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace orbisto
