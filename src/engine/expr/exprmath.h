#pragma once
// What the operations of the postfix code mean, in 80-bit precision. Both evaluators
// (machine code and the portable interpreter) use these routines or reproduce them
// instruction for instruction, so that their results are identical.

#include <cstdint>

namespace orbisto {

enum ExprFn : std::uint8_t;  // the function codes, parseexpr.h

// Base raised to a whole exponent by repeated squaring, the bits taken from the lowest;
// a negative exponent gives the reciprocal of the positive power, and n = 0 gives 1.
// The first factor is taken as it is, not as 1 * base, just as the generated code
// does. FormelWert's whole powers come from here too.
inline long double ExprIntPower(long double base, long n)
{
    unsigned long m = n < 0 ? 0UL - static_cast<unsigned long>(n) : static_cast<unsigned long>(n);
    long double r = 1;
    bool have = false;
    while (m != 0) {
        if (m & 1) {
            r = have ? r * base : base;
            have = true;
        }
        m >>= 1;
        if (m == 0)
            break;
        base = base * base;
    }
    return n < 0 ? 1 / r : r;
}

// Power operation: whole exponents up to 2147483647 in magnitude through ExprIntPower,
// all others as exp(exponent * ln base) (NaN for a negative base).
long double ExprPower(long double base, long double exponent);

// True when ExprPower takes the whole-number route for this exponent.
bool ExprIsIntExponent(long double exponent);

// Value of a named constant (ExprConstant: pi, e, 1, 0).
long double ExprNamedConstant(int which);

// Function fn applied to a.
long double ExprFunction(ExprFn fn, long double a);

// The functions above one by one, for calls from generated code.
using ExprUnaryFn = long double (*)(long double);
ExprUnaryFn ExprFunctionPointer(ExprFn fn);

// Functions whose exact result the generated code may take from faster x87
// instructions (fsin, fcos, fptan, f2xm1) within a small tolerance.
bool ExprIsApproximated(ExprFn fn);

}  // namespace orbisto
