#pragma once
// Parser of the two-variable expression compiler: formula text -> postfix code.
//
// The postfix code is a byte string: each operation is one byte, opVariable, opNumber,
// opConstant and opFunction followed by one argument byte, and the code ends with opEnd.
// Numbers are kept in a constant list that the code indexes; 0 and 1 are coded as named
// constants, and equal numbers share one list entry. ExprInstructions reads it back.

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace orbisto {

enum ExprOp : std::uint8_t {
    opEnd = 0,
    opVariable = 1,  // argument: variable index (0 = x, 1 = y)
    opNumber = 2,    // argument: index into the constant list
    opConstant = 3,  // argument: ExprConstant
    opAdd = 4,
    opSub = 5,  // next-to-top minus top
    opMul = 6,
    opDiv = 7,    // next-to-top divided by top
    opPower = 8,  // next-to-top raised to top
    opNegate = 9,
    opFunction = 10,  // argument: ExprFn
};

constexpr bool ExprHasArgument(std::uint8_t op)
{
    return op == opVariable || op == opNumber || op == opConstant || op == opFunction;
}

enum ExprConstant : std::uint8_t { kcPi = 0, kcE = 1, kcOne = 2, kcZero = 3 };

// Error codes; 7 and 8 guard the engine's limits below.
enum ExprError : int {
    eeNone = 0,
    eeParenthesis = 1,  // ")" or operator expected
    eeUnknownName = 2,  // unknown variable or constant
    eeInvalidNumber = 3,
    eeOperandExpected = 4,  // number, variable, constant, function or parenthesis expected
    eeOperatorExpected = 5,
    eeUnknownFunction = 6,
    eeTooLong = 7,  // postfix code or constant list would exceed its limit
    eeTooDeep = 8,  // nested too deeply, or too many values pending at once
};

// Limits of the engine. A formula beyond them is a syntax error (codes 7 and 8) at the
// character where the limit was reached, so no buffer or stack can overrun.
inline constexpr std::size_t kMaxPostfix = 16384;  // bytes of postfix code, end mark included
inline constexpr std::size_t kMaxConstants = 256;  // one argument byte indexes the list
inline constexpr int kMaxNesting = 256;            // parentheses, functions, signs, "^" chains
inline constexpr int kMaxPending = 512;            // values pending at once during evaluation

// The functions a formula can call, in the order of their codes.
enum ExprFn : std::uint8_t {
    fnSin,
    fnCos,
    fnTan,
    fnCot,
    fnArcSin,
    fnArcCos,
    fnArcTan,
    fnArcCot,
    fnLn,
    fnLb,
    fnLog,
    fnExp,
    fnSqrt,
    fnSqr,
    fnSign,
    fnAbs,
    fnFrac,
    fnRound,
    fnTrunc,
    fnHeaviside,
};
inline constexpr int kFunctionCount = fnHeaviside + 1;

// The name of each function as written in formulas, indexed by ExprFn.
extern const char* const ExprFunctionName[kFunctionCount];

// The parse result.
struct Expression {
    std::vector<std::uint8_t> code;      // postfix code, ends with opEnd
    std::vector<long double> constants;  // numbers the code refers to by index
    int errorPos = 0;                    // 0-based character index
    int errorCode = eeNone;
    bool error = false;
    int maxPending = 0;  // most values pending at once
};

// One operation of the postfix code with its argument byte (0 where it has none).
struct ExprInstr {
    ExprOp op;
    std::uint8_t arg;
};

// The operations of a postfix code in order, its end mark left out:
//     for (const ExprInstr in : ExprInstructions(e.code)) ...
// Both evaluators decode the code this way once, when a formula is compiled.
class ExprInstructions {
public:
    // `code` must be the code of a parse without error, so it ends with opEnd.
    explicit ExprInstructions(const std::vector<std::uint8_t>& code) : code_(code.data())
    {
        assert(!code.empty() && code.back() == opEnd);
    }
    explicit ExprInstructions(std::vector<std::uint8_t>&&) = delete;  // would dangle

    class Iterator {
    public:
        ExprInstr operator*() const
        {
            return {static_cast<ExprOp>(p_[0]), ExprHasArgument(p_[0]) ? p_[1] : std::uint8_t{0}};
        }
        Iterator& operator++()
        {
            p_ += ExprHasArgument(p_[0]) ? 2 : 1;
            return *this;
        }
        bool operator==(std::default_sentinel_t) const { return p_[0] == opEnd; }

    private:
        friend class ExprInstructions;
        explicit Iterator(const std::uint8_t* p) : p_(p) {}
        const std::uint8_t* p_;
    };

    Iterator begin() const { return Iterator(code_); }
    std::default_sentinel_t end() const { return {}; }

private:
    const std::uint8_t* code_;
};

// Parses `formula`; variable i of the postfix code is variables[i].
void ParseExpr(std::string_view formula, const std::vector<std::string>& variables, Expression& result);

// The text ErrorMessage shows for an error code and position.
std::string ExprErrorText(int code, int pos);

}  // namespace orbisto
