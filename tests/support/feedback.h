#pragma once
// What GL actually drew, read from a GL_3D_COLOR feedback buffer: the primitives that
// survived clipping and culling, with window coordinates (y from the bottom, z in 0..1)
// and RGBA colours in 0..1.

#include <ostream>
#include <string>
#include <vector>

namespace orbisto {

enum class PrimitiveKind { Point, Line, Polygon, Bitmap, DrawPixels, CopyPixels, PassThrough };

std::string KindName(PrimitiveKind kind);
std::ostream& operator<<(std::ostream& os, PrimitiveKind kind);

struct FeedbackVertex {
    float x = 0, y = 0, z = 0;
    float r = 0, g = 0, b = 0, a = 0;
};

struct Primitive {
    PrimitiveKind kind = PrimitiveKind::Point;
    std::vector<FeedbackVertex> vertices;  // one for points, bitmaps and pixel rectangles
    bool lineReset = false;                // a line that starts a new strip or loop
    float marker = 0;                      // the value of a glPassThrough

    // Every vertex has this colour (each channel within tol; alpha is not compared).
    bool hasColour(float r, float g, float b, float tol = 0.6f / 255) const;
};

std::ostream& operator<<(std::ostream& os, const Primitive& p);

// Parses the first `count` floats of a GL_3D_COLOR feedback buffer in RGBA mode.
// Throws std::runtime_error on a token it does not know or a truncated buffer.
std::vector<Primitive> ParseFeedback(const float* buffer, int count);

}  // namespace orbisto
