#include "expr/compileexpr.h"

#if ORBISTO_EXPR_JIT

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <system_error>

#include "core/allgemeinerfehler.h"

namespace orbisto {

namespace {

// The mapping starts with its length, so that FreeFunc needs only the entry address;
// the code follows 16 bytes in, keeping its constants 16-byte aligned.
constexpr std::size_t kHeader = 16;

[[noreturn]] void Fail(const char* who, int error)
{
    throw AllgemeinerFehler(std::string(who) + ": " + std::generic_category().message(error));
}

}  // namespace

ExprEntry CompileExpr(const Expression& e, const X87Options& options)
{
    std::vector<std::uint8_t> code;
    try {
        code = GenerateX87Code(e, options);
    } catch (const std::bad_alloc&) {
        Fail("CompileExpr", ENOMEM);
    }
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::size_t length = (kHeader + code.size() + page - 1) / page * page;
    void* const memory = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        Fail("CompileExpr", errno);
    auto* const bytes = static_cast<std::uint8_t*>(memory);
    std::memcpy(bytes, &length, sizeof length);
    std::memcpy(bytes + kHeader, code.data(), code.size());
    if (mprotect(memory, length, PROT_READ | PROT_EXEC) != 0) {
        const int error = errno;
        munmap(memory, length);
        Fail("CompileExpr", error);
    }
    return reinterpret_cast<ExprEntry>(bytes + kHeader);
}

void FreeFunc(ExprEntry entry)
{
    if (entry == nullptr)
        return;
    auto* const bytes = reinterpret_cast<std::uint8_t*>(entry) - kHeader;
    std::size_t length;
    std::memcpy(&length, bytes, sizeof length);
    if (munmap(bytes, length) != 0)
        Fail("FreeFunc", errno);
}

}  // namespace orbisto

#endif
