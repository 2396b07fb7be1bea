#pragma once

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define BRONTEL_HEAP_FROM_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRONTEL_HEAP_FROM_ASAN 1
#endif
#endif

#ifdef BRONTEL_HEAP_FROM_ASAN
// The sanitizer runtime's own count (sanitizer/allocator_interface.h, which GCC does not ship).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace brontel::test {

// Bytes allocated on the heap and not yet freed, by whichever allocator the build uses.
inline std::size_t heapInUse() {
#ifdef BRONTEL_HEAP_FROM_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    // Large blocks (images, above all) are mapped apart from the arenas: count them too.
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

}  // namespace brontel::test
