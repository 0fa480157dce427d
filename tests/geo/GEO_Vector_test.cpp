#include "geo/GEO_Vector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Reference values come from an independent python3 transcription of the same formulas
// (unit vectors, atan2 of |AxB| and A.B, flattening correction, 6378137 m), run in double
// precision. Positions are in semicircles: round(degrees / 180 * 2^31).
constexpr double kMetre = 1e-6;  // tolerance: the 32-bit build evaluates in x87 precision
constexpr double kDegree = 1e-9;

geo::Position_t At(std::int32_t lat, std::int32_t lon) {
    return geo::Position_t(lat, lon);
}

TEST(Vector, SamePointHasNoDistanceAndNorthBearing) {
    geo::Vector_t v(At(119304647, 238609294), At(119304647, 238609294));
    EXPECT_EQ(v.Distance(), 0.0);
    EXPECT_EQ(v.Bearing(), 0.0);
    EXPECT_EQ(v.From().latitude, 119304647);
}

TEST(Vector, QuarterOfTheEquatorHasNoCorrection) {
    // On the equator both z are 0, so the correction vanishes: pi/2 * 6378137.
    geo::Vector_t v(At(0, 0), At(0, 1 << 30));
    EXPECT_NEAR(v.Distance(), 10018754.171394609, kMetre);
    EXPECT_NEAR(v.Distance(), std::acos(-1.0) / 2 * 6378137.0, kMetre);
    EXPECT_NEAR(v.Bearing(), 90.0, kDegree);
}

TEST(Vector, OneSemicircleIsBelowTheCorrectionThreshold) {
    geo::Vector_t v(At(0, 0), At(1, 0));
    EXPECT_NEAR(v.Distance(), 6378137.0 / 683565275.5764323, 1e-12);
    EXPECT_NEAR(v.Distance(), 0.009330691929342792, 1e-12);
    EXPECT_NEAR(v.Bearing(), 0.0, kDegree);
}

TEST(Vector, LongLegsWithCorrection) {
    // London (51.5 N, 0.1 W) to Paris (48.85 N, 2.35 E).
    geo::Vector_t lp(At(614418933, -1193046), At(582803201, 28036592));
    EXPECT_NEAR(lp.Distance(), 342763.7928290231, kMetre);
    EXPECT_NEAR(lp.Bearing(), 148.42264415415872, kDegree);
    // Sydney (33.9 S, 151.2 E) to New York (40.7 N, 74 W).
    geo::Vector_t sn(At(-404442754, 1803886264), At(485569914, -882854389));
    EXPECT_NEAR(sn.Distance(), 15990566.762982404, kMetre * 10);
    EXPECT_NEAR(sn.Bearing(), 65.66423085326622, kDegree);
    EXPECT_NEAR(geo::Distance(At(-404442754, 1803886264), At(485569914, -882854389)), sn.Distance(), 1e-9);
}

TEST(Vector, AcrossTheDateLine) {
    // 179.9 E to 179.9 W along the equator: 0.2 degrees eastward, not 359.8.
    geo::Vector_t v(At(0, 2146290602), At(0, -2146290602));
    EXPECT_NEAR(v.Distance(), 22263.889367112602, kMetre);
    EXPECT_NEAR(v.Bearing(), 90.0, kDegree);
}

TEST(Vector, DueNorthStaysBelow360) {
    // Along a meridian the east component is rounding noise; slightly negative noise gave
    // -5.7e-16 degrees, which plus 360 is 360 exactly. Found by scanning 5-degree legs along
    // meridians with the python3 transcription (e.g. 64 N 149 E to 69 N 149 E).
    auto deg = [](double d) { return static_cast<std::int32_t>(std::lround(d / 180.0 * 2147483648.0)); };
    for (int lon = -180; lon < 180; lon += 7) {
        for (int lat = -80; lat < 80; lat += 9) {
            const double bearing =
                geo::Vector_t(At(deg(lat), deg(lon)), At(deg(lat + 5), deg(lon))).Bearing();
            ASSERT_GE(bearing, 0.0);
            ASSERT_LT(bearing, 360.0);
            ASSERT_NEAR(std::min(bearing, 360.0 - bearing), 0.0, kDegree);
        }
    }
}

TEST(Vector, BearingsAreInRange) {
    geo::Vector_t west(At(0, 0), At(0, -1000000));
    EXPECT_NEAR(west.Bearing(), 270.0, kDegree);
    geo::Vector_t south(At(0, 0), At(-1000000, 0));
    EXPECT_NEAR(south.Bearing(), 180.0, kDegree);
}

}  // namespace
