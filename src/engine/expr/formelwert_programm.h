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

#include "expr/formelmathe.h"

namespace orbisto {

enum class FormelOp : std::uint8_t {
    Ende,
    Zahl,
    X,
    Fehler,  // a part that is no number: KonvertierungsFehler naming it
    ZuTief,  // a part nested too deeply: FormelGrenzeFehler naming it
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

struct FormelBefehl {
    long double wert = 0;    // constant operand
    PotenzArt potenz{};      // for HochZahl
    std::uint32_t text = 0;  // index into fehlerTexte for Fehler and ZuTief
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

// What FormelGrenzeFehler says for a part nested deeper than FormelEbenenMax.
std::string ZuTiefMeldung();

}  // namespace orbisto
