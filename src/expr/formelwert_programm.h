#pragma once
// A formula text translated once into postfix code. Running the code gives the same
// value, the same error reports and the same conversion error, in the same order, as
// reading the text again: every part of the text is always evaluated, so the code is
// straight-line and only x changes between runs.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orbisto {

enum class FormelOp : std::uint8_t {
    Ende,
    Zahl,
    X,
    Fehler,
    // binary, right operand on top / a constant / x
    Plus,
    Minus,
    Mal,
    Durch,
    Hoch,
    PlusZahl,
    MinusZahl,
    MalZahl,
    DurchZahl,
    HochZahl,
    PlusX,
    MinusX,
    MalX,
    DurchX,
    HochX,
    Quadrat,  // ^2, the commonest power: b*b is what squaring gives, also for b = 0
    // binary with a constant / x as left operand
    ZahlMinus,
    ZahlDurch,
    ZahlHoch,
    XMinus,
    XDurch,
    XHoch,
    // functions, in the order their names are tried
    Ln,
    Lg,
    Lb,
    Sin,
    Cos,
    Tan,
    ArcTan,
    ArcSin,
    ArcCos,
    SiGrad,
    CoGrad,
    TaGrad,
    ArcTaGrad,
    ArcSiGrad,
    ArcCoGrad,
    Abs,
    Exp,
    Fak,
    Int,
    Sqrt,
};

// How a power treats its exponent; fixed for a constant exponent, so worked out once.
struct PotenzArt {
    enum Fall : std::uint8_t { Eins, Ganz, Allgemein } fall;
    bool positiv;           // exponent > 0 (0^e is 0 then)
    std::int64_t ganz = 0;  // the whole exponent for Ganz
};
PotenzArt PotenzEinordnen(long double e);
long double PotenzAllgemein(long double b, long double e);  // non-whole exponents

inline long double GanzePotenz(long double b, std::int64_t n)
{
    std::uint64_t rest = n < 0 ? -static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    long double r = 1;
    while (rest > 0) {
        if (rest & 1)
            r *= b;
        rest >>= 1;
        if (rest > 0)
            b *= b;
    }
    return n < 0 ? 1 / r : r;
}

inline long double PotenzMit(long double b, long double e, PotenzArt art)
{
    if (art.fall == PotenzArt::Eins)
        return 1;
    if (b == 0 && art.positiv)
        return 0;
    if (art.fall == PotenzArt::Ganz)
        return GanzePotenz(b, art.ganz);
    return PotenzAllgemein(b, e);
}

long double Fakultaet(long double a);

struct FormelBefehl {
    long double wert = 0;    // constant operand
    PotenzArt potenz{};      // for HochZahl
    std::uint32_t text = 0;  // index into fehlerTexte for Fehler
    FormelOp op = FormelOp::Ende;
};

struct FormelProgramm {
    std::vector<FormelBefehl> code;  // ends with Ende
    std::vector<std::string> fehlerTexte;
    std::size_t stapel = 0;  // most values pending at once

    std::size_t Bytes() const;
};

FormelProgramm FormelUebersetzen(std::string_view formel);
long double FormelAusfuehren(const FormelProgramm& p, const long double& x);

// Passes a failure text to the installed hook, if any.
void FormelFehlerMelden(const std::string& meldung);

}  // namespace orbisto
