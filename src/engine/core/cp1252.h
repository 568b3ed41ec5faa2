#pragma once
// Windows-1252 next to UTF-8: the program holds UTF-8, the glyph lists are indexed by
// Windows-1252 code, and object list files are written in it where it can hold the text.

#include <optional>
#include <string>
#include <string_view>

namespace orbisto {

// One byte per character: ASCII and Latin-1 as they are (ä ö ü ß ° ² ³), the 27 extra
// characters of 0x80..0x9F (€ „ “ – …) at their codes, '?' for any other character and
// for every byte that does not belong to a well-formed UTF-8 sequence. For drawing,
// where a stand-in is better than nothing.
std::string ToCp1252(std::string_view utf8);

// The same without loss: nothing when the text is not well-formed UTF-8 or holds a
// character Windows-1252 has no code for. The five unused codes 0x81, 0x8D, 0x8F, 0x90
// and 0x9D stand for the C1 controls of the same number, so that every byte read with
// FromCp1252 is written back as itself.
std::optional<std::string> ToCp1252Lossless(std::string_view utf8);

// Every byte to its character in UTF-8 (the unused codes to the C1 controls, as above).
std::string FromCp1252(std::string_view cp1252);

// True when the whole text is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing beyond U+10FFFF, no sequence cut short).
bool IsValidUtf8(std::string_view text);

}  // namespace orbisto
