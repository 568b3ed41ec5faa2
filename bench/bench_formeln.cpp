// Compiled formulas against the same formulas written by hand in C++ with long double,
// each evaluated over a 1000 x 1000 grid on [-10, 10]^2, and the one-variable evaluator
// FormelWert per call beside the compiler on the same formula.
//
// The hand-written formulas are called per point through a function pointer, as the
// compiled code is, so the C++ compiler cannot hoist the parts that depend on one
// variable only out of the loop; the running sum goes through DoNotOptimize.

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "expr/compileexpr.h"
#include "expr/exprfunction2v.h"
#include "expr/formelwert.h"
#include "expr/parseexpr.h"

namespace {

using namespace orbisto;

constexpr int kN = 1000;
constexpr long double kStep = 20.0L / (kN - 1);

template <class F>
void Grid(benchmark::State& state, F&& f)
{
    for (auto _ : state) {
        long double sum = 0;
        for (int i = 0; i < kN; ++i) {
            const long double x = -10 + i * kStep;
            for (int j = 0; j < kN; ++j)
                sum += f(x, -10 + j * kStep);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kN * kN);
}

using Fn = long double (*)(long double, long double);

[[gnu::noinline]] long double F1(long double x, long double y) { return x + y; }
[[gnu::noinline]] long double F2(long double x, long double y) { return sinl(x) * cosl(y); }
[[gnu::noinline]] long double F3(long double x, long double y) { return x * x + y * y; }
[[gnu::noinline]] long double F4(long double x, long double y)
{
    const long double a = x - -5.0L, b = y + 4;
    return 1 * sinl(6.283185L * (sqrtl(a * a + b * b) / 4 - 0 / 2000.0L));
}
[[gnu::noinline]] long double F5(long double x, long double y)
{
    const long double a = x - -5.0L, b = y + 4, c = y - 4;
    return 1 * sinl(6.283185L * (sqrtl(a * a + b * b) / 4 - 0 / 2000.0L)) +
           1 * sinl(6.283185L * (sqrtl(a * a + c * c) / 4 - 0 / 2000.0L));
}
[[gnu::noinline]] long double F6(long double x, long double y) { return expl(-(x * x + y * y) / 4) * cosl(3 * x); }

struct Formel {
    const char* name;
    const char* text;
    Fn hand;
};

const Formel kFormeln[] = {
    {"F1", "x+y", F1},
    {"F2", "sin(x)*cos(y)", F2},
    {"F3", "x^2+y^2", F3},
    {"F4", "1*sin(6,283185*(sqrt(sqr(x--5)+sqr(y+4))/4-0/2000))", F4},
    {"F5", "1*sin(6,283185*(sqrt(sqr(x--5)+sqr(y+4))/4-0/2000))+1*sin(6,283185*(sqrt(sqr(x--5)+sqr(y-4))/4-0/2000))",
     F5},
    {"F6", "exp(-(x*x+y*y)/4)*cos(3*x)", F6},
};

#if ORBISTO_EXPR_JIT
// The generated code with every transcendental function taken from the C library.
void LibraryCode(benchmark::State& state, const char* text)
{
    Expression e;
    ParseExpr(text, {"x", "y"}, e);
    const ExprEntry entry = CompileExpr(e, X87Options{true});
    Grid(state, entry);
    FreeFunc(entry);
}
#endif

const char* const kEinVariablig[] = {"0,5*x", "sqrt((2)^2-(x)^2)+3", "-0,5*9,81*x^2+10*x"};

template <class F>
void PerCall(benchmark::State& state, F&& f)
{
    long double x = -1.5L, sum = 0;
    for (auto _ : state) {
        sum += f(x);
        x = x > 1.5L ? -1.5L : x + 0.001L;
    }
    benchmark::DoNotOptimize(sum);
}

int Register()
{
    for (const Formel& f : kFormeln) {
        const std::string n = f.name;
        benchmark::RegisterBenchmark((n + "/Hand").c_str(), [f](benchmark::State& s) { Grid(s, f.hand); });
        benchmark::RegisterBenchmark((n + "/Eval").c_str(), [f](benchmark::State& s) {
            const IExprFunction2V fn = NewFunction2V(f.text);
            Grid(s, [&](long double x, long double y) { return fn->Eval(x, y); });
        });
#if ORBISTO_EXPR_JIT
        benchmark::RegisterBenchmark((n + "/EvalLibrary").c_str(),
                                     [f](benchmark::State& s) { LibraryCode(s, f.text); });
#endif
        benchmark::RegisterBenchmark((n + "/EvalPortable").c_str(), [f](benchmark::State& s) {
            const IExprFunction2V fn = NewFunction2V(f.text);
            Grid(s, [&](long double x, long double y) { return fn->EvalPortable(x, y); });
        });
    }
    for (const char* text : kEinVariablig) {
        const std::string n = std::string("FW:") + text;
        benchmark::RegisterBenchmark((n + "/Eval").c_str(), [text](benchmark::State& s) {
            const IExprFunction2V fn = NewFunction2V(text);
            PerCall(s, [&](long double x) { return fn->Eval(x, 0); });
        });
        benchmark::RegisterBenchmark((n + "/FormelWert").c_str(), [text](benchmark::State& s) {
            PerCall(s, [&](long double x) { return FormelWert(text, x); });
        });
        benchmark::RegisterBenchmark((n + "/NewFunction2V+Eval").c_str(), [text](benchmark::State& s) {
            PerCall(s, [&](long double x) { return NewFunction2V(text)->Eval(x, 0); });
        });
    }
    return 0;
}

const int registered = Register();

}  // namespace
