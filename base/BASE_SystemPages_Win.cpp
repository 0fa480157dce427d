#include <windows.h>

#include "base/BASE_SystemPages.h"

namespace base::detail {

void* MapPages(std::size_t bytes) noexcept {
    return VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void UnmapPages(void* block, std::size_t) noexcept {
    VirtualFree(block, 0, MEM_RELEASE);
}

}  // namespace base::detail
