// Every form of the global operator new: a failed allocation is never handed back but stops the
// program through AllocationFailed. Linked into the executables themselves (not a library
// archive), so that these replace the standard library's allocation functions.
#include "app/allocation.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define KINOVRA_SANITIZER_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)                            \
    || __has_feature(memory_sanitizer)
#define KINOVRA_SANITIZER_ALLOCATOR 1
#endif
#endif

#ifdef KINOVRA_SANITIZER_ALLOCATOR

namespace kinovra {
const bool kAllocationFailuresAreFatal = false;
} // namespace kinovra

#else

#include "app/fatal_error.h"

#include <cstdlib>
#include <new>

namespace kinovra {
const bool kAllocationFailuresAreFatal = true;
} // namespace kinovra

namespace {

// As the standard allocation functions do, a new-handler gets the chance to free memory first.
void* Allocate(std::size_t bytes)
{
    const std::size_t size = bytes == 0 ? 1 : bytes;
    for (;;) {
        if (void* memory = std::malloc(size))
            return memory;
        std::new_handler handler = std::get_new_handler();
        if (!handler)
            kinovra::AllocationFailed(bytes);
        handler();
    }
}

void* AllocateAligned(std::size_t bytes, std::align_val_t alignment)
{
    const std::size_t size = bytes == 0 ? 1 : bytes;
    std::size_t align = static_cast<std::size_t>(alignment);
    if (align < sizeof(void*))
        align = sizeof(void*);
    for (;;) {
        void* memory = nullptr;
        if (posix_memalign(&memory, align, size) == 0)
            return memory;
        std::new_handler handler = std::get_new_handler();
        if (!handler)
            kinovra::AllocationFailed(bytes);
        handler();
    }
}

// The nothrow forms too: a failed allocation is never handed back as a null pointer.
void* AllocateNoThrow(std::size_t bytes) noexcept
{
    try {
        return Allocate(bytes);
    } catch (...) {
        kinovra::AllocationFailed(bytes);
    }
}

void* AllocateAlignedNoThrow(std::size_t bytes, std::align_val_t alignment) noexcept
{
    try {
        return AllocateAligned(bytes, alignment);
    } catch (...) {
        kinovra::AllocationFailed(bytes);
    }
}

} // namespace

void* operator new(std::size_t bytes)
{
    return Allocate(bytes);
}

void* operator new[](std::size_t bytes)
{
    return Allocate(bytes);
}

void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept
{
    return AllocateNoThrow(bytes);
}

void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept
{
    return AllocateNoThrow(bytes);
}

void* operator new(std::size_t bytes, std::align_val_t alignment)
{
    return AllocateAligned(bytes, alignment);
}

void* operator new[](std::size_t bytes, std::align_val_t alignment)
{
    return AllocateAligned(bytes, alignment);
}

void* operator new(std::size_t bytes, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return AllocateAlignedNoThrow(bytes, alignment);
}

void* operator new[](std::size_t bytes, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return AllocateAlignedNoThrow(bytes, alignment);
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

#endif
