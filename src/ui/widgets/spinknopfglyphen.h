#pragma once
// The pictures of the up/down arrow pairs ("spin buttons") beside number fields in the scene
// windows: two half-height picture buttons stacked, one step up and one step down.

namespace orbisto {

class GlyphPainter;

// One step up or down: a broad arrow head, as on the arrows of a spin edit.
void EinsHoeher(GlyphPainter& g);
void EinsTiefer(GlyphPainter& g);

}  // namespace orbisto
