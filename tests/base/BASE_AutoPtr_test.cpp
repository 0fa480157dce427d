#include "base/BASE_AutoPtr.h"

#include <gtest/gtest.h>

namespace {

struct Shape_t {
    explicit Shape_t(int* alive) : alive_(alive) { ++*alive_; }
    virtual ~Shape_t() { --*alive_; }
    virtual int Sides() const { return 0; }
    int* alive_;
};

struct Square_t : Shape_t {
    using Shape_t::Shape_t;
    int Sides() const override { return 4; }
};

TEST(AutoPtr, EmptyOwnerRaisesOnDereference) {
    base::AutoPtr_t<Shape_t> empty;
    EXPECT_FALSE(empty);
    try {
        (void)empty->Sides();
        FAIL();
    } catch (const base::Assert_t& e) {
        EXPECT_STREQ(e.File(), "BASE_AutoPtr");
    }
    EXPECT_THROW((void)*empty, base::Assert_t);
}

TEST(AutoPtr, OwnershipMovesAndEndsWithTheLastOwner) {
    int alive = 0;
    {
        base::AutoPtr_t<Shape_t> first = base::MakeAutoPtr<Square_t>(&alive);
        EXPECT_EQ(alive, 1);
        EXPECT_EQ(first->Sides(), 4);
        base::AutoPtr_t<Shape_t> second = std::move(first);
        EXPECT_FALSE(first);  // NOLINT: checking the moved-from state on purpose
        EXPECT_THROW((void)*first, base::Assert_t);
        EXPECT_EQ((*second).Sides(), 4);
        second.Reset(std::make_unique<Shape_t>(&alive));
        EXPECT_EQ(alive, 1);
        EXPECT_EQ(second->Sides(), 0);
    }
    EXPECT_EQ(alive, 0);
}

}  // namespace
