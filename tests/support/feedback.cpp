#include "feedback.h"

#include <GL/gl.h>

#include <cmath>
#include <stdexcept>

namespace orbisto {

std::string KindName(PrimitiveKind kind)
{
    switch (kind) {
    case PrimitiveKind::Point: return "point";
    case PrimitiveKind::Line: return "line";
    case PrimitiveKind::Polygon: return "polygon";
    case PrimitiveKind::Bitmap: return "bitmap";
    case PrimitiveKind::DrawPixels: return "drawpixels";
    case PrimitiveKind::CopyPixels: return "copypixels";
    case PrimitiveKind::PassThrough: return "passthrough";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& os, PrimitiveKind kind) { return os << KindName(kind); }

bool Primitive::hasColour(float r, float g, float b, float tol) const
{
    if (vertices.empty())
        return false;
    for (const FeedbackVertex& v : vertices)
        if (std::fabs(v.r - r) > tol || std::fabs(v.g - g) > tol || std::fabs(v.b - b) > tol)
            return false;
    return true;
}

std::ostream& operator<<(std::ostream& os, const Primitive& p)
{
    os << p.kind;
    if (p.kind == PrimitiveKind::PassThrough)
        return os << ' ' << p.marker;
    for (const FeedbackVertex& v : p.vertices)
        os << " (" << v.x << ", " << v.y << ", " << v.z << " | " << v.r << ' ' << v.g << ' ' << v.b << ' ' << v.a
           << ')';
    return os;
}

std::vector<Primitive> ParseFeedback(const float* buffer, int count)
{
    constexpr int VertexFloats = 7;  // GL_3D_COLOR in RGBA mode: x y z r g b a
    std::vector<Primitive> out;
    int i = 0;
    auto need = [&](int n) {
        if (i + n > count)
            throw std::runtime_error("feedback buffer ends inside a primitive");
    };
    auto vertices = [&](Primitive& p, int n) {
        need(n * VertexFloats);
        for (int k = 0; k < n; ++k, i += VertexFloats) {
            const float* f = buffer + i;
            p.vertices.push_back({f[0], f[1], f[2], f[3], f[4], f[5], f[6]});
        }
    };
    while (i < count) {
        const int token = static_cast<int>(buffer[i++]);
        Primitive p;
        switch (token) {
        case GL_POINT_TOKEN:
            p.kind = PrimitiveKind::Point;
            vertices(p, 1);
            break;
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN:
            p.kind = PrimitiveKind::Line;
            p.lineReset = token == GL_LINE_RESET_TOKEN;
            vertices(p, 2);
            break;
        case GL_POLYGON_TOKEN: {
            need(1);
            const int n = static_cast<int>(buffer[i++]);
            p.kind = PrimitiveKind::Polygon;
            vertices(p, n);
            break;
        }
        case GL_BITMAP_TOKEN:
            p.kind = PrimitiveKind::Bitmap;
            vertices(p, 1);
            break;
        case GL_DRAW_PIXEL_TOKEN:
            p.kind = PrimitiveKind::DrawPixels;
            vertices(p, 1);
            break;
        case GL_COPY_PIXEL_TOKEN:
            p.kind = PrimitiveKind::CopyPixels;
            vertices(p, 1);
            break;
        case GL_PASS_THROUGH_TOKEN:
            need(1);
            p.kind = PrimitiveKind::PassThrough;
            p.marker = buffer[i++];
            break;
        default: throw std::runtime_error("unknown feedback token " + std::to_string(token));
        }
        out.push_back(std::move(p));
    }
    return out;
}

}  // namespace orbisto
