#pragma once
// What the view controls do to the view state: the stretch, origin, zoom, shift and
// perspective buttons of the control panel and the steps of the projection settings
// window. Each function changes `KoSys` only; redrawing and refreshing the settings
// window is the caller's part.

#include "view/tkosys.h"

namespace orbisto {

enum class Achse { x, y, z };

// One step through the 1-2.5-5 cycle of an axis. Stauchen squeezes a larger room into the
// same picture (larger units per tick), Strecken undoes it: the scale changes by the
// inverse factor, so the room's picture keeps its size on screen.
void Stauchen(TKoSys& k, Achse a);
void Strecken(TKoSys& k, Achse a);
void AlleStauchen(TKoSys& k);  // x, then y, then z, each at its own stage
void AlleStrecken(TKoSys& k);

// The origin moves by one tick interval of the last coordinate-system drawing, and the
// picture is shifted along so that the room stays where it was on screen. The y moves
// shift along the view axis and the z moves vertically, which matches the default angles.
enum class UrsprungRichtung { xRechts, xLinks, yHinten, yVorn, zOben, zUnten };
// Refused (returns false, changes nothing) when the origin would leave the room; a move
// that is carried out also turns the view back to the default angles.
bool UrsprungVerschieben(TKoSys& k, UrsprungRichtung r);

// The room starts at the origin on every axis; the picture is shifted so that the room's
// corner stays put, and the default angles return.
void ErsterOktant(TKoSys& k);
// Straight down the z axis: x to the right, y upwards.
void Ansicht2D(TKoSys& k);

// The scale of all three axes times or divided by 1,1.
void ZoomPlus(TKoSys& k);
void ZoomMinus(TKoSys& k);

// Shifts the whole picture by 10 view units.
enum class SystemRichtung { Links, Rechts, Oben, Unten };
void SystemVerschieben(TKoSys& k, SystemRichtung r);

// Default angles, projection sets, scale and room.
void AllesZuruecksetzen(TKoSys& k);

// Widens (Plus) or narrows (Minus) the near windows of both projections and the scale by
// the same factor 1,1: the orthogonal picture keeps its size, the perspective grows
// stronger or weaker. Refused (false) once the perspective near window's right bound has
// reached 50 (Plus) or 2 (Minus); the last step may pass the limit by less than a factor.
bool PerspektivePlus(TKoSys& k);
bool PerspektiveMinus(TKoSys& k);
// The projection sets and the scale back to their defaults.
void PerspektiveZuruecksetzen(TKoSys& k);

// The settings window's steps. The near window of one projection, `d` larger on every
// side (smaller for a negative `d`), without limits: a smaller window enlarges the picture.
enum class Projektionsart { perspektivisch, orthogonal };
void NahFensterAendern(TKoSys& k, Projektionsart p, double d);
// The scale of one axis times or divided by 1,1.
void SkalaPlus(TKoSys& k, Achse a);
void SkalaMinus(TKoSys& k, Achse a);

}  // namespace orbisto
