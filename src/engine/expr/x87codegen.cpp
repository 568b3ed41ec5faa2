#include "expr/x87codegen.h"

#include <cassert>
#include <cmath>

#include "expr/exprmath.h"
#include "expr/x87assembler.h"

namespace orbisto {

namespace {

using A = X87Assembler;

// Below these magnitudes the x87 instructions agree with the C library (measured: sin
// and cos within 1.3E-16 absolute, tan and cot 2E-19 and exp 6E-17 relative); beyond
// them, and for NaN, the library is called.
constexpr double kTrigLimit = 1e5;     // fsin, fcos: their pi is only 66 bits wide
constexpr double kTanLimit = 0.78125;  // fptan without any reduction (below pi/4)
constexpr double kExpLimit = 1024;     // the rounding of a * log2(e) grows with a
constexpr double kNearOne = 0.29;      // ln, lb, log: fyl2xp1 near 1, as the C library

constexpr int kRegisters = 8;

bool Fits64(long double v) { return static_cast<long double>(static_cast<double>(v)) == v; }
bool IsPlusZero(long double v) { return v == 0 && !std::signbit(v); }

// The arithmetic of a binary operation; `swapped` when the instruction has its
// operands the other way round.
A::Arith ArithOf(int op, bool swapped)
{
    switch (op) {
    case opAdd: return A::kAdd;
    case opSub: return swapped ? A::kSubR : A::kSub;
    case opMul: return A::kMul;
    default: return swapped ? A::kDivR : A::kDiv;
    }
}

class Generator {
public:
    explicit Generator(const X87Options& options) : library_(options.libraryFunctions) {}

    std::vector<std::uint8_t> Run(const Expression& e)
    {
        assert(!e.error);
        a_.Prologue();
        for (const ExprInstr in : ExprInstructions(e.code)) {
            switch (in.op) {
            case opVariable: stack_.push_back({Entry::kVar, in.arg, 0}); break;
            case opNumber: stack_.push_back({Entry::kConst, 0, e.constants[in.arg]}); break;
            case opConstant: stack_.push_back({Entry::kConst, 0, ExprNamedConstant(in.arg)}); break;
            case opAdd:
            case opSub:
            case opMul:
            case opDiv: Binary(in.op); break;
            case opPower: Power(); break;
            case opNegate: Negate(); break;
            case opFunction: Function(static_cast<ExprFn>(in.arg)); break;
            case opEnd: break;  // not among the instructions
            }
        }
        assert(stack_.size() == 1);
        Entry& result = stack_.back();
        NeedRegs(result.kind == Entry::kReg ? 0 : 1);
        Load(result);
        a_.Epilogue();
        EmitSlowPaths();
        return a_.Finish();
    }

private:
    struct Entry {
        enum Kind : std::uint8_t { kReg, kMem, kConst, kVar } kind;
        int index;          // spill slot (kMem) or variable (kVar)
        long double value;  // kConst
    };
    // A library call for arguments outside the range of the fast instruction.
    struct SlowPath {
        A::Label start, back;
        ExprFn fn;
        int below;      // registers under the argument
        int firstSlot;  // free slots from here on
    };

    Entry& Top(int depth = 0) { return stack_[stack_.size() - 1 - depth]; }

    // The spill rule. When an operation needs more than the eight registers, or a call
    // needs them empty, every register goes to a spill slot, the deepest register to
    // the lowest free slot. So the slots hold a stack below the register stack, in the
    // same order: every entry in a slot lies below every entry in a register. Operands
    // are the top one or two entries, so the slot an operand is loaded from (or a
    // dropped entry leaves) is always among the highest occupied ones, and memSlots_ is
    // both the number of occupied slots and the first free one. A slow path works at a
    // point where the slots from memSlots_ up are free and keeps its values there
    // around the call. The assembler sizes the frame for the most slots ever used.
    void SpillAll()
    {
        int k = regs_;
        for (auto it = stack_.rbegin(); it != stack_.rend() && k > 0; ++it) {
            if (it->kind != Entry::kReg)
                continue;
            --k;
            a_.StoreSlot(memSlots_ + k);
            *it = {Entry::kMem, memSlots_ + k, 0};
        }
        memSlots_ += regs_;
        regs_ = 0;
        a_.UseSlots(memSlots_);
    }

    void NeedRegs(int n)
    {
        if (regs_ + n > kRegisters)
            SpillAll();
    }

    void LoadValue(long double v)
    {
        if (IsPlusZero(v)) {
            a_.Fldz();
        } else if (v == 1) {
            a_.Fld1();
        } else if (Fits64(v)) {
            a_.LoadConst64(static_cast<double>(v));
        } else {
            a_.LoadConst(v);
        }
    }

    // Brings an entry onto the register stack; it must be above every register.
    void Load(Entry& e)
    {
        switch (e.kind) {
        case Entry::kReg: return;
        case Entry::kMem:
            a_.LoadSlot(e.index);
            --memSlots_;
            break;
        case Entry::kVar: a_.LoadArg(e.index); break;
        case Entry::kConst: LoadValue(e.value); break;
        }
        e = {Entry::kReg, 0, 0};
        ++regs_;
    }

    // Removes the top entry without using it.
    void Drop()
    {
        if (Top().kind == Entry::kReg) {
            a_.Fstp(0);
            --regs_;
        } else if (Top().kind == Entry::kMem) {
            --memSlots_;
        }
        stack_.pop_back();
    }

    static long double Fold(int op, long double l, long double r)
    {
        switch (op) {
        case opAdd: return l + r;
        case opSub: return l - r;
        case opMul: return l * r;
        default: return l / r;
        }
    }

    void Binary(int op)
    {
        Entry& l = Top(1);
        Entry& r = Top(0);
        if (l.kind == Entry::kConst && r.kind == Entry::kConst) {
            l.value = Fold(op, l.value, r.value);
            stack_.pop_back();
            return;
        }
        // a*1, a/1 and a-(+0) are a itself for every a, 1*a as well.
        if (r.kind == Entry::kConst &&
            (((op == opMul || op == opDiv) && r.value == 1) || (op == opSub && IsPlusZero(r.value)))) {
            stack_.pop_back();
            return;
        }
        if (l.kind == Entry::kConst && op == opMul && l.value == 1) {
            l = r;
            stack_.pop_back();
            return;
        }
        if (r.kind == Entry::kConst && Fits64(r.value)) {
            NeedRegs(l.kind == Entry::kReg ? 0 : 1);
            Load(l);
            a_.OpConst64(ArithOf(op, false), static_cast<double>(r.value));
            stack_.pop_back();
            return;
        }
        if (l.kind == Entry::kConst && Fits64(l.value)) {
            NeedRegs(r.kind == Entry::kReg ? 0 : 1);
            Load(r);
            a_.OpConst64(ArithOf(op, true), static_cast<double>(l.value));
            l = r;
            stack_.pop_back();
            return;
        }
        NeedRegs((l.kind != Entry::kReg) + (r.kind != Entry::kReg));
        const bool reversed = r.kind == Entry::kReg && l.kind != Entry::kReg;  // l lands above r
        Load(l);
        Load(r);
        a_.OpPop(ArithOf(op, reversed));
        --regs_;
        stack_.pop_back();
    }

    void Power()
    {
        Entry& l = Top(1);
        Entry& r = Top(0);
        if (l.kind == Entry::kConst && r.kind == Entry::kConst) {
            l.value = ExprPower(l.value, r.value);
            stack_.pop_back();
            return;
        }
        if (r.kind == Entry::kConst && ExprIsIntExponent(r.value)) {
            const long n = static_cast<long>(r.value);
            stack_.pop_back();
            IntPower(n);
            return;
        }
        NeedRegs((l.kind != Entry::kReg) + (r.kind != Entry::kReg));
        const bool baseOnTop = r.kind == Entry::kReg && l.kind != Entry::kReg;
        Load(l);
        Load(r);
        a_.StoreOutgoing(baseOnTop ? 0 : 1);
        a_.StoreOutgoing(baseOnTop ? 1 : 0);
        regs_ -= 2;
        stack_.pop_back();
        stack_.pop_back();
        CallWithArgumentsStored(reinterpret_cast<const void*>(&ExprPower));
    }

    // The squaring loop of ExprIntPower, unrolled for a known exponent.
    void IntPower(long n)
    {
        if (n == 0) {
            Drop();
            stack_.push_back({Entry::kConst, 0, 1.0L});
            return;
        }
        if (n == 1)
            return;
        Entry& b = Top();
        NeedRegs((b.kind != Entry::kReg) + 1);
        Load(b);
        unsigned long m = n < 0 ? 0UL - static_cast<unsigned long>(n) : static_cast<unsigned long>(n);
        bool have = false;  // the product so far sits in st1, the squared base in st0
        for (;;) {
            const bool bit = m & 1;
            m >>= 1;
            if (bit) {
                if (have) {
                    a_.OpStI(A::kMul, 1);
                } else if (m != 0) {
                    a_.Fld(0);
                    have = true;
                } else {
                    break;  // the result is the squared base itself
                }
            }
            if (m == 0)
                break;
            a_.OpSt0(A::kMul, 0);
        }
        if (have)
            a_.Fstp(0);
        if (n < 0)
            a_.OpConst64(A::kDivR, 1.0);
    }

    void Negate()
    {
        Entry& e = Top();
        if (e.kind == Entry::kConst) {
            e.value = -e.value;
            return;
        }
        NeedRegs(e.kind == Entry::kReg ? 0 : 1);
        Load(e);
        a_.Fchs();
    }

    // Registers a function's code needs beyond its argument, at its fullest.
    int Extra(ExprFn fn) const
    {
        if (ExprIsApproximated(fn))
            return library_ ? 0 : 2;
        switch (fn) {
        case fnLn:
        case fnLb:
        case fnLog: return 3;
        case fnArcSin:
        case fnArcCos:
        case fnArcTan:
        case fnArcCot:
        case fnSign:
        case fnFrac:
        case fnHeaviside: return 1;
        default: return 0;
        }
    }

    void Function(ExprFn fn)
    {
        Entry& e = Top();
        if (e.kind == Entry::kConst) {
            e.value = ExprFunction(fn, e.value);
            return;
        }
        NeedRegs((e.kind != Entry::kReg) + Extra(fn));
        Load(e);
        switch (fn) {
        case fnSin:
        case fnCos:
        case fnTan:
        case fnCot:
        case fnExp:
            if (library_) {
                a_.StoreOutgoing(0);
                --regs_;
                stack_.pop_back();
                CallWithArgumentsStored(reinterpret_cast<const void*>(ExprFunctionPointer(fn)));
            } else {
                Approximated(fn);
            }
            break;
        case fnArcSin:  // atan2(a, sqrt(1 - a*a))
        case fnArcCos:  // atan2(sqrt(1 - a*a), a)
            a_.Fld(0);
            a_.OpSt0(A::kMul, 0);
            a_.OpConst64(A::kSubR, 1.0);
            a_.Fsqrt();
            if (fn == fnArcCos)
                a_.Fxch();
            a_.Fpatan();
            break;
        case fnArcTan:  // atan2(a, 1)
            a_.Fld1();
            a_.Fpatan();
            break;
        case fnArcCot:  // atan2(1, a)
            a_.Fld1();
            a_.Fxch();
            a_.Fpatan();
            break;
        case fnLn: Logarithm(&A::Fldln2); break;
        case fnLb: Logarithm(&A::Fld1); break;
        case fnLog: Logarithm(&A::Fldlg2); break;
        case fnSqrt: a_.Fsqrt(); break;
        case fnSqr: a_.OpSt0(A::kMul, 0); break;
        case fnSign: Sign(); break;
        case fnAbs: a_.Fabs(); break;
        case fnFrac:
            a_.Fld(0);
            a_.TruncTop();
            a_.OpPop(A::kSub);  // a - trunc(a)
            break;
        case fnRound: a_.Frndint(); break;  // to nearest, halves to even
        case fnTrunc: a_.TruncTop(); break;
        case fnHeaviside: Heaviside(); break;
        }
    }

    // Jumps to `slow` when |st0| > limit or st0 is NaN; leaves st0 as it was.
    void CheckRange(double limit, A::Label slow)
    {
        a_.Fld(0);
        a_.Fabs();
        a_.LoadConst64(limit);
        a_.Fucomip();
        a_.Fstp(0);
        a_.JumpIf(A::kBelow, slow);
    }

    void Approximated(ExprFn fn)
    {
        assert(ExprIsApproximated(fn));  // so Extra has reserved the registers used here
        const A::Label slow = a_.NewLabel();
        const A::Label back = a_.NewLabel();
        CheckRange(fn == fnSin || fn == fnCos ? kTrigLimit : fn == fnExp ? kExpLimit : kTanLimit, slow);
        switch (fn) {
        case fnSin: a_.Fsin(); break;
        case fnCos: a_.Fcos(); break;
        case fnTan:
            a_.Fptan();
            a_.Fstp(0);  // the 1 it pushes
            break;
        case fnCot:
            a_.Fptan();
            a_.OpPop(A::kDivR);  // 1 / tan
            break;
        case fnExp:
            // 2^t with t = a*log2(e) = n + f: f2xm1 takes f, fscale adds n. The comments
            // show the register stack from st0 down.
            a_.Fldl2e();
            a_.OpPop(A::kMul);  // t
            a_.Fld(0);
            a_.Frndint();          // n, t
            a_.OpStI(A::kSub, 1);  // n, f
            a_.Fxch();
            a_.F2xm1();
            a_.Fld1();
            a_.OpPop(A::kAdd);  // 2^f, n
            a_.Fscale();
            a_.Fstp(1);
            break;
        default: break;
        }
        a_.Bind(back);
        slow_.push_back({slow, back, fn, regs_ - 1, memSlots_});
    }

    // As the C library does it: log2 through fyl2xp1 when |a-1| <= 0.29, else fyl2x,
    // times the constant that `loadFactor` pushes.
    void Logarithm(void (A::*loadFactor)())
    {
        const A::Label far = a_.NewLabel();
        const A::Label done = a_.NewLabel();
        a_.Fld(0);
        a_.OpConst64(A::kSub, 1.0);  // a - 1, a
        a_.Fld(0);
        a_.Fabs();
        a_.LoadConst64(kNearOne);
        a_.Fucomip();
        a_.Fstp(0);
        a_.JumpIf(A::kBelow, far);
        a_.Fstp(1);  // a - 1
        (a_.*loadFactor)();
        a_.Fxch();
        a_.Fyl2xp1();
        a_.Jump(done);
        a_.Bind(far);
        a_.Fstp(0);  // a
        (a_.*loadFactor)();
        a_.Fxch();
        a_.Fyl2x();
        a_.Bind(done);
    }

    void Sign()
    {
        const A::Label positive = a_.NewLabel();
        const A::Label done = a_.NewLabel();
        a_.Fldz();
        a_.Fucomip();
        a_.JumpIf(A::kParity, done);  // NaN stays
        a_.JumpIf(A::kEqual, done);   // so does +-0
        a_.JumpIf(A::kBelow, positive);
        a_.Fstp(0);
        a_.Fld1();
        a_.Fchs();
        a_.Jump(done);
        a_.Bind(positive);
        a_.Fstp(0);
        a_.Fld1();
        a_.Bind(done);
    }

    void Heaviside()
    {
        const A::Label one = a_.NewLabel();
        const A::Label zero = a_.NewLabel();
        const A::Label done = a_.NewLabel();
        a_.Fldz();
        a_.Fucomip();
        a_.Fstp(0);
        a_.JumpIf(A::kParity, zero);
        a_.JumpIf(A::kBelowEqual, one);  // 0 <= a
        a_.Bind(zero);
        a_.Fldz();
        a_.Jump(done);
        a_.Bind(one);
        a_.Fld1();
        a_.Bind(done);
    }

    // The arguments are in the outgoing area; the C ABI wants the register stack empty.
    void CallWithArgumentsStored(const void* function)
    {
        SpillAll();
        a_.Call(function);
        stack_.push_back({Entry::kReg, 0, 0});
        regs_ = 1;
    }

    // Out of line: the registers under the argument go to the slots that are free at the
    // fast instruction's place, the result above them; then all are loaded back in order.
    void EmitSlowPaths()
    {
        for (const SlowPath& s : slow_) {
            a_.Bind(s.start);
            a_.StoreOutgoing(0);
            for (int k = s.below - 1; k >= 0; --k)
                a_.StoreSlot(s.firstSlot + k);
            a_.Call(reinterpret_cast<const void*>(ExprFunctionPointer(s.fn)));
            if (s.below > 0) {
                a_.StoreSlot(s.firstSlot + s.below);
                for (int k = 0; k <= s.below; ++k)
                    a_.LoadSlot(s.firstSlot + k);
                a_.UseSlots(s.firstSlot + s.below + 1);
            }
            a_.Jump(s.back);
        }
    }

    bool library_;
    A a_;
    std::vector<Entry> stack_;
    std::vector<SlowPath> slow_;
    int regs_ = 0;      // entries on the x87 register stack
    int memSlots_ = 0;  // spill slots holding entries, see SpillAll
};

}  // namespace

std::vector<std::uint8_t> GenerateX87Code(const Expression& e, const X87Options& options)
{
    return Generator(options).Run(e);
}

}  // namespace orbisto
