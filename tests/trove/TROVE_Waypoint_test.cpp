#include "trove/TROVE_Waypoint.h"

#include <gtest/gtest.h>

namespace {

trove::Waypoint_t Built(const std::string& text_1, base::Optional_t<double> real_1 = {},
                        base::Optional_t<double> real_2 = {}) {
    return trove::Waypoint_t(geo::Position_t(10, 20, 30.0), text_1, real_1, 2, 16, trove::Symbol_t(139), "t2",
                             "t3", "t4", 7, real_2, "t5", "t6", 4294967295.0);
}

TEST(Waypoint, Defaults) {
    trove::Waypoint_t w;
    EXPECT_EQ(w.symbol, 18);
    EXPECT_EQ(w.enum_a, 1);
    EXPECT_EQ(w.enum_b, 0);
    EXPECT_FALSE(w.position.altitude.Has());
    EXPECT_FALSE(w.real_1.Has());
    EXPECT_FALSE(w.real_2.Has());
    EXPECT_FALSE(w.byte_2.Has());
    EXPECT_EQ(w.number_1, 0.0);
    EXPECT_TRUE(w.text_1.empty() && w.text_4.empty() && w.Text7().empty());
}

TEST(Waypoint, BuiltFromValues) {
    trove::Waypoint_t w = Built("  Camp   ", 1.5);
    EXPECT_EQ(w.text_1, "  Camp");  // leading blanks stay
    EXPECT_EQ(*w.real_1, 1.5);
    EXPECT_FALSE(w.real_2.Has());
    EXPECT_EQ(w.symbol, 139);
    EXPECT_EQ(w.number_1, 4294967295.0);
    EXPECT_EQ(*w.position.altitude, 30.0);
    EXPECT_TRUE(w.Text7().empty());
    EXPECT_EQ(Built("Camp   ").text_1, "Camp");
    EXPECT_EQ(Built("   ").text_1, "");
}

TEST(Waypoint, CopiesAreIndependent) {
    trove::Waypoint_t first = Built("a", {}, 12.0);
    trove::Waypoint_t copy = first;
    *copy.real_2 = 99.0;
    copy.text_7 = "x";
    copy.byte_2 = std::uint8_t(3);
    EXPECT_EQ(*first.real_2, 12.0);
    EXPECT_TRUE(first.Text7().empty());
    EXPECT_FALSE(first.byte_2.Has());
}

TEST(Waypoint, AssignmentTakesPresenceOfOptionals) {
    trove::Waypoint_t target = Built("t", 1.0, 2.0);
    const trove::Waypoint_t source = Built("s");
    target = source;
    EXPECT_FALSE(target.real_1.Has());
    EXPECT_FALSE(target.real_2.Has());
    EXPECT_EQ(target.text_1, "s");

    trove::Waypoint_t empty;
    empty = Built("p", 5.0);
    EXPECT_EQ(*empty.real_1, 5.0);

    trove::Waypoint_t& self = empty;
    empty = self;
    EXPECT_EQ(*empty.real_1, 5.0);
}

}  // namespace
