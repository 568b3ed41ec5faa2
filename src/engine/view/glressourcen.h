#pragma once
// What a GL context must hold before the render pass can draw into it: the glyph display
// lists for text and the one GLU quadric for spheres. They belong to one context and die
// with it; the platform layer makes and frees them (GLRessourcenAnlegen).

#include <array>
#include <cstdint>
#include <string_view>

struct GLUquadric;

namespace orbisto {

// The size of the glyphs in the lists, in pixels, so the view can tell where a text will
// lie before it draws it. All zero when unknown: a text then measures as a point.
struct tSchriftMasse {
    std::array<std::uint16_t, 256> Vorschub{};  // advance per Windows-1252 code
    int Oberlaenge = 0, Unterlaenge = 0;        // above and below the baseline

    // The advance of a text of Windows-1252 codes.
    int Breite(std::string_view cp1252) const
    {
        int b = 0;
        for (const char c : cp1252)
            b += Vorschub[static_cast<unsigned char>(c)];
        return b;
    }
};

struct GLRessourcen {
    unsigned int FontBasis = 0;  // first of the 256 glyph lists, one per Windows-1252 code
    GLUquadric* Quadrik = nullptr;
    tSchriftMasse Schrift;
    // Device pixels per pixel of the screen's layout (2 on a high-DPI screen): the glyphs
    // are made this much larger, lines this much wider, and what the view measures in
    // pixels scales with it.
    double Pixelverhaeltnis = 1;

    bool Vollstaendig() const { return FontBasis != 0 && Quadrik != nullptr; }
};

}  // namespace orbisto
