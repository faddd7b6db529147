// Replaces glibc's allocation functions in this executable (glibc lets a program do so) with
// ones that count the usable size of every block and pass on to glibc's own.
#include "support/bench/HeapCounter.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>

#include <malloc.h>
#include <unistd.h>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {

std::atomic<std::size_t> currentBytes{0};
std::atomic<std::size_t> peakBytes{0};

void* counted(void* block) {
    if (block) {
        const std::size_t now =
            currentBytes.fetch_add(malloc_usable_size(block), std::memory_order_relaxed) +
            malloc_usable_size(block);
        std::size_t peak = peakBytes.load(std::memory_order_relaxed);
        while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
        }
    }
    return block;
}

void uncount(void* block) {
    if (block) {
        currentBytes.fetch_sub(malloc_usable_size(block), std::memory_order_relaxed);
    }
}

} // namespace

std::size_t HeapCounter::current() {
    return currentBytes.load();
}
std::size_t HeapCounter::peak() {
    return peakBytes.load();
}
void HeapCounter::resetPeak() {
    peakBytes.store(currentBytes.load());
}

extern "C" {

void* malloc(std::size_t size) noexcept {
    return counted(__libc_malloc(size));
}

void* calloc(std::size_t count, std::size_t size) noexcept {
    return counted(__libc_calloc(count, size));
}

void* realloc(void* block, std::size_t size) noexcept {
    if (!block) {
        return malloc(size);
    }
    const std::size_t before = malloc_usable_size(block);
    void* moved = __libc_realloc(block, size);
    if (moved || size == 0) {
        currentBytes.fetch_sub(before, std::memory_order_relaxed);
        counted(moved);
    }
    return moved;
}

void* reallocarray(void* block, std::size_t count, std::size_t size) noexcept {
    std::size_t bytes = 0;
    if (__builtin_mul_overflow(count, size, &bytes)) {
        errno = ENOMEM;
        return nullptr;
    }
    return realloc(block, bytes);
}

void free(void* block) noexcept {
    uncount(block);
    __libc_free(block);
}

void* memalign(std::size_t alignment, std::size_t size) noexcept {
    return counted(__libc_memalign(alignment, size));
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
    return counted(__libc_memalign(alignment, size));
}

int posix_memalign(void** block, std::size_t alignment, std::size_t size) noexcept {
    void* aligned = __libc_memalign(alignment, size);
    if (!aligned && size != 0) {
        return ENOMEM;
    }
    *block = counted(aligned);
    return 0;
}

void* valloc(std::size_t size) noexcept {
    return memalign(static_cast<std::size_t>(sysconf(_SC_PAGESIZE)), size);
}

void* pvalloc(std::size_t size) noexcept {
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return memalign(page, (size + page - 1) / page * page);
}

} // extern "C"
