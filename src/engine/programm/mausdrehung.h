#pragma once
// Turning the view by dragging on the drawing surface: one degree per two pixels,
// vertical motion about the x axis, horizontal about the z axis.

namespace orbisto {

class Programm;

void MausGedrueckt(Programm& programm, int x, int y);
// nurLinkeTaste: the left button is the only button held and no Shift, Ctrl or Alt.
// Returns whether the view changed and needs a redraw.
bool MausBewegt(Programm& programm, int x, int y, bool nurLinkeTaste);
// Folds the drag into the angles; always followed by a redraw.
void MausLosgelassen(Programm& programm);

}  // namespace orbisto
