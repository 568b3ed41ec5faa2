#pragma once
// Turns a parse result into machine code in memory of its own: written while the
// memory is writable, then switched to read and execute (never both at once).
// Available where the code generator exists (x86-64 with the System V calling
// convention); elsewhere the portable evaluator (exprprogram.h) runs the code.

#include "expr/parseexpr.h"
#include "expr/x87codegen.h"

// -DORBISTO_EXPR_JIT=0 selects the portable evaluator on x86-64 as well.
#ifndef ORBISTO_EXPR_JIT
#if defined(__x86_64__) && !defined(_WIN32)
#define ORBISTO_EXPR_JIT 1
#else
#define ORBISTO_EXPR_JIT 0
#endif
#endif

namespace orbisto {

// f(x, y) as compiled code.
using ExprEntry = long double (*)(long double x, long double y);

#if ORBISTO_EXPR_JIT
// Entry address of new code for a parse result without error. Raises
// AllgemeinerFehler "CompileExpr: <system message>" when no memory can be had.
ExprEntry CompileExpr(const Expression& e, const X87Options& options = {});

// Releases code from CompileExpr (null is ignored). Raises AllgemeinerFehler
// "FreeFunc: <system message>" when the system refuses.
void FreeFunc(ExprEntry entry);
#endif

}  // namespace orbisto
