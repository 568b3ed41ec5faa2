// Windows-1252 and UTF-8: the stand-in conversion for the glyph lists, the lossless one
// for files, and every byte of the code page read and written back as itself.

#include "core/cp1252.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace orbisto;

namespace {

TEST(Cp1252, OneCodeForEveryCharacterAndAQuestionMarkForTheRest)
{
    const struct {
        const char* utf8;
        std::string cp1252;
    } faelle[] = {
        {"x^2 + 1", "x^2 + 1"},
        {"Größe 5°", "Gr\xF6\xDF"
                     "e 5\xB0"},
        {"m² m³ ½ µ Ä", "m\xB2 m\xB3 \xBD \xB5 \xC4"},
        {"€ „x“ – … ™", "\x80 \x84x\x93 \x96 \x85 \x99"},
        {"α → 😀", "? ? ?"},  // no code in the code page
        {"\xC2\x85", "?"},   // a C1 control is not the ellipsis at 0x85
        {"\xC2\x81", "?"},   // nor is one at an unused code a glyph
        {"a\xFF"
         "b\xC3",
         "a?b?"},                           // stray and cut-short bytes
        {"\xC0\xAF\xED\xA0\x80", "?????"},  // overlong form, surrogate
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ToCp1252(f.utf8), f.cp1252) << f.utf8;
}

TEST(Cp1252, LosslessRefusesWhatTheCodePageCannotHold)
{
    const struct {
        const char* utf8;
        std::optional<std::string> cp1252;
    } faelle[] = {
        {"", ""},
        {"Größe € „x“ Ÿ", "Gr\xF6\xDF"
                          "e \x80 \x84x\x93 \x9F"},
        {"\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D", "\x81\x8D\x8F\x90\x9D"},  // controls at unused codes
        {"\xC2\x80", std::nullopt},  // 0x80 is the euro sign, not this control
        {"\xC2\x85", std::nullopt},
        {"x → y", std::nullopt},
        {"α", std::nullopt},
        {"😀", std::nullopt},
        {"a\xFF", std::nullopt},         // not UTF-8
        {"\xC3", std::nullopt},          // cut short
        {"\xC0\xA4", std::nullopt},      // overlong form of '$'
        {"\xED\xA0\x80", std::nullopt},  // surrogate
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ToCp1252Lossless(f.utf8), f.cp1252) << f.utf8;
}

TEST(Cp1252, EveryByteReadsAsOneCharacterAndWritesBackAsItself)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = FromCp1252(byte);
        EXPECT_TRUE(IsValidUtf8(utf8)) << b;
        EXPECT_EQ(ToCp1252Lossless(utf8), byte) << b;
    }
    EXPECT_EQ(FromCp1252("Gr\xF6\xDF"
                         "e \x80 \x84x\x93 \x9F \x81"),
              "Größe € „x“ Ÿ \xC2\x81");
}

TEST(Cp1252, Utf8IsCheckedWhole)
{
    for (const char* gut : {"", "abc", "äöü€", "😀", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(IsValidUtf8(gut)) << gut;
    for (const char* schlecht : {"\xE4", "a\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                 "\xF8\x88\x80\x80\x80", "\x80"})
        EXPECT_FALSE(IsValidUtf8(schlecht)) << schlecht;
}

}  // namespace
