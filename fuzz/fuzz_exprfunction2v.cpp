// Parses, compiles and evaluates arbitrary text as a two-variable formula. Aborts when
// a syntax error is reported inconsistently, when Eval of a faulty formula does not
// raise, or when the machine code and the portable evaluator disagree: bit for bit
// with the library functions compiled in, and also with the fast x87 functions as
// long as the formula uses none of the functions they serve.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "expr/compileexpr.h"
#include "expr/exprfunction2v.h"
#include "expr/exprmath.h"
#include "expr/parseexpr.h"

using namespace orbisto;

namespace {

bool Same(long double a, long double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_exprfunction2v: %s\n", what);
        std::abort();
    }
}

bool UsesApproximatedFunction(const Expression& e)
{
    for (const ExprInstr in : ExprInstructions(e.code))
        if (in.op == opFunction && ExprIsApproximated(static_cast<ExprFn>(in.arg)))
            return true;
    return false;
}

constexpr long double kInf = std::numeric_limits<long double>::infinity();
const long double kPoints[][2] = {
    {0, 0},
    {1.5L, -2.25L},
    {-7, 3},
    {0.3L, 1e6L},
    {-1e-7L, 123456.789L},
    {-0.0L, kInf},
    {std::numeric_limits<long double>::quiet_NaN(), 2},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Expression e;
    ParseExpr(text, {"x", "y"}, e);
    const IExprFunction2V f = NewFunction2V(text, "x", "y");
    Check(f->IsValid() == !e.error, "IsValid differs from the parse result");
    if (e.error) {
        Check(e.errorCode >= eeParenthesis && e.errorCode <= eeTooDeep, "unknown error code");
        Check(e.errorPos >= 0 && static_cast<std::size_t>(e.errorPos) <= size, "error position outside the text");
        Check(f->ErrorInfo().code == e.errorCode && f->ErrorInfo().position == e.errorPos, "ErrorInfo");
        Check(f->ErrorMessage().rfind("Error on char ", 0) == 0, "ErrorMessage");
        try {
            f->Eval(1, 2);
            Check(false, "Eval of a faulty formula did not raise");
        } catch (const AllgemeinerFehler& error) {
            const std::string erwartet = e.errorCode == eeTooDeep ? "Die Formel ist zu tief geschachtelt (höchstens " +
                                                                        std::to_string(kMaxNesting) + " Ebenen)"
                                                                  : "Cannot evaluate expression due to a syntax error.";
            Check(error.what() == erwartet, "message");
        }
        return 0;
    }
    Check(e.code.size() <= kMaxPostfix && e.constants.size() <= kMaxConstants, "limits");
    Check(e.maxPending <= kMaxPending, "pending values");
#if ORBISTO_EXPR_JIT
    const ExprEntry library = CompileExpr(e, X87Options{true});
    const bool fastIsExact = !UsesApproximatedFunction(e);
    for (const auto& p : kPoints) {
        const long double portable = f->EvalPortable(p[0], p[1]);
        Check(Same(library(p[0], p[1]), portable), "machine code differs from the portable evaluator");
        const long double fast = f->Eval(p[0], p[1]);
        Check(!fastIsExact || Same(fast, portable), "fast machine code differs from the portable evaluator");
    }
    FreeFunc(library);
#else
    for (const auto& p : kPoints)
        f->Eval(p[0], p[1]);
#endif
    return 0;
}
