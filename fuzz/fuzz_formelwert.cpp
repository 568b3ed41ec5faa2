// Evaluates arbitrary text and checks it against a plain reading of the rules: the text
// re-read and split into new strings at every step, as the evaluator is defined. Any
// difference in value, error text or reported failures aborts. The plain reading costs
// length times depth, so long inputs are only checked for a stable second call.

#include "core/zahltext.h"
#include "expr/formelwert.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

using namespace orbisto;

namespace {

std::vector<std::string> meldungen;

struct ZuTief {};  // the plain reading recursed too far to be worth following

struct Lesen {
    long double x;
    std::vector<std::string> meldungen;

    long double ln(long double a)
    {
        if (a < 1E-15L) {
            meldungen.push_back("Logarithmus von " + ZahlText(a));
            return Fehlerwert;
        }
        return std::log(a);
    }

    long double potenz(long double b, long double e)
    {
        if (e == 0)
            return 1;
        if (b == 0 && e > 0)
            return 0;
        const long double f = std::fabs(e) + 1E-18L;
        if (f - std::trunc(f) < 2E-18L && std::fabs(e) <= 2147483647.0L) {
            long long y = std::llabs(std::llrint(e));
            long double r = 1;
            while (y > 0) {
                while (y % 2 == 0) {
                    y /= 2;
                    b *= b;
                }
                --y;
                r *= b;
            }
            return std::llrint(e) < 0 ? 1 / r : r;
        }
        if (b > 0)
            return std::exp(e * std::log(b));
        meldungen.push_back("Potenzieren");
        return Fehlerwert;
    }

    static long double fak(long double a)
    {
        if (a > 3000)
            return std::numeric_limits<long double>::infinity();
        return a > 1 ? a * fak(a - 1) : 1;
    }

    long double wert(std::string t, int tiefe)
    {
        if (tiefe > 900)
            throw ZuTief{};
        if (t.empty())
            return 0;
        while (!t.empty() && static_cast<unsigned char>(t.back()) <= ' ')
            t.pop_back();
        while (!t.empty() && static_cast<unsigned char>(t.front()) <= ' ')
            t.erase(0, 1);
        if (t.empty())
            return 0;
        if (t[0] == '-')
            t = "0" + t;
        for (std::size_t i = 0; i + 1 < t.size(); ++i) {
            const char a = t[i], b = t[i + 1];
            if ((a == ')' || (a >= '0' && a <= '9')) && (b == '(' || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z')))
                t.insert(i + 1, "*");
        }
        // Rightmost occurrence at depth 0 of each operator, found in one pass.
        constexpr std::string_view ops = "+-*/^";
        std::size_t stelle[5] = {std::string::npos, std::string::npos, std::string::npos, std::string::npos,
                                 std::string::npos};
        int d = 0;
        for (std::size_t i = t.size(); i-- > 0;) {
            const char c = t.data()[i];
            if (c == ')')
                --d;
            else if (c == '(')
                ++d;
            const std::size_t k = ops.find(c);
            if (d == 0 && k != std::string_view::npos && stelle[k] == std::string::npos)
                stelle[k] = i;
        }
        for (int k = 0; k < 5; ++k) {
            const std::size_t i = stelle[k];
            if (i == std::string::npos)
                continue;
            const long double l = wert(t.substr(0, i), tiefe + 1);
            const long double r = wert(t.substr(i + 1), tiefe + 1);
            switch (ops[k]) {
            case '+': return l + r;
            case '-': return l - r;
            case '*': return l * r;
            case '/': return l / r;
            default: return potenz(l, r);
            }
        }
        constexpr long double g = std::numbers::pi_v<long double> / 180;
        constexpr long double rg = 180 / std::numbers::pi_v<long double>;
        const char* namen[] = {"ln",  "lg",  "lb",     "sin",    "cos",    "tan", "arctan", "arcsin", "arccos", "si_",
                               "co_", "ta_", "arcta_", "arcsi_", "arcco_", "abs", "exp",    "fak",    "int",    "sqrt"};
        for (int k = 0; k < 20; ++k) {
            const std::size_t n = std::strlen(namen[k]);
            if (t.compare(0, n, namen[k]) != 0)
                continue;
            const long double a = wert(t.substr(n), tiefe + 1);
            switch (k) {
            case 0: return ln(a);
            case 1: return ln(a) / std::numbers::ln10_v<long double>;
            case 2: return ln(a) / std::numbers::ln2_v<long double>;
            case 3: return std::sin(a);
            case 4: return std::cos(a);
            case 5: return std::sin(a) / std::cos(a);
            case 6: return std::atan(a);
            case 7: return std::atan2(a, std::sqrt(1 - a * a));
            case 8: return std::atan2(std::sqrt(1 - a * a), a);
            case 9: return std::sin(a * g);
            case 10: return std::cos(a * g);
            case 11: return std::sin(a * g) / std::cos(a * g);
            case 12: return std::atan(a) * rg;
            case 13: return std::atan2(a, std::sqrt(1 - a * a)) * rg;
            case 14: return std::atan2(std::sqrt(1 - a * a), a) * rg;
            case 15: return std::fabs(a);
            case 16: return std::exp(a);
            case 17: return fak(a);
            case 18: return std::floor(a);
            default: return std::sqrt(a);
            }
        }
        if (t[0] == '(')
            return wert(t.size() >= 2 ? t.substr(1, t.size() - 2) : "", tiefe + 1);
        if (t == "x")
            return x;
        return TextZahl(t);
    }
};

struct Ausgang {
    long double wert = 0;
    std::string fehler;
    std::vector<std::string> meldungen;

    bool operator==(const Ausgang& o) const
    {
        const bool werteGleich = std::memcmp(&wert, &o.wert, 10) == 0 || (std::isnan(wert) && std::isnan(o.wert));
        return werteGleich && fehler == o.fehler && meldungen == o.meldungen;
    }
};

Ausgang auswerten(const std::string& formel, long double x)
{
    Ausgang a;
    meldungen.clear();
    try {
        a.wert = FormelWert(formel, x);
    } catch (const KonvertierungsFehler& e) {
        a.fehler = e.text();
    }
    a.meldungen = meldungen;
    return a;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    static const bool haken = (FormelFehlerHakenSetzen([](const std::string& m) { meldungen.push_back(m); }), true);
    (void)haken;

    const std::string formel(reinterpret_cast<const char*>(daten), groesse);
    for (long double x : {0.0L, 1.5L, -2.0L, 1E300L}) {
        const Ausgang einmal = auswerten(formel, x);
        if (!(auswerten(formel, x) == einmal))  // the second call runs the stored form
            std::abort();
        if (groesse > 1024)
            continue;

        Ausgang gelesen;
        Lesen lesen{x, {}};
        try {
            gelesen.wert = lesen.wert(formel, 0);
        } catch (const KonvertierungsFehler& e) {
            gelesen.fehler = e.text();
        } catch (const ZuTief&) {
            continue;
        }
        gelesen.meldungen = lesen.meldungen;
        if (!(gelesen == einmal))
            std::abort();
    }
    return 0;
}
