#pragma once
// Texts reach the view as UTF-8, the glyph lists are indexed by Windows-1252 code.

#include <string>
#include <string_view>

namespace orbisto {

// One byte per character: ASCII and Latin-1 as they are (ä ö ü ß ° ² ³), the 27 extra
// characters of 0x80..0x9F (€ „ “ – …) at their codes, '?' for any other character and
// for every byte that does not belong to a well-formed UTF-8 sequence.
std::string ToCp1252(std::string_view utf8);

}  // namespace orbisto
