#pragma once
// The one-variable formula evaluator: German school notation ("0,5*x", "lg", "fak",
// "si_" in degrees), evaluated with 80-bit values throughout.
//
// How a formula is read. First a "*" goes between a digit or ")" and a directly
// following letter or "(": "2x", "3(x+1)", "(x+1)(x-1)"; "sin2x" is sin(2)*x. Then the
// whole text is read as one part, and a part by the first of these rules that applies:
//  1. Blanks and control characters around it do not count; an empty part is 0.
//  2. A part beginning with "-" gets a "0" in front: "-x^2" is 0-x^2.
//  3. It is split at its rightmost "+" with as many "(" as ")" to the right of it
//     within the part; failing that at such a "-", then "*", "/", "^". Both sides are
//     parts of their own. So chains go from the left, powers too ("8-3-2" is 3, "2^3^2"
//     is 64); "-" binds more tightly than "+" and "/" than "*" ("12/2*3" is 18); an
//     empty side is 0 ("x*-2" is x*0-2, "2^-1" is 2^0-1).
//  4. A part beginning with ln, lg, lb, sin, cos, tan, arctan, arcsin, arccos, si_,
//     co_, ta_, arcta_, arcsi_, arcco_, abs, exp, fak, int or sqrt, tried in this
//     order, is that function of the rest: "sin x+1" is sin(x)+1, "sinh(x)" is sin of
//     the bad part "h(x)", "abs -3" is abs(0)-3.
//  5. A part beginning with "(" loses its first and its last character, whatever they
//     are, so unbalanced parentheses are read as they come: "(x+1" is 0+1.
//  6. "x" is x.
//  7. Anything else is a number as TextZahl reads it (decimal comma; no exponent, since
//     the "*" above makes "1E5" the product 1*E5). A part that is not a number throws
//     KonvertierungsFehler (core/zahltext.h) naming it, with the "0" of rule 2 if it
//     got one.
// Every part is evaluated, left side before right, so of two bad parts the left one is
// named, and the failures before it have been reported.
//
// Limits. Each rule that reads a piece of a part as a part of its own (3 to 5) goes one
// level deeper; a part more than FormelEbenenMax levels deep is refused with
// FormelGrenzeFehler in its place, like a bad part. A formula longer than
// FormelLaengeMax characters is refused as a whole before anything is evaluated, as too
// deeply nested when its parentheses alone nest more than FormelEbenenMax deep. No
// school formula comes near either limit, and a hostile one answers at once with its
// message instead of exhausting the stack or the time of the caller.
//
// What the functions and operators give:
//  - lg and lb are Ln / ln 10 and Ln / ln 2, so below 1E-15 all three give Fehlerwert
//    (lg and lb divided) and report "Logarithmus von <argument>".
//  - sin, cos, tan in radians, si_, co_, ta_ in degrees; tan is sin / cos. arcsin a is
//    atan2(a, sqrt(1 - a*a)), arccos a is atan2(sqrt(1 - a*a), a); arcta_, arcsi_ and
//    arcco_ answer in degrees.
//  - int rounds down, fak is Fakultaet, abs, exp and sqrt are the usual ones.
//  - "^" is Potenz; its failures give Fehlerwert and report "Potenzieren".
//  - Division by zero, sqrt of a negative number and the like give infinities and NaN.
// Parsed forms are cached per text, so repeated calls are cheap and give the same
// values, reports and errors as the first.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/zahltext.h"
#include "expr/formelmathe.h"

namespace orbisto {

inline constexpr int FormelEbenenMax = 1000;
inline constexpr std::size_t FormelLaengeMax = 65536;  // as long as a field of a list file may be

// A formula beyond one of the limits above. It is a KonvertierungsFehler whose text() is
// the part refused (the whole formula when it is too long), so whoever handles a formula
// that cannot be read handles this one too; what() says which limit it passed:
// "Die Formel ist zu tief geschachtelt (höchstens 1000 Ebenen)",
// "Die Formel ist zu lang (höchstens 65536 Zeichen)".
class FormelGrenzeFehler : public KonvertierungsFehler {
public:
    FormelGrenzeFehler(std::string_view teil, std::string meldung);
    const char* what() const noexcept override { return meldung_.c_str(); }

private:
    std::string meldung_;
};

// Value of the formula at x, read by the rules above.
long double FormelWert(std::string_view formel, long double x);

}  // namespace orbisto
