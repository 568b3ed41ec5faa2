#pragma once
// The rules of the object editor's value column: which parameters are switches, how a
// typed or stepped value is brought into its parameter's range, and what text a row
// shows after the user leaves it, steps it or double-clicks it. No widgets here.

#include "objects/objektliste.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orbisto {

// On/off parameters: "Flaeche", "Vektoren", "Zylinder", "Funktion", "Hoehe", "Mantel",
// "Quader", and every name containing "Gitter". Case matters.
bool IstSchalter(std::string_view name);

// A formula parameter, whose text is kept as typed: its name contains "f(x".
bool IstFormel(std::string_view name);

// Switches become 0 or 1 (from 0,5 up); step counts at least 1 and whole (halves to the
// even neighbour); names beginning with a small r never negative.
double WertPruefen(double wert, std::string_view name);

// The value text of a row the user has left: empty for a row without a name, "0" for an
// empty value, a formula as typed, otherwise its number checked by WertPruefen (0 for a
// text that is not a number) in the general number format.
std::string ZeileUebernehmen(std::string_view name, std::string_view text);

// The value text after a step button, or nothing for a row without a name or a formula.
std::optional<std::string> WertSchritt(std::string_view name, std::string_view text, double schritt);

// A switch's text after a double-click ("0" becomes "1", anything else "0"); nothing
// for other rows.
std::optional<std::string> SchalterUmschalten(std::string_view name, std::string_view text);

// A row's new text, kept within the work one object may cost (AufwandMax): a step count
// beyond it becomes the largest that fits; any other value that would take the object
// beyond it is refused, and the row keeps the object's old text. `meldung` says why.
struct tZeilenwert {
    std::string text;
    std::optional<std::string> meldung;
};
// `index` is the parameter's position 0..19 in `objekt`, `name` its name, `neu` the text
// checked by the rules above.
tZeilenwert ImAufwand(const t3DObjekt& objekt, std::size_t index, std::string_view name, std::string neu);

}  // namespace orbisto
