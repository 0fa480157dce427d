#include "geo/GEO_Position.h"

#include <gtest/gtest.h>

namespace {

TEST(Position, LatitudeLimitsAreInclusive) {
    EXPECT_NO_THROW(geo::Position_t(1 << 30, 0));
    EXPECT_NO_THROW(geo::Position_t(-(1 << 30), 0));
    for (std::int32_t bad : {(1 << 30) + 1, -(1 << 30) - 1}) {
        try {
            geo::Position_t p(bad, 0, 12.0);
            FAIL();
        } catch (const base::OutOfRange_t& e) {
            EXPECT_STREQ(e.File(), "GEO_Position");
            EXPECT_EQ(e.Line(), 63);
        }
    }
}

TEST(Position, AnyLongitudeAndIndependentCopies) {
    geo::Position_t west(0, INT32_MIN, 5.0);
    geo::Position_t east(0, INT32_MAX);
    EXPECT_EQ(west.longitude, INT32_MIN);
    EXPECT_FALSE(east.altitude.Has());
    geo::Position_t copy = west;
    copy.altitude = 9.0;
    EXPECT_EQ(*west.altitude, 5.0);
    EXPECT_THROW(*east.altitude, base::Assert_t);
}

}  // namespace
