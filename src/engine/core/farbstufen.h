#pragma once
// The shades every object and scene part is drawn in: the colour itself for faces, a
// little darker for the back sides of planes, and about two thirds for grids, caps and
// outlines, so edges stand out against the faces they border.

#include <cstdint>

namespace orbisto {

// One colour of a scene's piece, red, green and blue from 0 to 1.
struct tRGB {
    float R = 0, G = 0, B = 0;
    friend constexpr bool operator==(const tRGB&, const tRGB&) = default;
};

struct tFarbStufen {
    float VollR, VollG, VollB;        // colour bytes / 255
    float RueckR, RueckG, RueckB;     // 0.9 x full
    float DunkelR, DunkelG, DunkelB;  // colour bytes / 382

    friend bool operator==(const tFarbStufen&, const tFarbStufen&) = default;
};

// Shades of a 24-bit colour with red in the low byte ($00FFFF is yellow); the top byte
// is ignored.
tFarbStufen FarbStufen(std::uint32_t farbe);

}  // namespace orbisto
