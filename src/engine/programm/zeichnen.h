#pragma once
// The render pass: one complete frame from the program state. It runs in the window's
// GL widget and headless alike; the caller owns the context and swaps the buffers.

namespace orbisto {

class Programm;
class TKoSys;
struct GLRessourcen;

// The fixed GL state every pass relies on: depth test where the later of two things at
// equal depth shows, filled faces pushed back by a polygon offset (slope 1, 4 depth steps)
// so that lines on them show whole, and back-face culling with counter-clockwise front
// faces. Run once per new context (GLRessourcenAnlegen does).
//
// The pass itself draws the coordinate system a few depth steps behind everything else,
// so an object's edge lying on a grid line shows whole; within the coordinate system the
// earlier line keeps its pixels, so the grid does not cover the axes it lies on.
void GLZustandSetzen();

// Clear, viewport, view transform, coordinate system, objects, scene hooks, drawn with the
// glyph lists and quadric of the current context.
//
// Whatever a step throws, GL is left as the pass found it before the error is passed on:
// an open glBegin is ended, both matrix stacks and the attribute stacks are popped back to
// their depths at the start, the matrix mode is model-view again and pending GL errors are
// drained. So one failing scene cannot break the passes after it.
void Zeichnen(Programm& programm, const GLRessourcen& gl, int breite, int hoehe);

// The first steps of every pass: clear colour (white only for a white background),
// viewport, and the colour and depth buffers cleared.
void BildLoeschen(const TKoSys& koSys, int breite, int hoehe);

// The whole view transform into the projection matrix, identity model-view.
void ProjektionSetzen(const TKoSys& koSys);

}  // namespace orbisto
