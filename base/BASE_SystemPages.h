#pragma once
// Memory taken from the system in whole blocks, its pages made present in one call: a page
// first touched one at a time costs a fault each, and for a large load those faults cost more
// than filling the memory.
#include <cstddef>

namespace base {

// A block of at least bytes, zero-filled, aligned to a page. Raises std::bad_alloc.
void* TakeSystemPages(std::size_t bytes);
// Gives back a block of TakeSystemPages with the size it was asked for.
void GiveBackSystemPages(void* block, std::size_t bytes) noexcept;
// The bytes of all blocks taken and not yet given back, in this process.
std::size_t SystemPagesInUse() noexcept;

namespace detail {
// The system's side, one per platform.
void* MapPages(std::size_t bytes) noexcept;
void UnmapPages(void* block, std::size_t bytes) noexcept;
}  // namespace detail

}  // namespace base
