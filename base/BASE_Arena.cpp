#include "base/BASE_Arena.h"

#include <cstdint>
#include <new>

#include "base/BASE_SystemPages.h"

// Under the address sanitizer, the arena marks what it has not handed out, so that reads and
// writes beyond a node or a text are caught as they are on the heap.
#if defined(__SANITIZE_ADDRESS__)
#define BASE_ARENA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BASE_ARENA_ASAN 1
#endif
#endif

#ifdef BASE_ARENA_ASAN
#include <sanitizer/asan_interface.h>
#define BASE_ARENA_CLOSE(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define BASE_ARENA_OPEN(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define BASE_ARENA_CLOSE(p, n) ((void)(p), (void)(n))
#define BASE_ARENA_OPEN(p, n) ((void)(p), (void)(n))
#endif

namespace base {

namespace {

constexpr std::size_t kPage = 4096;

std::size_t RoundUp(std::size_t bytes, std::size_t to) {
    return (bytes + to - 1) / to * to;
}

}  // namespace

Arena_t::~Arena_t() {
    for (const Block_t& block : blocks_) {
        BASE_ARENA_OPEN(block.base, block.size);  // the pages may be mapped again for others
        GiveBackSystemPages(block.base, block.size);
    }
}

void* Arena_t::Allocate(std::size_t bytes) {
    if (bytes > kMaxPiece) return ::operator new(bytes);
    const std::size_t size_class = RoundUp(bytes == 0 ? 1 : bytes, kAlignment) / kAlignment;
    if (size_class < free_.size() && free_[size_class] != nullptr) {
        void* piece = free_[size_class];
        BASE_ARENA_OPEN(piece, size_class * kAlignment);
        free_[size_class] = *static_cast<void**>(piece);
        return piece;
    }
    return Take(size_class * kAlignment, kAlignment);
}

void Arena_t::Free(void* piece, std::size_t bytes) noexcept {
    if (piece == nullptr) return;
    if (bytes > kMaxPiece) {
        ::operator delete(piece);
        return;
    }
    const std::size_t size_class = RoundUp(bytes == 0 ? 1 : bytes, kAlignment) / kAlignment;
    if (free_.size() < kClasses) {
        // Made once, at the first free: a load that frees nothing never pays for it.
        try {
            free_.resize(kClasses, nullptr);
        } catch (...) {
            return;  // the piece stays unused until the arena goes
        }
    }
    *static_cast<void**>(piece) = free_[size_class];
    free_[size_class] = piece;
    BASE_ARENA_CLOSE(piece, size_class * kAlignment);
}

char* Arena_t::AllocateBytes(std::size_t bytes) {
    return Take(bytes == 0 ? 1 : bytes, 1);
}

char* Arena_t::Take(std::size_t bytes, std::size_t alignment) {
    auto at = reinterpret_cast<std::uintptr_t>(next_);
    at = (at + alignment - 1) & ~std::uintptr_t(alignment - 1);
    if (next_ == nullptr || bytes > static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(end_) - at)) {
        NewBlock(bytes);
        at = reinterpret_cast<std::uintptr_t>(next_);  // a block starts on a page
    }
    char* const piece = reinterpret_cast<char*>(at);
    next_ = piece + bytes;
    BASE_ARENA_OPEN(piece, bytes);
    return piece;
}

void Arena_t::NewBlock(std::size_t at_least) {
    if (at_least > SIZE_MAX / 2) throw std::bad_alloc();
    const std::size_t size = RoundUp(at_least > next_block_ ? at_least : next_block_, kPage);
    blocks_.reserve(blocks_.size() + 1);  // so that the block below is always recorded
    void* base = TakeSystemPages(size);
    blocks_.push_back(Block_t{base, size});
    BASE_ARENA_CLOSE(base, size);
    block_bytes_ += size;
    next_ = static_cast<char*>(base);
    end_ = next_ + size;
    // Each block doubles the last, up to a cap: a small file stays small, a large one takes
    // few blocks.
    if (next_block_ < kLargestBlock) next_block_ *= 2;
}

}  // namespace base
