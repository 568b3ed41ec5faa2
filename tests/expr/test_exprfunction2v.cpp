#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "expr/compileexpr.h"
#include "expr/exprfunction2v.h"
#include "expr/parseexpr.h"

namespace orbisto {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr long double kE = 2.718281828459045235360287471352662498L;
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInf = std::numeric_limits<long double>::infinity();

// Same value, NaN matching NaN and the sign of zero counting.
bool Same(long double a, long double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

// Within `tol` relative to the expected value, absolute below 1.
bool Close(long double a, long double expected, long double tol)
{
    if (std::isnan(a) || std::isnan(expected) || std::isinf(expected))
        return Same(a, expected);
    return std::fabs(a - expected) <= tol * std::fmax(1.0L, std::fabs(expected));
}

std::vector<std::string> XY() { return {"x", "y"}; }

struct ValueCase {
    const char* formula;
    long double x, y, expected;
};

// The grammar, the numbers, the operators and all twenty functions.
const ValueCase kValues[] = {
    {"x+y", 1, 2, 3},
    {"2x", 3.5L, 0, 7},
    {"x y", 3, 4, 12},
    {"2 3", 0, 0, 6},
    {"3(x+1)", 1, 0, 6},
    {"x/2y", 4, 3, 6},  // (x/2)*y, from the left
    {"2x^2", 3, 0, 18},
    {"2pi", 0, 0, 2 * kPi},
    {"0,5*x", 4, 0, 2},
    {"0.5*x", 4, 0, 2},
    {"1,5e2", 0, 0, 150},
    {"1e-3", 0, 0, 1e-3L},
    {"2E3", 0, 0, 2000},
    {"2e+3", 0, 0, 2000},
    {"0,1", 0, 0, 0.1L},
    {"2*e", 0, 0, 2 * kE},
    {"e", 0, 0, kE},
    {"  x  *  y ", 2, 5, 10},
    {"-x^2", 3, 0, -9},
    {"(-x)^2", 3, 0, 9},
    {"--x", 3, 0, 3},
    {"+x", 3, 0, 3},
    {"2^3^2", 0, 0, 512},
    {"2^-1", 0, 0, 0.5},
    {"2*-3", 0, 0, -6},
    {"8-3-2", 0, 0, 3},
    {"8/4/2", 0, 0, 1},
    {"x^-2", 2, 0, 0.25},
    {"x^0", kNaN, 0, 1},
    {"0^0", 0, 0, 1},
    {"(-2)^3", 0, 0, -8},
    {"x^y", -2, 3, -8},
    {"x^y", 2, 0.5L, std::sqrt(2.0L)},
    {"(-8)^(1/3)", 0, 0, kNaN},
    {"x^y", -8, 1.0L / 3, kNaN},
    {"1/0", 0, 0, kInf},
    {"1/x", 0, 0, kInf},
    {"sqrt(-1)", 0, 0, kNaN},
    {"sqrt(x)", -1, 0, kNaN},
    {"ln(x)", 0, 0, -kInf},
    {"sin(pi/2)", 0, 0, 1},
    {"sin(x)", kPi / 2, 0, 1},
    {"cos(x)", kPi, 0, -1},
    {"tan(x)", kPi / 4, 0, 1},
    {"cot(x)", kPi / 4, 0, 1},
    {"arcsin(x)", 1, 0, kPi / 2},
    {"arccos(x)", -1, 0, kPi},
    {"arctan(x)", 1, 0, kPi / 4},
    {"arccot(-1)", 0, 0, 3 * kPi / 4},
    {"arccot(x)", -1, 0, 3 * kPi / 4},
    {"ln(x)", kE, 0, 1},
    {"lb(8)", 0, 0, 3},
    {"lb(x)", 8, 0, 3},
    {"log(1000)", 0, 0, 3},
    {"log(x)", 1000, 0, 3},
    {"exp(x)", 1, 0, kE},
    {"sqr(3)", 0, 0, 9},
    {"sqr(x)", 3, 0, 9},
    {"sqrt(x)", 16, 0, 4},
    {"sign(-2)", 0, 0, -1},
    {"sign(x)", -2, 0, -1},
    {"sign(x)", 0.5L, 0, 1},
    {"sign(x)", 0, 0, 0},
    {"abs(x)", -3, 0, 3},
    {"frac(-2,5)", 0, 0, -0.5},
    {"frac(x)", -2.5L, 0, -0.5},
    {"round(2,5)", 0, 0, 2},
    {"round(x)", 2.5L, 0, 2},
    {"round(x)", 3.5L, 0, 4},
    {"round(x)", -2.5L, 0, -2},
    {"trunc(x)", -2.7L, 0, -2},
    {"heaviside(0)", 0, 0, 1},
    {"heaviside(x)", 0, 0, 1},
    {"heaviside(x)", -0.1L, 0, 0},
    {"heaviside(x)", kNaN, 0, 0},
    {"sin (x)", 0, 0, 0},
};

TEST(ExprFunction2V, ValuesOfTheLanguage)
{
    for (const ValueCase& c : kValues) {
        SCOPED_TRACE(c.formula);
        const IExprFunction2V f = NewFunction2V(c.formula, "x", "y");
        ASSERT_TRUE(f->IsValid()) << f->ErrorMessage();
        EXPECT_EQ(f->ErrorInfo().code, 0);
        EXPECT_TRUE(Close(f->Eval(c.x, c.y), c.expected, 1e-17L)) << static_cast<double>(f->Eval(c.x, c.y));
        EXPECT_TRUE(Close(f->EvalPortable(c.x, c.y), c.expected, 1e-17L));
    }
}

struct ErrorCase {
    const char* formula;
    int code;
    int position;
    const char* message;
};

const ErrorCase kErrors[] = {
    {"sin x", 2, 3, "Error on char 3: Unknown variable or constant"},
    {"sinus(x)", 6, 5, "Error on char 5: Unknown function"},
    {"sin(x", 1, 5, "Error on char 5: \")\" or operator expected"},
    {"(x", 1, 2, "Error on char 2: \")\" or operator expected"},
    {"2,", 3, 2, "Error on char 2: Invalid number"},
    {"", 4, 0, "Error on char 0: Number, variable, constant, function or parenthesis expected"},
    {"   ", 4, 3, "Error on char 3: Number, variable, constant, function or parenthesis expected"},
    {"2+", 4, 2, "Error on char 2: Number, variable, constant, function or parenthesis expected"},
    {"2 e", 3, 2, "Error on char 2: Invalid number"},
    {"2e", 3, 2, "Error on char 2: Invalid number"},
    {"2e+", 3, 3, "Error on char 3: Invalid number"},
    {"2 ,5", 3, 2, "Error on char 2: Invalid number"},
    {"2.5.3", 3, 3, "Error on char 3: Invalid number"},
    {"x2", 2, 2, "Error on char 2: Unknown variable or constant"},
    {"xy", 2, 2, "Error on char 2: Unknown variable or constant"},
    {"X", 2, 1, "Error on char 1: Unknown variable or constant"},
    {"E", 2, 1, "Error on char 1: Unknown variable or constant"},
    {"Sin(x)", 6, 3, "Error on char 3: Unknown function"},
    {"x(y)", 6, 1, "Error on char 1: Unknown function"},
    {"x)", 5, 1, "Error on char 1: Operator expected"},
    {"2#", 4, 1, "Error on char 1: Number, variable, constant, function or parenthesis expected"},
    {".5", 4, 0, "Error on char 0: Number, variable, constant, function or parenthesis expected"},
};

TEST(ExprFunction2V, SyntaxErrorsSurfaceAtTheFirstEval)
{
    for (const ErrorCase& c : kErrors) {
        SCOPED_TRACE(c.formula);
        IExprFunction2V f;
        ASSERT_NO_THROW(f = NewFunction2V(c.formula, "x", "y"));
        EXPECT_FALSE(f->IsValid());
        EXPECT_EQ(f->ErrorInfo().code, c.code);
        EXPECT_EQ(f->ErrorInfo().position, c.position);
        EXPECT_EQ(f->ErrorMessage(), c.message);
        try {
            f->Eval(1, 2);
            ADD_FAILURE() << "no error raised";
        } catch (const AllgemeinerFehler& e) {
            EXPECT_STREQ(e.what(), "Cannot evaluate expression due to a syntax error.");
        }
        EXPECT_THROW(f->EvalPortable(1, 2), AllgemeinerFehler);
    }
    EXPECT_EQ(ExprErrorText(99, 4), "ParseExpr: Unknown syntax error");
}

TEST(ParseExpr, PostfixCodeSharesConstantsAndNamesZeroAndOne)
{
    Expression e;
    ParseExpr("1+2,5*x-2.5+0+sqr(y)^2,5", XY(), e);
    ASSERT_FALSE(e.error);
    const std::vector<std::uint8_t> code = {
        opConstant, kcOne, opNumber,   0, opVariable, 0,     opMul,    opAdd, opNumber, 0,     opSub, opConstant,
        kcZero,     opAdd, opVariable, 1, opFunction, fnSqr, opNumber, 0,     opPower,  opAdd, opEnd};
    EXPECT_EQ(e.code, code);
    EXPECT_EQ(e.constants, std::vector<long double>{2.5L});
}

// The two evaluators must agree: bit for bit while the code generator takes every
// transcendental function from the library, within 1E-15 with its own instructions.
#if ORBISTO_EXPR_JIT
class LibraryCode {
public:
    explicit LibraryCode(const std::string& formula)
    {
        ParseExpr(formula, XY(), e_);
        if (!e_.error)
            entry_ = CompileExpr(e_, X87Options{true});
    }
    ~LibraryCode() { FreeFunc(entry_); }
    long double operator()(long double x, long double y) const { return entry_(x, y); }
    const Expression& expression() const { return e_; }

private:
    Expression e_;
    ExprEntry entry_ = nullptr;
};
#endif

const long double kPoints[] = {-10, -2.5L, -1, -0.3L, -0.0L, 0, 0.7L, 1, 3, 12.5L, 1234.5L, -3e7L, kNaN};

const char* const kSampleFormulas[] = {
    "x+y",
    "x-y",
    "y-x",
    "x*y",
    "x/y",
    "y/x",
    "2-x",
    "2/x",
    "x-2",
    "x/3",
    "3/x",
    "1,1*x",
    "x*1,1",
    "x-0",
    "x*1",
    "1*x",
    "x/1",
    "x+0",
    "0-x",
    "-x-y",
    "x^2+y^2",
    "x^3",
    "x^-3",
    "x^7",
    "y^x",
    "x^0,5",
    "2^x",
    "(x-y)^(x+y)",
    "sin(x)*cos(y)",
    "tan(x)+cot(y)",
    "exp(-(x*x+y*y)/4)*cos(3*x)",
    "arcsin(x/20)+arccos(y/20)",
    "arctan(x)-arccot(y)",
    "ln(x)+lb(y)+log(x*y)",
    "ln(1+x/1e6)",
    "sqrt(x)*sqr(y)",
    "sign(x)+abs(y)",
    "frac(x*1,7)+round(y*1,5)+trunc(x-y)",
    "heaviside(x)-heaviside(y)",
    "1*sin(6,283185*(sqrt(sqr(x--5)+sqr(y+4))/4-0/2000))",
    "x*(y-(x*(y-(x*(y-(x*(y-(x*(y-(x*(y-(x*(y-(x*(y-(x*(y-x)))))))))))))))))",
    "sin(x)-(cos(y)/(sin(x+1)-(cos(y+2)/(sin(x+3)-(cos(y+4)/(sin(x+5)-(cos(y+6)/(sin(x+7)-exp(y/8)))))))))",
    "sqrt(x)-(sqr(y)/(abs(x+1)-(ln(y+2)/(x^3-(y^x/(sign(x+5)-(lb(y+6)/(round(x+7)-exp(y/8)))))))))",
    "x/(y/(x/(y/(x/(y/(x/(y/(x/(y/(x/(y/(x^y)))))))))))) - 2^(x^(y^(x^(y^(x^(y^(x^y)))))))",
    "(x+y)*(x-y)*(x+1)*(y+1)*(x*(y+(x*(y+(x*(y+(x*(y+(x*(y+(x*(y+(x*(y+(x*(y+(x*(y+1))))))))))))))))))",
};

#if ORBISTO_EXPR_JIT
TEST(ExprFunction2V, MachineCodeAgreesWithThePortableEvaluator)
{
    for (const char* formula : kSampleFormulas) {
        SCOPED_TRACE(formula);
        const IExprFunction2V f = NewFunction2V(formula);
        const LibraryCode exact(formula);
        ASSERT_TRUE(f->IsValid()) << f->ErrorMessage();
        for (long double x : kPoints) {
            for (long double y : kPoints) {
                const long double portable = f->EvalPortable(x, y);
                EXPECT_TRUE(Same(exact(x, y), portable)) << "at " << double(x) << ", " << double(y);
                EXPECT_TRUE(Close(f->Eval(x, y), portable, 1e-15L)) << "at " << double(x) << ", " << double(y);
            }
        }
    }
}
#endif

TEST(ExprFunction2V, DeepNestingAndManyPendingValuesEvaluateExactly)
{
    const IExprFunction2V nine = NewFunction2V("1+(2+(3+(4+(5+(6+(7+(8+(9+x))))))))");
    EXPECT_EQ(nine->Eval(0.5L, 0), 45.5L);

    // 40 levels, each keeping a different computed value pending: more than the 8 x87
    // registers. The sines take the library route (|a| > 1E5), so all results are exact.
    std::string formula = "x";
    long double expected = 0.3L;
    for (int i = 1; i <= 40; ++i) {
        const std::string k = std::to_string(i);
        formula = "sin(y*1e6+" + k + ")/(" + formula + ")-" + k;
        expected = std::sin(0.7L * 1e6L + i) / expected - i;
    }
    Expression e;
    ParseExpr(formula, XY(), e);
    EXPECT_GT(e.maxPending, 8);
    const IExprFunction2V deep = NewFunction2V(formula);
    EXPECT_EQ(deep->Eval(0.3L, 0.7L), expected);
    EXPECT_EQ(deep->EvalPortable(0.3L, 0.7L), expected);
#if ORBISTO_EXPR_JIT
    EXPECT_EQ(LibraryCode(formula)(0.3L, 0.7L), expected);
#endif

    std::string parens = "x";
    for (int i = 0; i < 20; ++i)
        parens = "(" + parens + "+1)";
    EXPECT_EQ(NewFunction2V(parens)->Eval(2, 0), 22);

    // A thousand terms, summed from the left as written.
    std::string terms;
    long double sum = 0;
    for (int k = 1; k <= 1000; ++k) {
        terms += (k > 1 ? "+" : "") + std::to_string(k % 7 + 2) + "*x*y";
        sum = k > 1 ? sum + (k % 7 + 2) * 1.25L * -0.75L : (k % 7 + 2) * 1.25L * -0.75L;
    }
    const IExprFunction2V many = NewFunction2V(terms);
    EXPECT_EQ(many->Eval(1.25L, -0.75L), sum);
    EXPECT_EQ(many->EvalPortable(1.25L, -0.75L), sum);
}

TEST(ExprFunction2V, AbsurdFormulasAreRefusedAsSyntaxErrors)
{
    const std::size_t mb = 1 << 20;
    struct Case {
        std::string formula;
        int code;
    };
    const Case cases[] = {
        {std::string(mb, '('), eeTooDeep},
        {std::string(mb, '-') + "x", eeTooDeep},
        {[&] {
             std::string s;
             while (s.size() < mb)
                 s += "x+";
             return s + "x";
         }(),
         eeTooLong},
        {[&] {
             std::string s;
             while (s.size() < mb)
                 s += "x ";
             return s;
         }(),
         eeTooLong},
        {[] {
             std::string s;
             for (int i = 0; i < 300; ++i)
                 s += std::to_string(i) + ",5+";
             return s + "x";
         }(),
         eeTooLong},
        {"2^" + std::string(300, '(') + "x" + std::string(300, ')'), eeTooDeep},
        {std::string(256, '(') + "x" + std::string(256, ')'), eeTooDeep},
        {[&] {
             std::string s;
             while (s.size() < 10 * mb)
                 s += "sin(";
             return s;
         }(),
         eeTooDeep},
        {[&] {
             std::string s;
             while (s.size() < mb)
                 s += "x^";
             return s + "x";
         }(),
         eeTooDeep},
        {std::string(mb, ' '), eeOperandExpected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula.substr(0, 20));
        const IExprFunction2V f = NewFunction2V(c.formula);
        EXPECT_FALSE(f->IsValid());
        EXPECT_EQ(f->ErrorInfo().code, c.code) << f->ErrorMessage();
        // What the user is shown: nesting beyond the limit is said in plain words.
        const std::string meldung = c.code == eeTooDeep ? "Die Formel ist zu tief geschachtelt (höchstens 256 Ebenen)"
                                                        : "Cannot evaluate expression due to a syntax error.";
        try {
            f->Eval(0, 0);
            ADD_FAILURE() << "no error raised";
        } catch (const AllgemeinerFehler& e) {
            EXPECT_EQ(e.what(), meldung);
        }
        EXPECT_THROW(f->EvalPortable(0, 0), AllgemeinerFehler);
    }
    EXPECT_EQ(NewFunction2V(std::string(300, '('))->ErrorMessage(), "Error on char 256: Expression nested too deeply");
    // One level less is a formula like any other.
    EXPECT_EQ(NewFunction2V(std::string(255, '(') + "x" + std::string(255, ')'))->Eval(2, 0), 2);
    // A number of a million digits is still a number.
    EXPECT_EQ(NewFunction2V(std::string(mb, '7'))->Eval(0, 0), kInf);
    EXPECT_EQ(NewFunction2V("0," + std::string(mb, '0') + "1+x")->Eval(1, 0), 1);
}

#if ORBISTO_EXPR_JIT
// fsin and fcos serve |a| <= 1E5, fptan |a| <= 0.78125, f2xm1 |a| <= 1024; the library
// the rest. Either way the result stays within 1E-15 of the library's.
TEST(ExprFunction2V, FastTrigonometryAgreesWithTheLibraryAlsoForLargeArguments)
{
    std::vector<long double> args = {1e5L,    -1e5L, 99999.99L, 100000.01L, 3e5L,   1e10L,    -1e18L, 1e300L,
                                     1e4000L, kInf,  -kInf,     kNaN,       1e-30L, 0.78125L, 0.79L,  -0.7L,
                                     1024,    -1024, 1025,      -11400,     11400,  20000,    -20000, 0};
    for (long double k : {1.0L, 2.0L, 1000.0L, 31831.0L, 31830.0L}) {
        args.push_back(std::nearbyint(k) * kPi);  // close to zeros of the sine
        args.push_back(std::nearbyint(k) * kPi + kPi / 2);
    }
    for (long double a = -1e5L; a <= 1e5L; a += 997.13L)
        args.push_back(a);
    const struct {
        const char* formula;
        long double (*library)(long double);
    } functions[] = {
        {"sin(x)", [](long double a) { return std::sin(a); }},
        {"cos(x)", [](long double a) { return std::cos(a); }},
        {"tan(x)", [](long double a) { return std::tan(a); }},
        {"cot(x)", [](long double a) { return 1 / std::tan(a); }},
        {"exp(x)", [](long double a) { return std::exp(a); }},
    };
    for (const auto& fn : functions) {
        const IExprFunction2V f = NewFunction2V(fn.formula);
        for (long double a : args) {
            EXPECT_TRUE(Close(f->Eval(a, 0), fn.library(a), 1e-15L))
                << fn.formula << " at " << static_cast<double>(a) << ": " << static_cast<double>(f->Eval(a, 0))
                << " vs " << static_cast<double>(fn.library(a));
        }
    }
}

TEST(CompileExpr, CodeIsNeverWritableAndFreeFuncUnmapsIt)
{
    Expression e;
    ParseExpr("x*y+1", XY(), e);
    const ExprEntry entry = CompileExpr(e);
    const auto address = reinterpret_cast<std::uintptr_t>(entry);
    std::ifstream maps("/proc/self/maps");
    std::string perms;
    for (std::string line; std::getline(maps, line);) {
        const auto dash = line.find('-');
        const auto from = std::stoull(line.substr(0, dash), nullptr, 16);
        const auto to = std::stoull(line.substr(dash + 1), nullptr, 16);
        if (address >= from && address < to)
            perms = line.substr(line.find(' ') + 1, 4);
    }
    EXPECT_EQ(perms, "r-xp");
    EXPECT_EQ(entry(2, 3), 7);

    const long pageSize = sysconf(_SC_PAGESIZE);
    void* const page = reinterpret_cast<void*>(address / pageSize * pageSize);
    unsigned char resident = 0;
    ASSERT_EQ(mincore(page, 1, &resident), 0);
    FreeFunc(entry);
    EXPECT_EQ(mincore(page, 1, &resident), -1);
    EXPECT_EQ(errno, ENOMEM);

    // A release the system refuses is reported with its message.
    alignas(16) unsigned char fake[64] = {};
    const std::size_t length = 4096;
    std::memcpy(fake + 1, &length, sizeof length);
    try {
        FreeFunc(reinterpret_cast<ExprEntry>(fake + 17));
        ADD_FAILURE() << "no error raised";
    } catch (const AllgemeinerFehler& e) {
        EXPECT_STREQ(e.what(), "FreeFunc: Invalid argument");
    }
}

// Runs in a child process: leaves room for small allocations but none for a new mapping.
int CompileWithoutMemory(const Expression& e)
{
    std::vector<std::string> warm(500, std::string(100, 'w'));
    warm.clear();
    std::ifstream statm("/proc/self/statm");
    unsigned long pages = 0;
    statm >> pages;
    const rlimit limit{pages * sysconf(_SC_PAGESIZE), RLIM_INFINITY};
    setrlimit(RLIMIT_AS, &limit);
    try {
        CompileExpr(e);
    } catch (const AllgemeinerFehler& error) {
        return std::string(error.what()) == "CompileExpr: Cannot allocate memory" ? 0 : 2;
    }
    return 1;
}

TEST(CompileExpr, NoMemoryForCodeRaisesTheSystemMessage)
{
    Expression e;
    ParseExpr("x*y+1", XY(), e);
    EXPECT_EXIT(_exit(CompileWithoutMemory(e)), testing::ExitedWithCode(0), "");
}
#endif

}  // namespace
}  // namespace orbisto
