#pragma once
// A point or a direction in the room: three doubles with the few operations the drawing
// of objects and scenes needs.

#include <cmath>

namespace orbisto {

struct tVektor3 {
    double x = 0, y = 0, z = 0;

    friend constexpr tVektor3 operator+(tVektor3 a, tVektor3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend constexpr tVektor3 operator-(tVektor3 a, tVektor3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend constexpr tVektor3 operator*(double s, tVektor3 a) { return {s * a.x, s * a.y, s * a.z}; }
    friend constexpr tVektor3 operator/(tVektor3 a, double s) { return {a.x / s, a.y / s, a.z / s}; }
    friend constexpr bool operator==(tVektor3, tVektor3) = default;

    double Laenge() const { return std::sqrt(x * x + y * y + z * z); }
};

}  // namespace orbisto
