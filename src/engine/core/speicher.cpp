#include "core/speicher.h"

#include <cstdlib>  // defines __GLIBC__ where it is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace orbisto {

void FreienSpeicherBehalten()
{
#if defined(__GLIBC__)
    // Setting either also stops glibc from moving the thresholds on its own, so every pass
    // meets the same heap whatever ran before it.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);  // glibc's largest
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
#endif
}

}  // namespace orbisto
