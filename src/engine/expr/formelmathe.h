#pragma once
// The arithmetic of FormelWert beyond single operations: logarithm and power with the
// error value they give instead of failing, the factorial, and the hook that hears
// about those failures.

#include <cstdint>
#include <functional>
#include <string>

#include "expr/exprmath.h"

namespace orbisto {

// -1.7E308: what a failed logarithm or power gives instead of an error.
extern const long double Fehlerwert;

// Hears about the failures below ("Logarithmus von 0", "Potenzieren"); evaluation goes
// on with Fehlerwert either way. No hook is installed at start. Installs `haken` for
// the whole program and returns the previous one.
using FormelFehlerHaken = std::function<void(const std::string& meldung)>;
FormelFehlerHaken FormelFehlerHakenSetzen(FormelFehlerHaken haken);

// Natural logarithm that answers Fehlerwert (and reports) below 1E-15.
long double Ln(long double a);

// How a power treats its exponent; fixed for a constant exponent, so worked out once.
struct PotenzArt {
    enum Fall : std::uint8_t { Eins, Ganz, Allgemein } fall;
    bool positiv;           // exponent > 0 (0^e is 0 then)
    std::int64_t ganz = 0;  // the whole exponent for Ganz
};
PotenzArt PotenzEinordnen(long double e);

// Non-whole exponents: exp(e * ln b) for b > 0, else Fehlerwert (and reports).
long double PotenzAllgemein(long double b, long double e);

// b^e with e classified beforehand. Whole exponents square the same way as the
// expression compiler does, so both engines agree on them bit for bit.
inline long double PotenzMit(long double b, long double e, PotenzArt art)
{
    if (art.fall == PotenzArt::Eins)
        return 1;
    if (b == 0 && art.positiv)
        return 0;
    if (art.fall == PotenzArt::Ganz)
        return ExprIntPower(b, art.ganz);
    return PotenzAllgemein(b, e);
}

// b^e: 1 for e = 0, 0 for b = 0 and e > 0, whole exponents (to within 1E-18) up to
// 2147483647 in magnitude by repeated squaring, others through exp and ln; a base not
// above 0 with a non-whole exponent answers Fehlerwert (and reports).
long double Potenz(long double b, long double e);

// a * (a-1) * ... down to the last factor above 1; 1 for a <= 1 and for NaN.
long double Fakultaet(long double a);

}  // namespace orbisto
