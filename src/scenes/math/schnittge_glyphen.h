#pragma once
// The pictures of the arrow buttons beside the number fields of the intersection scene.

namespace orbisto {

class GlyphPainter;

// One whole unit up or down: a broad arrow head, as on the arrows of a spin edit.
void EinsHoeher(GlyphPainter& g);
void EinsTiefer(GlyphPainter& g);

}  // namespace orbisto
