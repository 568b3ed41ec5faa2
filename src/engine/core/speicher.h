#pragma once
// The memory of a pass. A pass frees what it built (vertex buffers, a surface's values) and
// the next one builds it again. Left to itself, the C library hands large freed blocks back
// to the system at once, and every pass pays for the pages again as they are touched: a
// 200 x 200 surface took twice as long that way. Kept, the next pass reuses them.

namespace orbisto {

// Keeps freed memory in the process for reuse, up to a few hundred megabytes, and takes
// blocks up to 32 MB from the heap rather than mapping each one anew. Call once at start,
// before the first pass; without glibc it does nothing.
void FreienSpeicherBehalten();

}  // namespace orbisto
