#pragma once
// The render pass: one complete frame from the program state. It runs in the window's
// GL widget and headless alike; the caller owns the context and swaps the buffers.

namespace orbisto {

class Programm;
class TKoSys;

// The fixed GL state every pass relies on: depth test, and back-face culling with
// counter-clockwise front faces. Run once per new context.
void GLZustandSetzen();

// Clear, viewport, view transform, coordinate system, objects, scene hooks.
void Zeichnen(Programm& programm, int breite, int hoehe);

// The whole view transform into the projection matrix, identity model-view.
void ProjektionSetzen(const TKoSys& koSys);

}  // namespace orbisto
