#pragma once
// What a GL context must hold before the render pass can draw into it: the glyph display
// lists for text and the one GLU quadric for spheres. They belong to one context and die
// with it; the platform layer makes and frees them (GLRessourcenAnlegen).

struct GLUquadric;

namespace orbisto {

struct GLRessourcen {
    unsigned int FontBasis = 0;  // first of the 256 glyph lists, one per Windows-1252 code
    GLUquadric* Quadrik = nullptr;

    bool Vollstaendig() const { return FontBasis != 0 && Quadrik != nullptr; }
};

}  // namespace orbisto
