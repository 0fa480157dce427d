#include "geo/GEO_Trig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// Within a unit in the last place of the C library's, each within one of the exact value; near a
// multiple of pi also within what Windows' C library misses there (it reduces by a pi of 64
// bits: up to x * 2^-64 off).
void ExpectNear(double ours, double library, double x) {
    EXPECT_LE(std::fabs(ours - library),
              2 * std::fabs(std::nextafter(library, 0.0) - library) + std::fabs(x) * 0x1p-63)
        << x;
}

TEST(Trig, AgreesWithTheCLibraryOverEveryAngleOfASphere) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> angle(-7.0, 7.0), unit(-1.0, 1.0);
    for (int i = 0; i < 200000; ++i) {
        const double x = angle(random);
        ExpectNear(geo::Sin(x), std::sin(x), x);
        ExpectNear(geo::Cos(x), std::cos(x), x);
        const double y = unit(random) * std::pow(10.0, -static_cast<int>(random() % 12)), z = unit(random);
        ExpectNear(geo::Atan2(y, z), std::atan2(y, z), y);
        ExpectNear(geo::Atan2(z, y), std::atan2(z, y), z);
    }
}

TEST(Trig, ExactWhereTheValueIsExact) {
    EXPECT_EQ(geo::Sin(0.0), 0.0);
    EXPECT_EQ(geo::Cos(0.0), 1.0);
    EXPECT_EQ(geo::Atan2(0.0, 1.0), 0.0);
    EXPECT_EQ(geo::Atan2(1.0, 0.0), std::atan2(1.0, 0.0));
    EXPECT_EQ(geo::Atan2(0.0, -1.0), std::atan2(0.0, -1.0));
    EXPECT_EQ(geo::Atan2(1.0, 1.0), std::atan2(1.0, 1.0));
}

}  // namespace
