#include "expr/exprmath.h"

#include <cmath>
#include <iterator>

#include "expr/parseexpr.h"

namespace orbisto {

bool ExprIsIntExponent(long double exponent)
{
    return exponent == std::trunc(exponent) && std::fabs(exponent) <= 2147483647.0L;
}

long double ExprPower(long double base, long double exponent)
{
    if (ExprIsIntExponent(exponent))
        return ExprIntPower(base, static_cast<long>(exponent));
    return std::exp(exponent * std::log(base));
}

namespace {

long double Sin(long double a) { return std::sin(a); }
long double Cos(long double a) { return std::cos(a); }
long double Tan(long double a) { return std::tan(a); }
long double Cot(long double a) { return 1 / std::tan(a); }
long double ArcSin(long double a) { return std::atan2(a, std::sqrt(1 - a * a)); }
long double ArcCos(long double a) { return std::atan2(std::sqrt(1 - a * a), a); }
long double ArcTan(long double a) { return std::atan2(a, 1.0L); }
long double ArcCot(long double a) { return std::atan2(1.0L, a); }
long double Ln(long double a) { return std::log(a); }
long double Lb(long double a) { return std::log2(a); }
long double Log(long double a) { return std::log10(a); }
long double Exp(long double a) { return std::exp(a); }
long double Sqrt(long double a) { return std::sqrt(a); }
long double Sqr(long double a) { return a * a; }
long double Sign(long double a) { return a < 0 ? -1.0L : a > 0 ? 1.0L : a; }
long double Abs(long double a) { return std::fabs(a); }
long double Frac(long double a) { return a - std::trunc(a); }
// Rounds in the current mode, which the program never changes: halves to even.
long double Round(long double a) { return std::nearbyint(a); }
long double Trunc(long double a) { return std::trunc(a); }
long double Heaviside(long double a) { return a >= 0 ? 1.0L : 0.0L; }

// Indexed by ExprFn.
constexpr ExprUnaryFn kFunctions[] = {
    Sin, Cos, Tan,  Cot, ArcSin, ArcCos, ArcTan, ArcCot, Ln,    Lb,
    Log, Exp, Sqrt, Sqr, Sign,   Abs,    Frac,   Round,  Trunc, Heaviside,
};
static_assert(std::size(kFunctions) == kFunctionCount);

}  // namespace

long double ExprNamedConstant(int which)
{
    static constexpr long double kNamed[] = {
        3.141592653589793238462643383279502884L,  // pi
        2.718281828459045235360287471352662498L,  // e
        1.0L,
        0.0L,
    };
    return kNamed[which];
}

long double ExprFunction(ExprFn fn, long double a) { return kFunctions[fn](a); }

ExprUnaryFn ExprFunctionPointer(ExprFn fn) { return kFunctions[fn]; }

bool ExprIsApproximated(ExprFn fn) { return fn == fnSin || fn == fnCos || fn == fnTan || fn == fnCot || fn == fnExp; }

}  // namespace orbisto
