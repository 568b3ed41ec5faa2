#include "expr/x87assembler.h"

#include <cstring>

namespace orbisto {

namespace {

void Put32(std::vector<std::uint8_t>& code, std::size_t pos, std::int32_t v) { std::memcpy(code.data() + pos, &v, 4); }

}  // namespace

void X87Assembler::Prologue()
{
    Bytes({0x55, 0x48, 0x89, 0xE5, 0x48, 0x81, 0xEC});
    frameField_ = code_.size();
    Bytes({0, 0, 0, 0});
}

void X87Assembler::Epilogue() { Bytes({0xC9, 0xC3}); }

void X87Assembler::RbpOperand(std::uint8_t opcode, std::uint8_t reg, int disp)
{
    Byte(opcode);
    if (disp >= -128 && disp <= 127) {
        Byte(static_cast<std::uint8_t>(0x45 | reg << 3));
        Byte(static_cast<std::uint8_t>(disp));
    } else {
        Byte(static_cast<std::uint8_t>(0x85 | reg << 3));
        const std::size_t pos = code_.size();
        Bytes({0, 0, 0, 0});
        Put32(code_, pos, disp);
    }
}

void X87Assembler::LoadArg(int index) { RbpOperand(0xDB, 5, 16 + 16 * index); }

void X87Assembler::LoadSlot(int slot) { RbpOperand(0xDB, 5, SlotDisp(slot)); }

void X87Assembler::StoreSlot(int slot) { RbpOperand(0xDB, 7, SlotDisp(slot)); }

void X87Assembler::StoreOutgoing(int index) { Bytes({0xDB, 0x7C, 0x24, static_cast<std::uint8_t>(16 * index)}); }

int X87Assembler::Constant(const void* bytes, int size)
{
    for (std::size_t i = 0; i < pool_.size(); ++i) {
        if (pool_[i].size == size && std::memcmp(pool_[i].bytes, bytes, size) == 0)
            return static_cast<int>(i);
    }
    PoolEntry e{};
    std::memcpy(e.bytes, bytes, size);
    e.size = size;
    pool_.push_back(e);
    return static_cast<int>(pool_.size() - 1);
}

void X87Assembler::RipOperand(std::uint8_t opcode, std::uint8_t reg, int constant)
{
    Byte(opcode);
    Byte(static_cast<std::uint8_t>(0x05 | reg << 3));
    constantRefs_.push_back({code_.size(), constant});
    Bytes({0, 0, 0, 0});
}

void X87Assembler::LoadConst(long double v) { RipOperand(0xDB, 5, Constant(&v, 10)); }

void X87Assembler::LoadConst64(double v) { RipOperand(0xDD, 0, Constant(&v, 8)); }

void X87Assembler::OpConst64(Arith op, double v) { RipOperand(0xDC, op, Constant(&v, 8)); }

namespace {

// The DC and DE register forms name the operands the other way round than D8 and the
// memory forms: their fsub (reg field 5) computes st(i) - st0.
std::uint8_t RegisterForm(X87Assembler::Arith op)
{
    return op == X87Assembler::kAdd || op == X87Assembler::kMul ? op : op ^ 1;
}

std::uint8_t ModRm(std::uint8_t reg, int i) { return static_cast<std::uint8_t>(0xC0 | reg << 3 | i); }

}  // namespace

void X87Assembler::OpSt0(Arith op, int i) { Bytes({0xD8, ModRm(op, i)}); }

void X87Assembler::OpStI(Arith op, int i) { Bytes({0xDC, ModRm(RegisterForm(op), i)}); }

void X87Assembler::OpPop(Arith op) { Bytes({0xDE, ModRm(RegisterForm(op), 1)}); }

void X87Assembler::TruncTop()
{
    Bytes({0xD9, 0x7D, 0xF0});              // fnstcw [rbp-16]
    Bytes({0x0F, 0xB7, 0x45, 0xF0});        // movzx eax, word [rbp-16]
    Bytes({0x0D, 0x00, 0x0C, 0x00, 0x00});  // or eax, 0x0C00 (round towards zero)
    Bytes({0x66, 0x89, 0x45, 0xF2});        // mov [rbp-14], ax
    Bytes({0xD9, 0x6D, 0xF2});              // fldcw [rbp-14]
    Bytes({0xD9, 0xFC});                    // frndint
    Bytes({0xD9, 0x6D, 0xF0});              // fldcw [rbp-16]
}

void X87Assembler::Call(const void* function)
{
    Bytes({0x48, 0xB8});
    std::uint64_t address = reinterpret_cast<std::uintptr_t>(function);
    for (int i = 0; i < 8; ++i, address >>= 8)
        Byte(static_cast<std::uint8_t>(address));
    Bytes({0xFF, 0xD0});
}

X87Assembler::Label X87Assembler::NewLabel()
{
    labels_.push_back(SIZE_MAX);
    return Label{static_cast<int>(labels_.size() - 1)};
}

void X87Assembler::Bind(Label label) { labels_[label.id] = code_.size(); }

void X87Assembler::Jump(Label label)
{
    Byte(0xE9);
    jumps_.push_back({code_.size(), label.id});
    Bytes({0, 0, 0, 0});
}

void X87Assembler::JumpIf(Cond cond, Label label)
{
    Bytes({0x0F, cond});
    jumps_.push_back({code_.size(), label.id});
    Bytes({0, 0, 0, 0});
}

void X87Assembler::UseSlots(int count)
{
    if (count > slots_)
        slots_ = count;
}

std::vector<std::uint8_t> X87Assembler::Finish()
{
    // Frame: 16 bytes for the control word, the spill slots, 32 bytes of outgoing arguments.
    Put32(code_, frameField_, 48 + 16 * slots_);
    for (const Fixup& j : jumps_) {
        Put32(code_, j.pos, static_cast<std::int32_t>(labels_[j.target] - (j.pos + 4)));
    }
    while (code_.size() % 16 != 0)
        Byte(0xCC);
    std::vector<std::size_t> where(pool_.size());
    for (std::size_t i = 0; i < pool_.size(); ++i) {
        while (code_.size() % (pool_[i].size == 10 ? 16 : 8) != 0)
            Byte(0);
        where[i] = code_.size();
        code_.insert(code_.end(), pool_[i].bytes, pool_[i].bytes + pool_[i].size);
    }
    for (const Fixup& c : constantRefs_) {
        Put32(code_, c.pos, static_cast<std::int32_t>(where[c.target] - (c.pos + 4)));
    }
    return std::move(code_);
}

}  // namespace orbisto
