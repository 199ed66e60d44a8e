// The largest single allocation made while a reader of outside data runs. The sanitizer's
// allocator reports every allocation to a hook, so a length that a reader trusted too far shows
// up here even when the read fails right after the allocation. Without the sanitizer build the
// watch sees nothing and Install returns false.
#pragma once

#include <atomic>
#include <cstddef>

// GCC says it builds with AddressSanitizer by a macro, clang (before 16) only by a feature test.
#if defined(__SANITIZE_ADDRESS__)
#define VELTRIM_ALLOCWATCH 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELTRIM_ALLOCWATCH 1
#endif
#endif

#if defined(VELTRIM_ALLOCWATCH)
// The sanitizer runtime's hook interface; GCC installs the runtime without its header.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void*,
                                                                            std::size_t),
                                                         void (*freeHook)(const volatile void*));
#endif

namespace allocwatch {

inline std::atomic<bool> g_watching{false};
inline std::atomic<std::size_t> g_largest{0};

#if defined(VELTRIM_ALLOCWATCH)
inline void OnMalloc(const volatile void*, std::size_t size) {
    if (!g_watching.load(std::memory_order_relaxed)) return;
    std::size_t largest = g_largest.load(std::memory_order_relaxed);
    while (size > largest && !g_largest.compare_exchange_weak(largest, size)) {
    }
}
inline void OnFree(const volatile void*) {}

inline bool Install() {
    static const bool installed = __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree) != 0;
    return installed;
}
#else
inline bool Install() {
    return false;
}
#endif

// Starts watching with nothing seen yet.
inline void Start() {
    g_largest = 0;
    g_watching = true;
}
// Stops watching; returns the largest allocation seen since Start.
inline std::size_t Stop() {
    g_watching = false;
    return g_largest.load();
}

}  // namespace allocwatch
