#include "base/BASE_SystemPages.h"

#include <atomic>
#include <new>

namespace base {

namespace {

std::atomic<std::size_t> g_in_use{0};

}  // namespace

void* TakeSystemPages(std::size_t bytes) {
    void* block = bytes == 0 ? nullptr : detail::MapPages(bytes);
    if (block == nullptr) throw std::bad_alloc();
    g_in_use += bytes;
    return block;
}

void GiveBackSystemPages(void* block, std::size_t bytes) noexcept {
    if (block == nullptr) return;
    detail::UnmapPages(block, bytes);
    g_in_use -= bytes;
}

std::size_t SystemPagesInUse() noexcept {
    return g_in_use.load(std::memory_order_relaxed);
}

}  // namespace base
