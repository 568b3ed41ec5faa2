#pragma once
// Pieces of user text inside messages and on screen. A message quotes what it refuses,
// but an input may be megabytes long: a box must not show all of it, and a control must
// not lay out all of it. Texts are UTF-8 and are cut only between characters.

#include <cstddef>
#include <string>
#include <string_view>

namespace orbisto {

// What a message quotes of a text at most, in bytes.
inline constexpr std::size_t ZitatMax = 40;

// `text` itself when it has at most `hoechstens` bytes; otherwise its beginning of at
// most that many bytes, ending before a character rather than inside one, followed by
// "…". A text that is not UTF-8 where it is cut is cut at `hoechstens` bytes.
std::string Gekuerzt(std::string_view text, std::size_t hoechstens);

// The text in single quotes, shortened to ZitatMax bytes: "'abc'", "'aaa…aaa…'".
std::string Zitat(std::string_view text);

}  // namespace orbisto
