#pragma once
// The object list as a text file (.o3d), so that lists can be kept, exchanged and written
// by hand or by other programs.
//
// Line 1 is "Objektliste zu Orbisto"; every further line is one entry of the list, in
// order, as 23 fields split by '|':
//
//     Farbe|Orig|Typname|Parameter 1|...|Parameter 20
//
// Farbe is the colour as a signed decimal integer (red in the low byte), Orig is "1" or
// "0", the parameters are the stored texts. The Vor mark and the shades are not stored.
//
// Writing: CR LF after every line, the last one included. The text is Windows-1252 so
// that older readers understand it; a list holding a character that code page cannot
// hold is written in UTF-8 instead, so nothing is ever lost.
//
// Reading takes a file that is well-formed UTF-8 as UTF-8 (a byte order mark before the
// header is skipped) and anything else as Windows-1252, with CR LF, LF or CR alone as line
// end and a last line with or without one. Empty lines at the end are ignored. The whole
// text is checked before anything is handed back, so a bad file never yields half a list.

#include "core/allgemeinerfehler.h"
#include "objects/objektliste.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orbisto {

// Every failure to read, write or check a list file; what() is the German message.
class ObjektdateiFehler : public AllgemeinerFehler {
public:
    using AllgemeinerFehler::AllgemeinerFehler;
};

inline constexpr std::string_view ObjektlisteKopf = "Objektliste zu Orbisto";

// A list of 50 entries with hand-typed texts takes a few kilobytes. Anything beyond this
// is not a list and is refused before it fills memory.
inline constexpr std::size_t ObjektdateiGroesseMax = std::size_t{16} << 20;

// The longest text a field may hold: far beyond any real formula, and short enough that
// the grids show it at once.
inline constexpr std::size_t FeldLaengeMax = std::size_t{64} << 10;

// Splits off the first field of `rest` up to the first `trenner` and removes field and
// separator from `rest`. Without a separator the field is the whole rest and the rest
// becomes empty; an empty rest gives an empty field.
std::string TokenAbspalten(std::string& rest, char trenner);

// The bytes of the file for the entries 1..ObjektAnzahl (just the header line for an
// empty list). Throws ObjektdateiFehler, naming entry and field, when a text holds a
// character the format cannot carry: '|', a line break or a NUL character (they would
// split the entry on reading), bytes that are not UTF-8, or more than FeldLaengeMax bytes.
std::string ObjektlisteText(const tObjektliste& liste);

// The list the file bytes describe: Vor false everywhere, Orig set unless the second field
// is exactly "0", parameters the line has no field for empty; the type name is taken as it
// stands. Throws ObjektdateiFehler with a message naming the line for a wrong header, a
// line whose first field is not a 32-bit integer (an empty line before the end included),
// a line with more than 20 parameter fields, a field longer than FeldLaengeMax, an object
// whose drawing would cost more than AufwandMax, more than 50 entries, a NUL character, or
// a file larger than ObjektdateiGroesseMax.
tObjektliste ObjektlisteLesen(std::string_view bytes);

// Writes ObjektlisteText(liste) to `pfad` (UTF-8). The text goes to a new file beside the
// target first, which then replaces the target in one step: an existing file is either the
// old or the new list, never a part of either. On failure the temporary file is removed
// and ObjektdateiFehler names the file. Writes whatever it gets, an empty list too.
void ObjektlisteSpeichern(const std::string& pfad, const tObjektliste& liste);

// Reads the file at `pfad` (UTF-8) and returns ObjektlisteLesen of it. Throws
// ObjektdateiFehler naming the file when it cannot be read.
tObjektliste ObjektlisteLaden(const std::string& pfad);

}  // namespace orbisto
