// Quoting user text in messages: a long text is cut, never inside a character.

#include "core/zitat.h"

#include <gtest/gtest.h>

#include <string>

using namespace orbisto;

TEST(Zitat, QuotesShortTextsWholeAndCutsLongOnesBetweenCharacters)
{
    const std::string a39(39, 'a');
    struct Fall {
        std::string text;
        std::string zitat;
    };
    const Fall faelle[] = {
        {"", "''"},
        {"x+1", "'x+1'"},
        {std::string(40, 'a'), "'" + std::string(40, 'a') + "'"},  // exactly at the limit: whole
        {std::string(41, 'a'), "'" + std::string(40, 'a') + "…'"},
        {std::string(1000000, '7'), "'" + std::string(40, '7') + "…'"},
        // The limit falls in the middle of "ä" (2 bytes), "€" (3) or "𝑥" (4): the character
        // goes whole, so the quote stays valid UTF-8.
        {a39 + "ä", "'" + a39 + "…'"},
        {std::string(38, 'a') + "€b", "'" + std::string(38, 'a') + "…'"},
        {std::string(37, 'a') + "𝑥b", "'" + std::string(37, 'a') + "…'"},
        {std::string(30, 'a') + "üüüüüü", "'" + std::string(30, 'a') + "üüüüü…'"},
        // No UTF-8 where it is cut: cut at the limit rather than dropping everything.
        {std::string(50, '\x80'), "'" + std::string(40, '\x80') + "…'"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Zitat(f.text), f.zitat) << f.text.substr(0, 60);
}

TEST(Zitat, GekuerztKeepsAnyLengthAskedFor)
{
    EXPECT_EQ(Gekuerzt("Kugel", 5), "Kugel");
    EXPECT_EQ(Gekuerzt("Kugeln", 5), "Kugel…");
    EXPECT_EQ(Gekuerzt("Würfel", 2), "W…");  // "ü" does not fit in the third byte
    EXPECT_EQ(Gekuerzt("abc", 0), "…");
    EXPECT_EQ(Gekuerzt(std::string(10 << 20, 'x'), 300), std::string(300, 'x') + "…");
}
