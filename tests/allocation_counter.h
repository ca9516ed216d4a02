#pragma once

// Counts the allocations the calling thread makes through operator new while counting is set; other threads
// (a GL driver's, an audio device's) are not counted. Every form of new and delete is replaced, all on malloc
// and free, so that every pair matches, under AddressSanitizer too. The replacements are defined here:
// include this header in exactly one source file of a test program.

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <new>
#if defined(_WIN32)
#include <malloc.h>
#endif

namespace {

thread_local bool counting = false;
long allocations = 0;

bool overAligned(std::size_t alignment) {
    return alignment > alignof(std::max_align_t);
}

void* allocate(std::size_t size, std::size_t alignment = alignof(std::max_align_t)) {
    if (counting) {
        ++allocations;
    }
    size = std::max<std::size_t>(size, 1);
    void* p = nullptr;
    if (!overAligned(alignment)) {
        p = std::malloc(size);
    } else {
#if defined(_WIN32)
        p = _aligned_malloc(size, alignment);
#else
        p = std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
#endif
    }
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    return p;
}

void* allocateOrNull(std::size_t size, std::size_t alignment = alignof(std::max_align_t)) noexcept {
    try {
        return allocate(size, alignment);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// Out of line: inlined into a replaced delete, GCC takes the free() for a mismatch with the new it sees.
[[gnu::noinline]] void release(void* p, std::size_t alignment = alignof(std::max_align_t)) noexcept {
#if defined(_WIN32)
    if (overAligned(alignment)) {
        _aligned_free(p);
        return;
    }
#else
    (void)alignment;
#endif
    std::free(p);
}

}  // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocateOrNull(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocateOrNull(size);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocateOrNull(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocateOrNull(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* p) noexcept {
    release(p);
}
void operator delete[](void* p) noexcept {
    release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    release(p);
}
void operator delete(void* p, std::align_val_t alignment) noexcept {
    release(p, static_cast<std::size_t>(alignment));
}
void operator delete[](void* p, std::align_val_t alignment) noexcept {
    release(p, static_cast<std::size_t>(alignment));
}
void operator delete(void* p, std::size_t, std::align_val_t alignment) noexcept {
    release(p, static_cast<std::size_t>(alignment));
}
void operator delete[](void* p, std::size_t, std::align_val_t alignment) noexcept {
    release(p, static_cast<std::size_t>(alignment));
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    release(p);
}
void operator delete(void* p, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    release(p, static_cast<std::size_t>(alignment));
}
void operator delete[](void* p, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    release(p, static_cast<std::size_t>(alignment));
}
