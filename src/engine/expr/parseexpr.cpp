#include "expr/parseexpr.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace orbisto {

// In the order of ExprFn.
const char* const ExprFunctionName[kFunctionCount] = {
    "sin", "cos", "tan",  "cot", "arcsin", "arccos", "arctan", "arccot", "ln",    "lb",
    "log", "exp", "sqrt", "sqr", "sign",   "abs",    "frac",   "round",  "trunc", "heaviside",
};

std::string ExprErrorText(int code, int pos)
{
    const char* what = nullptr;
    switch (code) {
    case eeParenthesis: what = "\")\" or operator expected"; break;
    case eeUnknownName: what = "Unknown variable or constant"; break;
    case eeInvalidNumber: what = "Invalid number"; break;
    case eeOperandExpected: what = "Number, variable, constant, function or parenthesis expected"; break;
    case eeOperatorExpected: what = "Operator expected"; break;
    case eeUnknownFunction: what = "Unknown function"; break;
    case eeTooLong: what = "Expression too long"; break;
    case eeTooDeep: what = "Expression nested too deeply"; break;
    default: return "ParseExpr: Unknown syntax error";
    }
    return "Error on char " + std::to_string(pos) + ": " + what;
}

namespace {

struct Failure {
    int code;
    std::size_t pos;
};

bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Correctly rounded value of a number text ("12,5e-3"): the "C" locale keeps the
// conversion independent of the locale the program runs in, and a long run of digits
// cannot overflow an intermediate power of ten.
long double NumberValue(std::string_view text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    std::string s(text);
    std::replace(s.begin(), s.end(), ',', '.');
    return strtold_l(s.c_str(), nullptr, cLocale);
}

class Parser {
public:
    Parser(std::string_view text, const std::vector<std::string>& variables, Expression& out)
        : s_(text), variables_(variables), out_(out)
    {
    }

    void Run()
    {
        ParseSum();
        SkipSpaces();
        // Only a surplus ")" can stop the sum before the end.
        if (!AtEnd())
            throw Failure{eeOperatorExpected, p_};
        out_.code.push_back(opEnd);
    }

private:
    // Every recursion passes through ParsePower, so counting there bounds the stack. The
    // functions on the way keep their frames small (with a sanitizer, every local of an
    // inlined helper would be in each level's frame): Emit, numbers and name lookups are
    // not inlined into them.
    struct Deeper {
        explicit Deeper(Parser& p) : p_(p)
        {
            if (++p_.nesting_ > kMaxNesting)
                throw Failure{eeTooDeep, p_.p_};
        }
        ~Deeper() { --p_.nesting_; }
        Parser& p_;
    };

    bool AtEnd() const { return p_ >= s_.size(); }
    int Peek() const { return AtEnd() ? -1 : static_cast<unsigned char>(s_[p_]); }
    void SkipSpaces()
    {
        while (Peek() == ' ')
            ++p_;
    }

    [[gnu::noinline]] void Emit(std::uint8_t op, int arg = -1)
    {
        assert((arg >= 0) == ExprHasArgument(op));  // as ExprInstructions reads it
        const std::size_t bytes = arg < 0 ? 1 : 2;
        if (out_.code.size() + bytes + 1 > kMaxPostfix)
            throw Failure{eeTooLong, p_};
        out_.code.push_back(op);
        if (arg >= 0)
            out_.code.push_back(static_cast<std::uint8_t>(arg));
        if (op == opVariable || op == opNumber || op == opConstant) {
            if (++pending_ > kMaxPending)
                throw Failure{eeTooDeep, p_};
            out_.maxPending = std::max(out_.maxPending, pending_);
        } else if (op >= opAdd && op <= opPower) {
            --pending_;
        }
    }

    // expression = term { ("+" | "-") term }
    void ParseSum()
    {
        ParseProduct();
        for (;;) {
            SkipSpaces();
            const int c = Peek();
            if (c != '+' && c != '-')
                return;
            ++p_;
            ParseProduct();
            Emit(c == '+' ? opAdd : opSub);
        }
    }

    // term = power { ["*" | "/"] power }; a power followed by anything but an operator,
    // ")" or the end is multiplied with the next one (2x, 3(x+1), x y).
    void ParseProduct()
    {
        ParsePower();
        for (;;) {
            SkipSpaces();
            const int c = Peek();
            if (c == -1 || c == ')' || c == '+' || c == '-')
                return;
            if (c == '*' || c == '/')
                ++p_;
            ParsePower();
            Emit(c == '/' ? opDiv : opMul);
        }
    }

    // power = ("+" | "-") power | primary [ "^" power ]
    void ParsePower()
    {
        Deeper deeper(*this);
        SkipSpaces();
        const int c = Peek();
        if (c == '+' || c == '-') {
            ++p_;
            ParsePower();
            if (c == '-')
                Emit(opNegate);
            return;
        }
        ParsePrimary();
        SkipSpaces();
        if (Peek() == '^') {
            ++p_;
            ParsePower();
            Emit(opPower);
        }
    }

    void ParsePrimary()
    {
        SkipSpaces();
        const int c = Peek();
        if (IsDigit(c)) {
            ParseNumber();
        } else if (c == '(') {
            ++p_;
            ParseSum();
            ExpectClose();
        } else if (IsLetter(c)) {
            ParseName();
        } else {
            throw Failure{eeOperandExpected, p_};
        }
    }

    void ExpectClose()
    {
        SkipSpaces();
        if (Peek() != ')')
            throw Failure{eeParenthesis, p_};
        ++p_;
    }

    void SkipDigits()
    {
        while (IsDigit(Peek()))
            ++p_;
    }

    // number = digits [("," | ".") digits] [("E" | "e") ["+" | "-"] digits]
    [[gnu::noinline]] void ParseNumber()
    {
        const std::size_t start = p_;
        SkipDigits();
        if (Peek() == ',' || Peek() == '.') {
            ++p_;
            if (!IsDigit(Peek()))
                throw Failure{eeInvalidNumber, p_};
            SkipDigits();
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++p_;
            if (Peek() == '+' || Peek() == '-')
                ++p_;
            if (!IsDigit(Peek()))
                throw Failure{eeInvalidNumber, p_};
            SkipDigits();
        }
        const std::size_t end = p_;
        // A separator or exponent letter after the number, directly or after spaces,
        // belongs to no valid number: "2 e", "2 ,5", "2.5.3".
        SkipSpaces();
        const int next = Peek();
        if (next == ',' || next == '.' || next == 'e' || next == 'E')
            throw Failure{eeInvalidNumber, p_};
        p_ = end;

        const long double v = NumberValue(s_.substr(start, end - start));
        if (v == 0) {
            Emit(opConstant, kcZero);
        } else if (v == 1) {
            Emit(opConstant, kcOne);
        } else {
            auto& list = out_.constants;
            const auto found = std::find(list.begin(), list.end(), v);
            if (found == list.end() && list.size() == kMaxConstants)
                throw Failure{eeTooLong, start};
            const auto index = found - list.begin();
            if (found == list.end())
                list.push_back(v);
            Emit(opNumber, static_cast<int>(index));
        }
    }

    // A name before "(" is a function; otherwise a variable, pi or e.
    void ParseName()
    {
        const std::size_t start = p_;
        while (IsLetter(Peek()) || IsDigit(Peek()))
            ++p_;
        const std::size_t nameEnd = p_;
        SkipSpaces();
        if (Peek() == '(') {
            const int f = FunctionCode(start, nameEnd);
            ++p_;
            ParseSum();
            ExpectClose();
            Emit(opFunction, f);
            return;
        }
        p_ = nameEnd;
        EmitName(start, nameEnd);
    }

    // The lookups of a name stay out of the recursion's frames (see Deeper).
    [[gnu::noinline]] int FunctionCode(std::size_t start, std::size_t end) const
    {
        const std::string_view name = s_.substr(start, end - start);
        const auto* const last = ExprFunctionName + kFunctionCount;
        const auto* const f = std::find(ExprFunctionName, last, name);
        if (f == last)
            throw Failure{eeUnknownFunction, end};
        return static_cast<int>(f - ExprFunctionName);
    }

    [[gnu::noinline]] void EmitName(std::size_t start, std::size_t end)
    {
        const std::string_view name = s_.substr(start, end - start);
        const auto v = std::find(variables_.begin(), variables_.end(), name);
        if (v != variables_.end() && v - variables_.begin() < 256) {
            Emit(opVariable, static_cast<int>(v - variables_.begin()));
        } else if (name == "pi") {
            Emit(opConstant, kcPi);
        } else if (name == "e") {
            Emit(opConstant, kcE);
        } else {
            throw Failure{eeUnknownName, end};
        }
    }

    std::string_view s_;
    std::size_t p_ = 0;
    const std::vector<std::string>& variables_;
    Expression& out_;
    int nesting_ = 0;
    int pending_ = 0;
};

}  // namespace

void ParseExpr(std::string_view formula, const std::vector<std::string>& variables, Expression& result)
{
    result = Expression{};
    try {
        Parser(formula, variables, result).Run();
    } catch (const Failure& f) {
        result = Expression{};
        result.error = true;
        result.errorCode = f.code;
        result.errorPos = static_cast<int>(std::min<std::size_t>(f.pos, INT_MAX));
    }
}

}  // namespace orbisto
