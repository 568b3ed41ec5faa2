#pragma once
// One drawn frame: its pixels and the primitives GL drew for it (see feedback.h).

#include "feedback.h"

#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

namespace orbisto {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba&) const = default;
};

std::ostream& operator<<(std::ostream& os, Rgba c);

class Frame {
public:
    Frame(int width, int height, std::vector<std::uint8_t> rgbaTopDown, std::vector<Primitive> drawn,
          unsigned int glError);

    int width() const { return width_; }
    int height() const { return height_; }

    // y counted from the TOP, as in pictures and QImage.
    Rgba pixel(int x, int y) const;
    // y counted from the BOTTOM, as in GL window coordinates and the feedback vertices.
    Rgba windowPixel(int x, int y) const { return pixel(x, height_ - 1 - y); }

    // Pixels matching `pred`, in `area` (top-based; the whole frame when empty).
    int countPixels(const std::function<bool(Rgba)>& pred, QRect area = {}) const;
    // Pixels not equal to `background`, in `area`.
    int countOther(Rgba background, QRect area = {}) const;

    // The picture, for saving when a test fails.
    QImage image() const;

    // The first GL error the drawing raised (GL_NO_ERROR if none).
    unsigned int glError() const { return glError_; }

    const std::vector<Primitive>& drawn() const { return drawn_; }
    int count(PrimitiveKind kind) const;
    std::vector<Primitive> ofKind(PrimitiveKind kind) const;
    // Primitives (pass-through markers excluded) all of whose vertices have this colour.
    std::vector<Primitive> inColour(float r, float g, float b, float tol = 0.6f / 255) const;
    // The primitives after glPassThrough(marker) up to the next pass-through or the end.
    std::vector<Primitive> section(float marker) const;

private:
    int width_, height_;
    std::vector<std::uint8_t> rgba_;
    std::vector<Primitive> drawn_;
    unsigned int glError_;
};

}  // namespace orbisto
