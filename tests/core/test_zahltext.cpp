#include "core/zahltext.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace orbisto;

TEST(ZahlText, GeneralFormat)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const struct {
        long double wert;
        const char* text;
    } faelle[] = {
        {0, "0"},
        {-0.0L, "0"},
        {2, "2"},
        {0.5, "0,5"},
        {-2.51, "-2,51"},
        {2.5 + 0.01, "2,51"},  // double noise beyond 15 digits disappears
        {0.1 + 0.2, "0,3"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {0.0001, "0,0001"},
        {9E-5, "9E-5"},
        {-9E-5, "-9E-5"},
        {1.5E20, "1,5E20"},
        {1E15, "1E15"},
        {999999999999999.0, "999999999999999"},
        {9999999999999999.0, "1E16"},  // rounds up into the next decade
        {123456789.125, "123456789,125"},
        {std::nanl(""), "NAN"},
        {inf, "INF"},
        {-inf, "-INF"},
        {-1.7E308, "-1,7E308"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ZahlText(f.wert), f.text) << static_cast<double>(f.wert);
}

TEST(ZahlText, FixedFormat)
{
    EXPECT_EQ(ZahlTextFix(3.5, 2), "3,50");
    EXPECT_EQ(ZahlTextFix(-0.001, 2), "0,00");
    EXPECT_EQ(ZahlTextFix(1234.5678, 1), "1234,6");
    EXPECT_EQ(ZahlTextFix(7, 0), "7");
}

TEST(TextZahl, AcceptsTheNumberShapes)
{
    const struct {
        const char* text;
        long double wert;
    } faelle[] = {
        {"0", 0},         {"2", 2},       {"-2,5", -2.5L},     {"+2,5", 2.5L},  {"  3,25  ", 3.25L},
        {"\t7\t", 7},     {",5", 0.5L},   {"5,", 5},           {"1E15", 1E15L}, {"1,5e2", 150},
        {"2E-3", 0.002L}, {"2e+3", 2000}, {"0,0001", 0.0001L}, {"1E-6000", 0},  {"007", 7},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(TextZahl(f.text), f.wert) << f.text;
}

TEST(TextZahl, RejectsEverythingElseWithTheGermanMessage)
{
    const char* faelle[] = {"",   " ",   "1.5", "1,5,0", "1 000", "abc",    "2x",    ",",    "-",      "E5",
                            "1E", "1E+", "- 1", "NAN",   "INF",   "1E6000", "1e5 x", "0x10", "1,5E2,0"};
    for (const char* t : faelle) {
        try {
            TextZahl(t);
            ADD_FAILURE() << "accepted: '" << t << "'";
        } catch (const KonvertierungsFehler& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + t + "' ist kein gültiger Gleitkommawert");
        }
    }

    // A long text is quoted only in part; the error still carries all of it.
    const std::string lang = "1,5" + std::string(200000, 'x');
    try {
        TextZahl(lang);
        ADD_FAILURE() << "accepted a long text";
    } catch (const KonvertierungsFehler& e) {
        EXPECT_EQ(std::string(e.what()), "'1,5" + std::string(37, 'x') + "…' ist kein gültiger Gleitkommawert");
        EXPECT_EQ(e.text(), lang);
    }
}

TEST(TextZahl, RoundTripsThroughTheGeneralFormat)
{
    for (long double v : {0.5L, -2.51L, 1E-7L, 123456.789L, 1.5E20L, 9E-5L})
        EXPECT_DOUBLE_EQ(static_cast<double>(TextZahl(ZahlText(v))), static_cast<double>(v));
}

TEST(Runden, HalvesGoToTheEvenNeighbour)
{
    const struct {
        long double wert;
        long long ganz;
    } faelle[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {1.4999, 1}, {2.5001, 3}};
    for (const auto& f : faelle)
        EXPECT_EQ(Runden(f.wert), f.ganz) << static_cast<double>(f.wert);
    EXPECT_EQ(RundenHundertstel(0.125L), 0.12L);
    EXPECT_EQ(RundenHundertstel(0.375L), 0.38L);
    // The result texts: rounded, then written without trailing zeros.
    EXPECT_EQ(HundertstelText(3.7416573867739413L), "3,74");
    EXPECT_EQ(HundertstelText(4.999L), "5");
    EXPECT_EQ(HundertstelText(-2.1L), "-2,1");
}
