#pragma once
// Drawing the object list: which entries a pass shows, and how one entry's parameter
// texts become the numbers and switches of its shape.

#include <cstdint>
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

// In Original-Modus the entries marked "Orig", in list order; in Vorschau-Modus the
// entries marked "Vor" and then, always and last, the object under edit.
void ObjekteZeichnen(TKoSys& k, tModus modus, const tObjektliste& liste, const t3DObjekt& vorschau);
// One object by its type name (exact, case matters); an unknown type draws nothing. A
// parameter that is not a number ends the drawing with its conversion error.
void ObjektZeichnen(TKoSys& k, const t3DObjekt& objekt);

}  // namespace orbisto
