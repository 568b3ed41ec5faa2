#pragma once
// Drawing the object list: which entries a pass shows, and how one entry's parameter
// texts become the numbers and switches of its shape.

#include "core/allgemeinerfehler.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbisto {

class TKoSys;
class t3DObjekt;
class tObjektliste;
enum class tModus : std::int32_t;

// Parameter texts as numbers: decimal comma, an empty text counts as 0. A text that is
// not a number throws KonvertierungsFehler ("'abc' ist kein gültiger Gleitkommawert").
double ZahlWert(std::string_view text);
// Rounded to the nearest whole number, halves to the even neighbour; beyond the range of
// int it stops at the range's ends.
std::int32_t GanzzahlWert(std::string_view text);
// On when the number is greater than 0.
bool SchalterWert(std::string_view text);

// The work one object may cost: the points it evaluates and the primitives (lines, faces)
// it draws. A sphere of 100 steps, a surface of 150 x 150 steps or a circle of 3000 steps
// stay below it and draw at once; beyond it the window would freeze for seconds or more.
inline constexpr double AufwandMax = 300'000;

// An object whose drawing would cost more than AufwandMax; what() names the type, the
// cost and the limit.
class AufwandFehler : public AllgemeinerFehler {
public:
    using AllgemeinerFehler::AllgemeinerFehler;
};

// The work of drawing `objekt`, counted from its parameters without drawing anything: the
// same loops as the drawing, as a number (it may be astronomically large). Nothing for an
// unknown type or a parameter that is not a number (the drawing reports that one).
std::optional<double> ObjektAufwand(const t3DObjekt& objekt);
// The message for an object beyond AufwandMax, or nothing when it may be drawn.
std::optional<std::string> AufwandPruefen(const t3DObjekt& objekt);

// In Original-Modus the entries marked "Orig", in list order; in Vorschau-Modus the
// entries marked "Vor" and then, always and last, the object under edit.
void ObjekteZeichnen(TKoSys& k, tModus modus, const tObjektliste& liste, const t3DObjekt& vorschau);
// One object by its type name (exact, case matters); an unknown type draws nothing. A
// parameter that is not a number ends the drawing with its conversion error, an object
// beyond AufwandMax with AufwandFehler before anything is drawn.
void ObjektZeichnen(TKoSys& k, const t3DObjekt& objekt);

}  // namespace orbisto
