#include <sys/mman.h>

#include "base/BASE_SystemPages.h"

namespace base::detail {

void* MapPages(std::size_t bytes) noexcept {
    int flags = MAP_PRIVATE | MAP_ANONYMOUS;
#ifdef MAP_POPULATE
    flags |= MAP_POPULATE;  // every page present when the call returns
#endif
    void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, flags, -1, 0);
    return block == MAP_FAILED ? nullptr : block;
}

void UnmapPages(void* block, std::size_t bytes) noexcept {
    munmap(block, bytes);
}

}  // namespace base::detail
