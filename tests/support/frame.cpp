#include "frame.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace orbisto {

std::ostream& operator<<(std::ostream& os, Rgba c)
{
    return os << "rgba(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ", " << int(c.a) << ')';
}

Frame::Frame(int width, int height, std::vector<std::uint8_t> rgbaTopDown, std::vector<Primitive> drawn,
             unsigned int glError)
    : width_(width), height_(height), rgba_(std::move(rgbaTopDown)), drawn_(std::move(drawn)), glError_(glError)
{
}

Rgba Frame::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") outside the frame");
    const std::uint8_t* p = &rgba_[(static_cast<std::size_t>(y) * width_ + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

int Frame::countPixels(const std::function<bool(Rgba)>& pred, QRect area) const
{
    const QRect all(0, 0, width_, height_);
    area = area.isEmpty() ? all : area.intersected(all);
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += pred(pixel(x, y)) ? 1 : 0;
    return n;
}

int Frame::countOther(Rgba background, QRect area) const
{
    return countPixels([background](Rgba c) { return c != background; }, area);
}

QImage Frame::image() const
{
    QImage img(rgba_.data(), width_, height_, width_ * 4, QImage::Format_RGBA8888);
    return img.copy();  // own the bytes
}

int Frame::count(PrimitiveKind kind) const
{
    return static_cast<int>(
        std::count_if(drawn_.begin(), drawn_.end(), [kind](const Primitive& p) { return p.kind == kind; }));
}

std::vector<Primitive> Frame::ofKind(PrimitiveKind kind) const
{
    std::vector<Primitive> out;
    std::copy_if(drawn_.begin(), drawn_.end(), std::back_inserter(out),
                 [kind](const Primitive& p) { return p.kind == kind; });
    return out;
}

std::vector<Primitive> Frame::inColour(float r, float g, float b, float tol) const
{
    std::vector<Primitive> out;
    std::copy_if(drawn_.begin(), drawn_.end(), std::back_inserter(out),
                 [&](const Primitive& p) { return p.kind != PrimitiveKind::PassThrough && p.hasColour(r, g, b, tol); });
    return out;
}

std::vector<Primitive> Frame::section(float marker) const
{
    std::vector<Primitive> out;
    auto it = std::find_if(drawn_.begin(), drawn_.end(), [marker](const Primitive& p) {
        return p.kind == PrimitiveKind::PassThrough && p.marker == marker;
    });
    if (it == drawn_.end())
        return out;
    for (++it; it != drawn_.end() && it->kind != PrimitiveKind::PassThrough; ++it)
        out.push_back(*it);
    return out;
}

}  // namespace orbisto
