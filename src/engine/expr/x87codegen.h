#pragma once
// Translation of the postfix code into x87 machine code for x86-64 (System V: the two
// long double arguments on the stack, the result in st(0)).
//
// Operands wait as "pending" entries until an operation needs them, so constants fold
// and small constants become memory operands; values live on the x87 register stack
// and go to spill slots in the frame when it would overflow, so any depth evaluates.

#include <cstdint>
#include <vector>

#include "expr/parseexpr.h"

namespace orbisto {

struct X87Options {
    // Take sin, cos, tan, cot and exp from the C library always, exactly as the
    // portable evaluator does; otherwise fsin, fcos, fptan and f2xm1 serve the
    // arguments where they are accurate.
    bool libraryFunctions = false;
};

// The code for a parse result without error: the function starts at byte 0 and
// addresses its constants relative to itself.
std::vector<std::uint8_t> GenerateX87Code(const Expression& e, const X87Options& options);

}  // namespace orbisto
