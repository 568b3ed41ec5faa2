#pragma once
// A small x86-64 assembler for the x87 instructions the expression compiler emits.
// The generated function keeps a frame on rbp:
//   rbp + 16 + 16 * i   argument i (x, y) as the caller passed it
//   rbp - 16            scratch for the control word (TruncTop)
//   rbp - 32 - 16 * k   spill slot k (10 bytes in 16)
//   rsp + 16 * i        outgoing argument i of a call (two at most)
// Finish sizes it for the slots that UseSlots reported, rsp staying 16-byte aligned for
// calls. Constants are placed behind the code and addressed relative to rip, so the
// code runs wherever it is copied to.

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace orbisto {

class X87Assembler {
public:
    struct Label {
        int id;
    };
    // Jump conditions after fucomip (second opcode byte of jcc rel32).
    enum Cond : std::uint8_t {
        kBelow = 0x82,
        kAboveEqual = 0x83,
        kEqual = 0x84,
        kNotEqual = 0x85,
        kBelowEqual = 0x86,
        kAbove = 0x87,
        kParity = 0x8A,
    };
    // Arithmetic of OpConst64, OpSt0, OpStI and OpPop. The R forms swap the operands of
    // the formula beside each: OpPop(kSubR) gives st1 = st0 - st1. The values are the
    // reg field of the D8 and DC /r encodings.
    enum Arith : std::uint8_t { kAdd = 0, kMul = 1, kSub = 4, kSubR = 5, kDiv = 6, kDivR = 7 };

    // push rbp; mov rbp, rsp; sub rsp, <frame> (the size is filled in by Finish).
    void Prologue();
    // leave; ret
    void Epilogue();

    void LoadArg(int index);             // fld tbyte [rbp + 16 + 16 * index]
    void LoadSlot(int slot);             // fld tbyte [spill slot]
    void StoreSlot(int slot);            // fstp tbyte [spill slot]
    void StoreOutgoing(int index);       // fstp tbyte [rsp + 16 * index]
    void LoadConst(long double v);       // fld tbyte [rip + constant]
    void LoadConst64(double v);          // fld qword [rip + constant]
    void OpConst64(Arith op, double v);  // st0 = st0 op qword [rip + constant]
    // frndint with rounding towards zero, the control word restored afterwards.
    void TruncTop();

    // Register-stack instructions, named as in the processor manual.
    void Fld(int i) { Bytes({0xD9, static_cast<std::uint8_t>(0xC0 + i)}); }   // push st(i)
    void Fstp(int i) { Bytes({0xDD, static_cast<std::uint8_t>(0xD8 + i)}); }  // st(i) = st0, pop
    void Fxch() { Bytes({0xD9, 0xC9}); }                                      // swap st0 and st1
    void Fldz() { Bytes({0xD9, 0xEE}); }
    void Fld1() { Bytes({0xD9, 0xE8}); }
    void Fldl2e() { Bytes({0xD9, 0xEA}); }  // log2(e)
    void Fldlg2() { Bytes({0xD9, 0xEC}); }  // log10(2)
    void Fldln2() { Bytes({0xD9, 0xED}); }  // ln(2)
    void Fchs() { Bytes({0xD9, 0xE0}); }
    void Fabs() { Bytes({0xD9, 0xE1}); }
    void Fsqrt() { Bytes({0xD9, 0xFA}); }
    void Frndint() { Bytes({0xD9, 0xFC}); }  // in the current rounding mode
    void Fsin() { Bytes({0xD9, 0xFE}); }
    void Fcos() { Bytes({0xD9, 0xFF}); }
    void Fptan() { Bytes({0xD9, 0xF2}); }    // st0 = tan(st0), then push 1
    void F2xm1() { Bytes({0xD9, 0xF0}); }    // st0 = 2^st0 - 1 for |st0| <= 1
    void Fscale() { Bytes({0xD9, 0xFD}); }   // st0 = st0 * 2^trunc(st1)
    void Fpatan() { Bytes({0xD9, 0xF3}); }   // st1 = atan2(st1, st0), pop
    void Fyl2x() { Bytes({0xD9, 0xF1}); }    // st1 = st1 * log2(st0), pop
    void Fyl2xp1() { Bytes({0xD9, 0xF9}); }  // st1 = st1 * log2(st0 + 1), pop
    void Fucomip() { Bytes({0xDF, 0xE9}); }  // compare st0 with st1 into the flags, pop
    void OpSt0(Arith op, int i);             // st0 = st0 op st(i)
    void OpStI(Arith op, int i);             // st(i) = st(i) op st0
    void OpPop(Arith op);                    // st1 = st1 op st0, pop

    // mov rax, imm64; call rax
    void Call(const void* function);

    Label NewLabel();
    void Bind(Label label);
    void Jump(Label label);
    void JumpIf(Cond cond, Label label);

    // Spill slots in use at most, for the frame size.
    void UseSlots(int count);

    // The finished code: body, then the constants, all displacements filled in.
    std::vector<std::uint8_t> Finish();

private:
    void Byte(std::uint8_t b) { code_.push_back(b); }
    void Bytes(std::initializer_list<std::uint8_t> bytes) { code_.insert(code_.end(), bytes); }
    void RbpOperand(std::uint8_t opcode, std::uint8_t reg, int disp);
    void RipOperand(std::uint8_t opcode, std::uint8_t reg, int constant);
    int Constant(const void* bytes, int size);
    static int SlotDisp(int slot) { return -32 - 16 * slot; }

    struct Fixup {
        std::size_t pos;  // of a rel32/disp32 field
        int target;       // label id or constant index
    };
    struct PoolEntry {
        std::uint8_t bytes[10];
        int size;
    };
    std::vector<std::uint8_t> code_;
    std::vector<PoolEntry> pool_;
    std::vector<Fixup> constantRefs_;
    std::vector<Fixup> jumps_;
    std::vector<std::size_t> labels_;
    std::size_t frameField_ = 0;
    int slots_ = 0;
};

}  // namespace orbisto
