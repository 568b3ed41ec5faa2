#pragma once
// Colours between the program's 24-bit values (red in the low byte, so $00FFFF is
// yellow) and Qt's QColor, and the yellow that marks headings and the current mode.

#include <QColor>

#include <cstdint>

namespace orbisto {

inline QColor FarbeAlsQColor(std::uint32_t farbe)
{
    return QColor(int(farbe & 0xFF), int((farbe >> 8) & 0xFF), int((farbe >> 16) & 0xFF));
}

inline std::uint32_t QColorAlsFarbe(const QColor& farbe)
{
    return std::uint32_t(farbe.red()) | std::uint32_t(farbe.green()) << 8 | std::uint32_t(farbe.blue()) << 16;
}

inline const QColor Gelb{0xFF, 0xFF, 0x00};

}  // namespace orbisto
