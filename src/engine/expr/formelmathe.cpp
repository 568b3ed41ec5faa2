#include "expr/formelmathe.h"

#include "core/zahltext.h"

#include <cmath>
#include <limits>
#include <utility>

namespace orbisto {

// Sign set, exponent 43FE, mantissa F2168983B9DBB273: the mantissa as a whole number
// times 2^(1023 - 63) gives exactly that pattern.
const long double Fehlerwert = -0xF2168983B9DBB273p960L;

namespace {

FormelFehlerHaken& haken()
{
    static FormelFehlerHaken h;
    return h;
}

void melden(const std::string& meldung)
{
    if (haken())
        haken()(meldung);
}

}  // namespace

FormelFehlerHaken FormelFehlerHakenSetzen(FormelFehlerHaken neu) { return std::exchange(haken(), std::move(neu)); }

long double Ln(long double a)
{
    if (a < 1E-15L) {
        melden("Logarithmus von " + ZahlText(a));
        return Fehlerwert;
    }
    return std::log(a);
}

PotenzArt PotenzEinordnen(long double e)
{
    PotenzArt art{PotenzArt::Allgemein, e > 0};
    const long double f = std::fabs(e) + 1E-18L;
    if (e == 0) {
        art.fall = PotenzArt::Eins;
    } else if (f - std::trunc(f) < 2E-18L && std::fabs(e) <= 2147483647.0L) {
        art.fall = PotenzArt::Ganz;
        art.ganz = std::llrint(e);
    }
    return art;
}

long double PotenzAllgemein(long double b, long double e)
{
    if (b > 0)
        return std::exp(e * std::log(b));
    melden("Potenzieren");
    return Fehlerwert;
}

long double Potenz(long double b, long double e) { return PotenzMit(b, e, PotenzEinordnen(e)); }

long double Fakultaet(long double a)
{
    // fak(a) is a * fak(a - 1) above 1, so the factors are multiplied from the smallest
    // up. Beyond 2000 the product overflows for certain, and a - 1 stops changing a at
    // all for huge a, so those go straight to infinity.
    if (!(a > 1))
        return 1;
    if (a > 2000)
        return std::numeric_limits<long double>::infinity();
    int kleinster = 0;  // a - j is exact here, for every j
    while (a - (kleinster + 1) > 1)
        ++kleinster;
    long double r = 1;
    for (int j = kleinster; j >= 0 && !std::isinf(r); --j)
        r = (a - j) * r;
    return r;
}

}  // namespace orbisto
