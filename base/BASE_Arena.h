#pragma once
// Memory for the many small objects of one owner (a database's table nodes and texts), taken
// from the system in blocks that grow with use, and given back all at once when the arena goes.
// Freed pieces of up to kMaxPiece bytes are kept by size and handed out again, so that erasing
// and inserting in turn does not grow the arena; texts are never freed one by one.
#include <cstddef>
#include <vector>

namespace base {

class Arena_t {
public:
    // Pieces above this size come from the heap.
    static constexpr std::size_t kMaxPiece = 8192;
    static constexpr std::size_t kAlignment = 8;

    Arena_t() = default;
    Arena_t(const Arena_t&) = delete;
    Arena_t& operator=(const Arena_t&) = delete;
    ~Arena_t();

    // A piece of at least bytes, aligned to kAlignment. Raises std::bad_alloc.
    void* Allocate(std::size_t bytes);
    // Takes back a piece of Allocate with the size it was asked for.
    void Free(void* piece, std::size_t bytes) noexcept;
    // Bytes with no alignment, kept until the arena goes.
    char* AllocateBytes(std::size_t bytes);

    // The bytes of the blocks taken from the system.
    std::size_t BlockBytes() const noexcept { return block_bytes_; }

private:
    struct Block_t {
        void* base;
        std::size_t size;
    };
    static constexpr std::size_t kFirstBlock = 64 * 1024;
    static constexpr std::size_t kLargestBlock = 8 * 1024 * 1024;
    static constexpr std::size_t kClasses = kMaxPiece / kAlignment + 1;

    char* Take(std::size_t bytes, std::size_t alignment);
    void NewBlock(std::size_t at_least);

    char* next_ = nullptr;
    char* end_ = nullptr;
    std::size_t next_block_ = kFirstBlock;
    std::size_t block_bytes_ = 0;
    std::vector<Block_t> blocks_;
    std::vector<void*> free_;  // a list of freed pieces per size class, linked through the pieces
};

}  // namespace base
