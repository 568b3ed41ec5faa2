// Freed memory stays in the process, so the next pass does not fault its pages in again.

#include "core/speicher.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORBISTO_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ORBISTO_ASAN 1
#endif

namespace orbisto {
namespace {

TEST(Speicher, AFreedBlockOfAPassStaysInTheHeap)
{
#if !defined(__GLIBC__) || defined(ORBISTO_ASAN)
    GTEST_SKIP() << "the heap is glibc's only without a sanitizer";
#else
    FreienSpeicherBehalten();
    // A pass's vertex buffer of 8 MB: without the setting glibc maps it on its own and
    // unmaps it when freed, and the heap never holds it.
    constexpr std::size_t groesse = 8u << 20;
    void* block = std::malloc(groesse);
    ASSERT_NE(block, nullptr);
    std::memset(block, 1, groesse);
    std::free(block);
    const struct mallinfo2 info = mallinfo2();
    EXPECT_GE(info.arena, groesse);
    EXPECT_EQ(info.hblkhd, 0u) << "no block is mapped apart from the heap";
#endif
}

}  // namespace
}  // namespace orbisto
