#pragma once
// A container allocator that takes its memory from an arena, or from the heap when it names
// none. A copy of a container is a value of its own: it lives on the heap, not in the arena of
// the container copied, so it may outlive that arena's owner.
#include <cstddef>
#include <new>
#include <type_traits>

#include "base/BASE_Arena.h"

namespace base {

template <class T>
class ArenaAllocator_t {
public:
    using value_type = T;
    using propagate_on_container_copy_assignment = std::false_type;
    using propagate_on_container_move_assignment = std::false_type;
    using propagate_on_container_swap = std::false_type;
    using is_always_equal = std::false_type;

    ArenaAllocator_t() noexcept = default;
    explicit ArenaAllocator_t(Arena_t* arena) noexcept : arena_(arena) {}
    template <class U>
    ArenaAllocator_t(const ArenaAllocator_t<U>& other) noexcept : arena_(other.Arena()) {}

    T* allocate(std::size_t n) {
        static_assert(alignof(T) <= Arena_t::kAlignment, "arena pieces are aligned to 8");
        if (n > std::size_t(-1) / sizeof(T)) throw std::bad_array_new_length();
        if (arena_ == nullptr) return static_cast<T*>(::operator new(n * sizeof(T)));
        return static_cast<T*>(arena_->Allocate(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept {
        if (arena_ == nullptr) {
            ::operator delete(p);
        } else {
            arena_->Free(p, n * sizeof(T));
        }
    }

    ArenaAllocator_t select_on_container_copy_construction() const noexcept { return ArenaAllocator_t(); }

    Arena_t* Arena() const noexcept { return arena_; }

    template <class U>
    friend bool operator==(const ArenaAllocator_t& a, const ArenaAllocator_t<U>& b) noexcept {
        return a.Arena() == b.Arena();
    }
    template <class U>
    friend bool operator!=(const ArenaAllocator_t& a, const ArenaAllocator_t<U>& b) noexcept {
        return a.Arena() != b.Arena();
    }

private:
    Arena_t* arena_ = nullptr;
};

}  // namespace base
