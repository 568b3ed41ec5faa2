#pragma once
// The portable evaluator: the postfix code decoded once into a flat list of
// instructions with their constants resolved, run by a small stack machine. It is what
// Eval uses on processors without a code generator, and the reference the generated
// machine code is checked against.

#include <cstdint>
#include <vector>

#include "expr/parseexpr.h"

namespace orbisto {

class ExprProgram {
public:
    ExprProgram() = default;
    // Decodes a parse result without error.
    explicit ExprProgram(const Expression& e);

    bool empty() const { return code_.empty(); }

    // Value at (x, y); needs no allocation and keeps no state, so it is re-entrant.
    long double Run(long double x, long double y) const;

private:
    enum Op : std::uint8_t { iX, iY, iConst, iAdd, iSub, iMul, iDiv, iPow, iPowInt, iNeg, iFn, iEnd };
    struct Instr {
        Op op;
        std::int32_t arg;  // constant index, whole exponent or ExprFn
    };
    std::vector<Instr> code_;
    std::vector<long double> constants_;
};

}  // namespace orbisto
