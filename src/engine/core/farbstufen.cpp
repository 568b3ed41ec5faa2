#include "core/farbstufen.h"

namespace orbisto {

tFarbStufen FarbStufen(std::uint32_t farbe)
{
    // Computed in extended precision and stored as singles, like every colour GL gets.
    const long double r = farbe & 0xFF, g = (farbe >> 8) & 0xFF, b = (farbe >> 16) & 0xFF;
    tFarbStufen s;
    s.VollR = static_cast<float>(r / 255);
    s.VollG = static_cast<float>(g / 255);
    s.VollB = static_cast<float>(b / 255);
    s.RueckR = static_cast<float>(0.9L * s.VollR);
    s.RueckG = static_cast<float>(0.9L * s.VollG);
    s.RueckB = static_cast<float>(0.9L * s.VollB);
    s.DunkelR = static_cast<float>(r / 382);
    s.DunkelG = static_cast<float>(g / 382);
    s.DunkelB = static_cast<float>(b / 382);
    return s;
}

}  // namespace orbisto
