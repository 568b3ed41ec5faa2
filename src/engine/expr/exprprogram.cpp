#include "expr/exprprogram.h"

#include <cassert>

#include "expr/exprmath.h"

namespace orbisto {

ExprProgram::ExprProgram(const Expression& e) : constants_(e.constants)
{
    assert(!e.error);
    // Named constants go behind the numbers of the list.
    const auto named = static_cast<std::int32_t>(constants_.size());
    for (int k = kcPi; k <= kcZero; ++k)
        constants_.push_back(ExprNamedConstant(k));
    for (const ExprInstr in : ExprInstructions(e.code)) {
        switch (in.op) {
        case opVariable: code_.push_back({in.arg == 0 ? iX : iY, 0}); break;
        case opNumber: code_.push_back({iConst, in.arg}); break;
        case opConstant: code_.push_back({iConst, named + in.arg}); break;
        case opAdd: code_.push_back({iAdd, 0}); break;
        case opSub: code_.push_back({iSub, 0}); break;
        case opMul: code_.push_back({iMul, 0}); break;
        case opDiv: code_.push_back({iDiv, 0}); break;
        case opPower: {
            // A constant whole exponent goes straight to the squaring loop; the result
            // is the same as through ExprPower.
            Instr& last = code_.back();
            if (last.op == iConst && ExprIsIntExponent(constants_[last.arg])) {
                last = {iPowInt, static_cast<std::int32_t>(constants_[last.arg])};
            } else {
                code_.push_back({iPow, 0});
            }
            break;
        }
        case opNegate: code_.push_back({iNeg, 0}); break;
        case opFunction: code_.push_back({iFn, in.arg}); break;
        case opEnd: break;  // not among the instructions
        }
    }
    code_.push_back({iEnd, 0});
}

long double ExprProgram::Run(long double x, long double y) const
{
    assert(!code_.empty());  // a default-constructed program has nothing to run
    // The top of the stack lives in `top`; the values below it in `stack`.
    long double stack[kMaxPending];
    long double* sp = stack;
    long double top = 0;
    for (const Instr* ip = code_.data();; ++ip) {
        switch (ip->op) {
        case iX:
            *sp++ = top;
            top = x;
            break;
        case iY:
            *sp++ = top;
            top = y;
            break;
        case iConst:
            *sp++ = top;
            top = constants_[ip->arg];
            break;
        case iAdd: top = *--sp + top; break;
        case iSub: top = *--sp - top; break;
        case iMul: top = *--sp * top; break;
        case iDiv: top = *--sp / top; break;
        case iPow: top = ExprPower(*--sp, top); break;
        case iPowInt:
            if (ip->arg == 2) [[likely]]  // the commonest power: keep it on the straight path
                top = top * top;
            else
                top = ExprIntPower(top, ip->arg);
            break;
        case iNeg: top = -top; break;
        case iFn: top = ExprFunction(static_cast<ExprFn>(ip->arg), top); break;
        case iEnd: return top;
        }
    }
}

}  // namespace orbisto
