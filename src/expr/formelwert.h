#pragma once
// The one-variable formula evaluator: German school notation ("0,5*x", "lg", "fak",
// "si_" in degrees), evaluated as the text says with 80-bit values throughout.

#include <functional>
#include <string>
#include <string_view>

namespace orbisto {

// Value of the formula at x. A part that is not a number, x or a known function name
// throws KonvertierungsFehler (core/zahltext.h) naming that part; so does nesting too
// deep to evaluate. Parsed forms are cached per text, so repeated calls are cheap.
long double FormelWert(std::string_view formel, long double x);

// -1.7E308: what a failed logarithm or power gives instead of an error.
extern const long double Fehlerwert;

// Natural logarithm that answers Fehlerwert (and reports) below 1E-15.
long double Ln(long double a);

// b^e: whole exponents by repeated squaring, others through exp/ln; a negative base
// with a non-whole exponent answers Fehlerwert (and reports).
long double Potenz(long double b, long double e);

// Hears about the failures above ("Logarithmus von 0", "Potenzieren"); evaluation goes
// on with Fehlerwert either way. No hook is installed at start. Installs `haken` for
// the whole program and returns the previous one.
using FormelFehlerHaken = std::function<void(const std::string& meldung)>;
FormelFehlerHaken FormelFehlerHakenSetzen(FormelFehlerHaken haken);

}  // namespace orbisto
