#pragma once
// Compiled formulas of two variables. NewFunction2V parses a formula once and turns it
// into code that Eval runs without parsing, string handling or allocation. A syntax
// error never raises at construction; it is kept (IsValid, ErrorInfo, ErrorMessage)
// and raises AllgemeinerFehler at the first Eval: "Cannot evaluate expression due to a
// syntax error.", or for a formula nested beyond the parser's limit (kMaxNesting) "Die
// Formel ist zu tief geschachtelt (höchstens 256 Ebenen)", since that one is no typing
// mistake a user could find.
//
// Callers hold a function through IExprFunction2V, a shared reference: assigning
// another function releases the previous one, and the last reference frees the
// function with its code.

#include <memory>
#include <string>
#include <string_view>

#include "core/allgemeinerfehler.h"
#include "expr/compileexpr.h"
#include "expr/exprprogram.h"

namespace orbisto {

struct ExprErrorInfo {
    int position;  // 0-based character index into the formula
    int code;      // 0 = no error
};

class TExprFunction {
public:
    virtual ~TExprFunction() = default;
    TExprFunction(const TExprFunction&) = delete;
    TExprFunction& operator=(const TExprFunction&) = delete;

    virtual bool IsValid() const = 0;
    ExprErrorInfo ErrorInfo() const { return {errorPos_, errorCode_}; }
    // "Error on char 3: Unknown variable or constant" and the like.
    std::string ErrorMessage() const;

protected:
    TExprFunction() = default;
    int errorPos_ = 0;
    int errorCode_ = 0;
};

class TExprFunction2V final : public TExprFunction {
public:
    TExprFunction2V(std::string_view formula, std::string_view var1, std::string_view var2);
    ~TExprFunction2V() override;

    // True when the formula compiled.
    bool IsValid() const override { return !program_.empty(); }

    long double Eval(long double x, long double y) const
    {
#if ORBISTO_EXPR_JIT
        if (code_ != nullptr)
            return code_(x, y);
#endif
        return EvalPortable(x, y);
    }

    // The same value through the portable evaluator (the only one on processors
    // without a code generator). Sine, cosine, tangent, cotangent and exp come from
    // the C library here; Eval's faster instructions agree within 1E-15.
    long double EvalPortable(long double x, long double y) const;

private:
    [[noreturn]] void SyntaxError() const;

#if ORBISTO_EXPR_JIT
    ExprEntry code_ = nullptr;
#endif
    ExprProgram program_;
};

using IExprFunction2V = std::shared_ptr<TExprFunction2V>;

// A function of the formula in the variables var1 and var2, x and y unless named.
IExprFunction2V NewFunction2V(std::string_view formula, std::string_view var1 = "x", std::string_view var2 = "y");

}  // namespace orbisto
