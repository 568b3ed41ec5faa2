#include "expr/exprfunction2v.h"

#include "expr/parseexpr.h"

namespace orbisto {

std::string TExprFunction::ErrorMessage() const { return ExprErrorText(errorCode_, errorPos_); }

TExprFunction2V::TExprFunction2V(std::string_view formula, std::string_view var1, std::string_view var2)
{
    Expression e;
    ParseExpr(formula, {std::string(var1), std::string(var2)}, e);
    if (e.error) {
        errorPos_ = e.errorPos;
        errorCode_ = e.errorCode;
        return;
    }
    program_ = ExprProgram(e);
#if ORBISTO_EXPR_JIT
    code_ = CompileExpr(e);
#endif
}

TExprFunction2V::~TExprFunction2V()
{
#if ORBISTO_EXPR_JIT
    // A destructor cannot pass the error on; munmap of our own mapping does not fail.
    try {
        FreeFunc(code_);
    } catch (const AllgemeinerFehler&) {
    }
#endif
}

long double TExprFunction2V::EvalPortable(long double x, long double y) const
{
    if (program_.empty())
        SyntaxError();
    return program_.Run(x, y);
}

void TExprFunction2V::SyntaxError() const
{
    if (errorCode_ == eeTooDeep)
        throw AllgemeinerFehler("Die Formel ist zu tief geschachtelt (höchstens " + std::to_string(kMaxNesting) +
                                " Ebenen)");
    throw AllgemeinerFehler("Cannot evaluate expression due to a syntax error.");
}

IExprFunction2V NewFunction2V(std::string_view formula, std::string_view var1, std::string_view var2)
{
    return std::make_shared<TExprFunction2V>(formula, var1, var2);
}

}  // namespace orbisto
