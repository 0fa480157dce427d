// The arena behind a database's tables, and the texts that live in it.
#include "base/BASE_Arena.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "base/BASE_ArenaAllocator.h"
#include "base/BASE_ArenaString.h"
#include "base/BASE_SystemPages.h"

namespace {

TEST(Arena, FreedPiecesAreReusedAndEveryBlockGoesBackWithTheArena) {
    const std::size_t before = base::SystemPagesInUse();
    {
        base::Arena_t arena;
        void* a = arena.Allocate(40);
        arena.Free(a, 40);
        EXPECT_EQ(arena.Allocate(36), a);  // the same size class
        EXPECT_NE(arena.Allocate(40), a);
        const std::size_t first = arena.BlockBytes();
        EXPECT_GT(first, 0u);
        // Blocks grow with use; a piece above the largest size class is the heap's.
        for (int i = 0; i < 100000; ++i) arena.Allocate(64);
        EXPECT_GE(arena.BlockBytes(), 6400000u);
        EXPECT_LT(arena.BlockBytes(), 2 * 6400000u + first);
        void* large = arena.Allocate(base::Arena_t::kMaxPiece + 1);
        arena.Free(large, base::Arena_t::kMaxPiece + 1);
        EXPECT_EQ(base::SystemPagesInUse(), before + arena.BlockBytes());
    }
    EXPECT_EQ(base::SystemPagesInUse(), before);
}

TEST(ArenaString, ReadsLikeAStringAndCopiesNeverDependOnTheArena) {
    EXPECT_EQ(sizeof(base::ArenaString_t), sizeof(void*));
    const base::ArenaString_t empty;
    EXPECT_TRUE(empty.empty());
    EXPECT_STREQ(empty.c_str(), "");

    std::unique_ptr<base::ArenaString_t> copy;
    base::ArenaString_t moved;
    {
        base::Arena_t arena;
        const base::ArenaString_t text(arena, std::string("Camp\0x", 6));
        EXPECT_EQ(text.size(), 6u);
        EXPECT_EQ(text, std::string("Camp\0x", 6));
        EXPECT_NE(text, "Camp");
        EXPECT_EQ(std::string(text.begin(), text.end()), text.str());
        copy = std::make_unique<base::ArenaString_t>(text);
        base::ArenaString_t other(arena, "Hut");
        moved = std::move(other);
    }
    // Both outlived the arena: they hold copies of their own.
    EXPECT_EQ(copy->str(), std::string("Camp\0x", 6));
    EXPECT_EQ(moved, "Hut");
    moved = moved.view().substr(1);  // from its own bytes
    EXPECT_EQ("ut", moved);
    EXPECT_EQ("a " + moved + std::string("!"), "a ut!");
}

TEST(ArenaAllocator, ACopyOfAContainerLivesOnTheHeap) {
    using Map = std::map<int, int, std::less<int>, base::ArenaAllocator_t<std::pair<const int, int>>>;
    std::unique_ptr<Map> copy;
    {
        base::Arena_t arena;
        Map in_arena{Map::allocator_type(&arena)};
        for (int i = 0; i < 1000; ++i) in_arena[i] = i;
        in_arena.erase(in_arena.begin(), in_arena.find(500));
        for (int i = 0; i < 500; ++i) in_arena[-i] = i;  // the freed nodes serve again
        EXPECT_EQ(arena.BlockBytes(), 64u * 1024);
        copy = std::make_unique<Map>(in_arena);
        EXPECT_EQ(copy->get_allocator().Arena(), nullptr);
    }
    EXPECT_EQ(copy->size(), 1000u);
    EXPECT_EQ(copy->rbegin()->second, 999);
}

}  // namespace
