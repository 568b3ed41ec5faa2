#include "expr/formelwert.h"

#include "core/zahltext.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

using namespace orbisto;

namespace {

const long double inf = std::numeric_limits<long double>::infinity();
const long double keineZahl = std::numeric_limits<long double>::quiet_NaN();
const long double ln10 = std::log(10.0L);

// What one call gives: its value, or the text the conversion error names, plus the
// reports the hook heard on the way.
struct Ausgang {
    long double wert = 0;
    std::string fehler;
    std::vector<std::string> meldungen;
};

class Mithoeren {
public:
    Mithoeren()
    {
        vorher_ = FormelFehlerHakenSetzen([this](const std::string& m) { meldungen_.push_back(m); });
    }
    ~Mithoeren() { FormelFehlerHakenSetzen(std::move(vorher_)); }

    Ausgang Werten(const std::string& formel, long double x)
    {
        meldungen_.clear();
        Ausgang a;
        try {
            a.wert = FormelWert(formel, x);
        } catch (const KonvertierungsFehler& e) {
            a.fehler = e.text();
        }
        a.meldungen = meldungen_;
        return a;
    }

private:
    FormelFehlerHaken vorher_;
    std::vector<std::string> meldungen_;
};

bool gleich(long double a, long double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return a == b || std::fabs(a - b) <= 1E-17L * std::fabs(b);
}

bool gleich(const Ausgang& a, const Ausgang& b)
{
    return a.fehler == b.fehler && a.meldungen == b.meldungen &&
           (std::memcmp(&a.wert, &b.wert, 10) == 0 || (std::isnan(a.wert) && std::isnan(b.wert)));
}

}  // namespace

TEST(FormelWert, ReadingRules)
{
    const struct {
        const char* formel;
        long double x;
        long double wert;
        const char* fehler = nullptr;  // the part the conversion error names
    } faelle[] = {
        // blanks, signs, grouping
        {"", 0, 0},
        {"   ", 0, 0},
        {"\t x \r\n", 2, 2},
        {"-x^2", 3, -9},
        {"(-x)^2", 3, 9},
        {"-(-x)", 2, 2},
        {"--x", 2, -2},
        {"-x+1", 3, -2},
        {"2^-1", 0, 0},  // 2^ minus 1, and 2^ is 2^0
        {"x^-2", 5, -1},
        {"x*-2", 3, -2},  // x* is x times 0
        {"8-3-2", 0, 3},
        {"8/4/2", 0, 1},
        {"2^3^2", 0, 64},
        {"2+3*4^2", 0, 50},
        {"1-2+3", 0, 2},
        {"12/2*3", 0, 18},
        // implicit multiplication, decimal comma
        {"2x+1", 1.5, 4},
        {"3(x+1)", 2, 9},
        {"(x+1)(x-1)", 3, 8},
        {"0,5*x", 4, 2},
        {",5x", 4, 2},
        {"0.5*x", 4, 0, "0.5"},
        {"1E5", 0, 0, "E5"},
        {"1e-5", 0, 0, "e"},
        // functions: prefixes, arguments without parentheses, degrees
        {"sin(90)", 0, std::sin(90.0L)},
        {"sin2x", 3, std::sin(2.0L) * 3},
        {"2sin(x)", 1, 2 * std::sin(1.0L)},
        {"sin(x)^2", 2, std::sin(2.0L) * std::sin(2.0L)},
        {"sin x+1", 2, std::sin(2.0L) + 1},
        {"tan(1)", 0, std::sin(1.0L) / std::cos(1.0L)},
        {"si_(90)", 0, 1},
        {"co_(60)", 0, 0.5L},
        {"ta_(45)", 0, 1},
        {"arcsi_(1)", 0, 90},
        {"arcco_(0,5)", 0, 60},
        {"arcta_(1)", 0, 45},
        {"arcsin(1)", 0, std::numbers::pi_v<long double> / 2},
        {"arccos(-1)", 0, std::numbers::pi_v<long double>},
        {"arctan x", 1, std::numbers::pi_v<long double> / 4},
        {"lnx", std::numbers::e_v<long double>, 1},
        {"lg(1000)", 0, 3},
        {"lb(8)", 0, 3},
        {"exp(1)", 0, std::numbers::e_v<long double>},
        {"abs(-3)", 0, 3},
        {"abs -3", 0, -3},  // split at the minus first: abs() - 3
        {"sqrt((2)^2-(x)^2)+3", 0, 5},
        {"fak(5)", 0, 120},
        {"fak(2,5)", 0, 3.75L},
        {"fak(0)", 0, 1},
        {"fak(-3)", 0, 1},
        {"int(-0,5)", 0, -1},
        {"int(-2,5)", 0, -3},
        {"intx", 2.5, 2},
        // failures that give a value
        {"ln(0)", 0, Fehlerwert},
        {"lg(0)", 0, Fehlerwert / ln10},
        {"lb(-1)", 0, Fehlerwert / std::log(2.0L)},
        {"sqrt(-1)", 0, keineZahl},
        {"1/0", 0, inf},
        {"0^-1", 0, inf},
        {"(-8)^(1/3)", 0, Fehlerwert},
        {"(-2)^3", 0, -8},
        {"0^0", 0, 1},
        {"0^x", 2, 0},
        {"4^0,5", 0, 2},
        {"x^x", 0, 1},
        // unbalanced parentheses are read as they come
        {"(x+1", 5, 1},
        {"((x)", 5, 0},
        {"(x))", 5, 0, "x)"},
        // not numbers
        {"X", 1, 0, "X"},
        {"pi", 1, 0, "pi"},
        {"2*pi*x", 1, 0, "pi"},
        {"sinh(x)", 1, 0, "h(x)"},
        {"Sin(x)", 1, 0, "Sin(x)"},
        {"-)", 0, 0, "0-)"},
        {"1+a+b", 0, 0, "a"},  // the first bad part from the left
        {"1,2,3", 0, 0, "1,2,3"},
    };
    Mithoeren hoeren;
    for (const auto& f : faelle) {
        const Ausgang a = hoeren.Werten(f.formel, f.x);
        if (f.fehler) {
            EXPECT_EQ(a.fehler, f.fehler) << f.formel;
        } else {
            EXPECT_EQ(a.fehler, "") << f.formel;
            EXPECT_TRUE(gleich(a.wert, f.wert))
                << f.formel << " at " << static_cast<double>(f.x) << ": " << static_cast<double>(a.wert)
                << " instead of " << static_cast<double>(f.wert);
        }
    }
}

TEST(FormelWert, ConversionErrorNamesThePart)
{
    try {
        FormelWert("3*X", 1);
        FAIL() << "no error";
    } catch (const KonvertierungsFehler& e) {
        EXPECT_STREQ(e.what(), "'X' ist kein gültiger Gleitkommawert");
    }
    // A long part is quoted only in part.
    const std::string teil = "(" + std::string(50000, 'y') + ")";
    try {
        FormelWert("3*" + teil + "+x", 1);
        FAIL() << "no error";
    } catch (const KonvertierungsFehler& e) {
        EXPECT_EQ(std::string(e.what()), "'" + std::string(40, 'y') + "…' ist kein gültiger Gleitkommawert");
        EXPECT_EQ(e.text(), std::string(50000, 'y'));
    }
}

TEST(FormelWert, ErrorValueBitPattern)
{
    unsigned char b[16] = {};
    std::memcpy(b, &Fehlerwert, 10);
    std::uint64_t mantisse;
    std::uint16_t vorzeichenExponent;
    std::memcpy(&mantisse, b, 8);
    std::memcpy(&vorzeichenExponent, b + 8, 2);
    EXPECT_EQ(mantisse, 0xF2168983B9DBB273u);
    EXPECT_EQ(vorzeichenExponent, 0x8000u | 0x43FEu);
    EXPECT_EQ(static_cast<double>(Fehlerwert), -1.7E308);
}

TEST(FormelWert, FailuresAreReportedToTheHook)
{
    Mithoeren hoeren;
    const Ausgang a = hoeren.Werten("ln(x)+(x-3)^0,5+lg(x-0,5)", 0);
    const std::vector<std::string> meldungen = {"Logarithmus von 0", "Potenzieren", "Logarithmus von -0,5"};
    EXPECT_EQ(a.meldungen, meldungen);
    EXPECT_TRUE(gleich(a.wert, Fehlerwert + Fehlerwert + Fehlerwert / ln10));

    EXPECT_TRUE(hoeren.Werten("ln(x)+(x-3)^0,5", 4).meldungen.empty());

    // Reports made before the bad part still arrive.
    const Ausgang b = hoeren.Werten("ln(x)*X", 0);
    EXPECT_EQ(b.fehler, "X");
    EXPECT_EQ(b.meldungen, std::vector<std::string>{"Logarithmus von 0"});
}

TEST(FormelWert, StoredFormulasGiveWhatFreshOnesGive)
{
    const std::vector<std::string> formeln = {
        "ln(x)+(x-3)^0,5", "x^2-2x", "ln(x)*X+1", "2^x", "fak(x)", "-x^2", "(-x)^x", "", "x",
    };
    const long double xs[] = {0, 4, -2.5L, 0.5L};
    Mithoeren hoeren;
    auto alle = [&] {
        std::vector<Ausgang> r;
        for (long double x : xs)
            for (const auto& f : formeln)
                r.push_back(hoeren.Werten(f, x));
        return r;
    };
    const std::vector<Ausgang> erste = alle();  // read fresh
    for (int runde = 0; runde < 3; ++runde) {
        const std::vector<Ausgang> wieder = alle();  // alternating, from the store
        for (std::size_t i = 0; i < erste.size(); ++i)
            EXPECT_TRUE(gleich(wieder[i], erste[i])) << formeln[i % formeln.size()];
    }
    for (int i = 0; i < 2000; ++i)  // push them all out of the store
        FormelWert("x+" + std::to_string(i), 1);
    const std::vector<Ausgang> danach = alle();
    for (std::size_t i = 0; i < erste.size(); ++i)
        EXPECT_TRUE(gleich(danach[i], erste[i])) << formeln[i % formeln.size()];
}

TEST(FormelWert, HookMayEvaluateFormulasItself)
{
    // A hook that evaluates many other formulas must not pull the running one away.
    const auto vorher = FormelFehlerHakenSetzen([](const std::string&) {
        for (int i = 0; i < 600; ++i)
            FormelWert("2*x+" + std::to_string(i), 1);
    });
    std::string formel = "ln(x)";
    for (int i = 0; i < 50; ++i)
        formel += "+ln(x)+" + std::to_string(i);
    long double erwartet = Fehlerwert;
    for (int i = 0; i < 50; ++i)
        erwartet = (erwartet + Fehlerwert) + i;
    EXPECT_TRUE(gleich(FormelWert(formel, 0), erwartet));
    FormelFehlerHakenSetzen(vorher);
}

TEST(FormelWert, Factorial)
{
    EXPECT_TRUE(std::isfinite(FormelWert("fak(1754)", 0)));
    EXPECT_EQ(FormelWert("fak(1755)", 0), inf);
    // Huge arguments answer at once instead of counting down.
    EXPECT_EQ(FormelWert("fak(1000000000)", 0), inf);
    EXPECT_EQ(FormelWert("fak(x)", 1E300L), inf);
    EXPECT_EQ(FormelWert("fak(x)", inf), inf);
    EXPECT_EQ(FormelWert("fak(x)", keineZahl), 1);
    long double f = 1;
    for (int i = 2; i <= 20; ++i)
        f *= i;
    EXPECT_EQ(FormelWert("fak(20)", 0), f);
}

TEST(FormelWert, LargeFormulas)
{
    // Twenty nested parentheses.
    std::string formel = "x";
    long double erwartet = 1.5L;
    for (int i = 0; i < 20; ++i) {
        formel = "(" + formel + "+1)*2";
        erwartet = (erwartet + 1) * 2;
    }
    EXPECT_EQ(FormelWert(formel, 1.5L), erwartet);

    // A thousand terms.
    formel.clear();
    erwartet = 0;
    for (int i = 1; i <= 1000; ++i) {
        formel += (i % 2 ? "+" : "-") + std::to_string(i) + "*x^2";
        erwartet += (i % 2 ? 1 : -1) * i * 9.0L;
    }
    EXPECT_EQ(FormelWert(formel, 3), erwartet);
}

TEST(FormelWert, FormulasBeyondTheLimitsAreRefusedWithAShortGermanMessage)
{
    const std::string zuTief = "Die Formel ist zu tief geschachtelt (höchstens 1000 Ebenen)";
    const std::string zuLang = "Die Formel ist zu lang (höchstens 65536 Zeichen)";
    const auto mal = [](const std::string& stueck, std::size_t n) {
        std::string s;
        for (std::size_t i = 0; i < n; ++i)
            s += stueck;
        return s;
    };
    const auto klammern = [&](const std::string& auf, const std::string& innen, std::size_t n) {
        return mal(auf, n) + innen + std::string(n, ')');
    };
    const std::size_t mb10 = std::size_t(10) << 20;
    struct Fall {
        std::string formel;
        std::string meldung;
    };
    const Fall faelle[] = {
        // nested within the length limit: the translation meets the level limit
        {mal("abs", 5000) + "x", zuTief},
        {klammern("1+(", "x", 5000), zuTief},
        {klammern("sin(", "x", 600), zuTief},
        {klammern("-(", "x", 1100), zuTief},
        // nested beyond it: the parentheses alone say what is wrong
        {std::string(100000, '('), zuTief},
        {klammern("(", "x", 100000), zuTief},
        {mal("sin(", mb10 / 4), zuTief},
        // long but flat
        {mal("x+", mb10 / 2) + "x", zuLang},
        {std::string(mb10, '-') + "x", zuLang},
        {mal("x^", 32768) + "x", zuLang},  // 65537 characters
    };
    for (const Fall& f : faelle) {
        for (int mal = 0; mal < 2; ++mal) {  // the second time from the store, where there is one
            try {
                FormelWert(f.formel, 1);
                ADD_FAILURE() << "accepted " << f.formel.substr(0, 20);
            } catch (const KonvertierungsFehler& e) {
                // Still a conversion error naming the part refused, so its handlers see it.
                EXPECT_EQ(e.what(), f.meldung) << f.formel.substr(0, 20);
                EXPECT_FALSE(e.text().empty());
                EXPECT_NE(f.formel.find(e.text()), std::string::npos);
            }
        }
    }
}

TEST(FormelWert, FormulasWithinTheLimitsAreRead)
{
    // 250 nested parentheses, far more than any formula of a lesson.
    std::string formel = "x";
    for (int i = 0; i < 250; ++i)
        formel = "1+(" + formel + ")";
    EXPECT_EQ(FormelWert(formel, 0.5L), 250.5L);

    // The length counts characters, not bytes: 65536 of them pass, whatever their bytes.
    std::string summe = " 1";
    while (summe.size() < FormelLaengeMax)
        summe += "+x";
    ASSERT_EQ(summe.size(), FormelLaengeMax);
    EXPECT_EQ(FormelWert(summe, 2), 2 * 32767 + 1);

    std::string umlaute;
    for (std::size_t i = 0; i < FormelLaengeMax; ++i)
        umlaute += "ä";
    try {
        FormelWert(umlaute, 0);
        ADD_FAILURE() << "accepted a text of umlauts";
    } catch (const KonvertierungsFehler& e) {
        EXPECT_STREQ(e.what(), ("'" + umlaute.substr(0, 40) + "…' ist kein gültiger Gleitkommawert").c_str());
    }
}
