#include "core/cp1252.h"

#include <cstdint>

namespace orbisto {

namespace {

// Unicode of the cp1252 codes 0x80..0x9F; 0 where the code is unused.
constexpr char16_t Oben[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Code of a character, -1 when the code page has none. A C1 control at one of the five
// unused codes keeps that code.
int Code(char32_t zeichen)
{
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF))
        return static_cast<int>(zeichen);
    for (int i = 0; i < 32; ++i)
        if (Oben[i] == zeichen || (Oben[i] == 0 && zeichen == char32_t(0x80 + i)))
            return 0x80 + i;
    return -1;
}

bool Unbelegt(int code) { return code >= 0x80 && code < 0xA0 && Oben[code - 0x80] == 0; }

void Anhaengen(std::string& utf8, char32_t zeichen)
{
    if (zeichen < 0x80) {
        utf8 += static_cast<char>(zeichen);
    } else if (zeichen < 0x800) {
        utf8 += static_cast<char>(0xC0 | (zeichen >> 6));
        utf8 += static_cast<char>(0x80 | (zeichen & 0x3F));
    } else {  // the code page reaches no further than three bytes
        utf8 += static_cast<char>(0xE0 | (zeichen >> 12));
        utf8 += static_cast<char>(0x80 | ((zeichen >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (zeichen & 0x3F));
    }
}

// Decodes the sequence at text[i]; returns its length, 0 when it is not well formed
// (overlong, a surrogate, beyond U+10FFFF, cut short).
std::size_t Dekodieren(std::string_view text, std::size_t i, char32_t& zeichen)
{
    const auto b = static_cast<std::uint8_t>(text[i]);
    std::size_t laenge;
    char32_t minimum;
    if (b < 0x80) {
        zeichen = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        laenge = 2, minimum = 0x80, zeichen = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        laenge = 3, minimum = 0x800, zeichen = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        laenge = 4, minimum = 0x10000, zeichen = b & 0x07;
    } else {
        return 0;
    }
    if (i + laenge > text.size())
        return 0;
    for (std::size_t k = 1; k < laenge; ++k) {
        const auto f = static_cast<std::uint8_t>(text[i + k]);
        if ((f & 0xC0) != 0x80)
            return 0;
        zeichen = (zeichen << 6) | (f & 0x3F);
    }
    if (zeichen < minimum || zeichen > 0x10FFFF || (zeichen >= 0xD800 && zeichen <= 0xDFFF))
        return 0;
    return laenge;
}

}  // namespace

std::string ToCp1252(std::string_view utf8)
{
    std::string aus;
    aus.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t zeichen = 0;
        const std::size_t laenge = Dekodieren(utf8, i, zeichen);
        const int code = laenge == 0 ? -1 : Code(zeichen);
        // The unused codes have no glyph, so their controls get the stand-in too.
        aus += code < 0 || Unbelegt(code) ? '?' : static_cast<char>(code);
        i += laenge == 0 ? 1 : laenge;
    }
    return aus;
}

std::optional<std::string> ToCp1252Lossless(std::string_view utf8)
{
    std::string aus;
    aus.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t zeichen = 0;
        const std::size_t laenge = Dekodieren(utf8, i, zeichen);
        const int code = laenge == 0 ? -1 : Code(zeichen);
        if (code < 0)
            return std::nullopt;
        aus += static_cast<char>(code);
        i += laenge;
    }
    return aus;
}

std::string FromCp1252(std::string_view cp1252)
{
    std::string aus;
    aus.reserve(cp1252.size() + cp1252.size() / 2);
    for (const char c : cp1252) {
        const auto b = static_cast<std::uint8_t>(c);
        const bool oben = b >= 0x80 && b < 0xA0 && Oben[b - 0x80] != 0;
        Anhaengen(aus, oben ? Oben[b - 0x80] : char32_t(b));
    }
    return aus;
}

bool IsValidUtf8(std::string_view text)
{
    char32_t zeichen = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t laenge = Dekodieren(text, i, zeichen);
        if (laenge == 0)
            return false;
        i += laenge;
    }
    return true;
}

}  // namespace orbisto
