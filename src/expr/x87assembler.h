#pragma once
// A small x86-64 assembler for the x87 instructions the expression compiler emits.
// The generated function has a frame on rbp: the two long double arguments lie above
// it, spill slots below it, and the outgoing arguments of calls at rsp. Constants are
// placed behind the code and addressed relative to rip, so the code runs wherever it
// is copied to.

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
    // Register fields of the DC /r forms: st0 = st0 op m64 (Sub/Div) or m64 op st0 (SubR/DivR).
    enum M64Op : std::uint8_t { kAdd = 0, kMul = 1, kSub = 4, kSubR = 5, kDiv = 6, kDivR = 7 };

    void Byte(std::uint8_t b) { code_.push_back(b); }
    void Bytes(std::initializer_list<std::uint8_t> bytes) { code_.insert(code_.end(), bytes); }

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
    void OpConst64(M64Op op, double v);  // fadd/fmul/fsub/fsubr/fdiv/fdivr qword [rip + constant]
    // frndint with rounding towards zero, the control word restored afterwards.
    void TruncTop();
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
