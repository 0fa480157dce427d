#include "geo/GEO_Box.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "support/SUPPORT_ExpectRaise.h"

namespace {

constexpr std::int32_t kMin = INT32_MIN;
constexpr std::int32_t kMax = INT32_MAX;

// Box from west to east over latitudes 10..20, no altitudes.
geo::Box_t Arc(std::int32_t west, std::int32_t east) {
    return geo::Box_t(20, 10, east, west);
}

TEST(Box, EmptyBoxRaisesFromEachAccessor) {
    geo::Box_t box;
    EXPECT_TRUE(box.Empty());
    EXPECT_RAISES(base::OutOfRange_t, box.North(), "GEO_Box", 170);
    EXPECT_RAISES(base::OutOfRange_t, box.South(), "GEO_Box", 184);
    EXPECT_RAISES(base::OutOfRange_t, box.East(), "GEO_Box", 226);
    EXPECT_RAISES(base::OutOfRange_t, box.West(), "GEO_Box", 240);
    EXPECT_RAISES(base::OutOfRange_t, box.MaxAltitude(), "GEO_Box", 254);
    EXPECT_RAISES(base::OutOfRange_t, box.MinAltitude(), "GEO_Box", 268);
    EXPECT_RAISES(base::OutOfRange_t, box.LongitudeSpan(), "GEO_Box", 240);
    EXPECT_RAISES(base::OutOfRange_t, box.AltitudeSpan(), "GEO_Box", 268);
    EXPECT_FALSE(box.ContainsLongitude(0));
}

TEST(Box, LatitudesAreChecked) {
    EXPECT_RAISES(base::OutOfRange_t, geo::Box_t((1 << 30) + 1, 0, 0, 0), "GEO_Position", 63);
    EXPECT_RAISES(base::OutOfRange_t, geo::Box_t(0, -(1 << 30) - 1, 0, 0), "GEO_Position", 63);
    geo::Box_t box(1 << 30, -(1 << 30), 0, 0);
    EXPECT_RAISES(base::OutOfRange_t, box.SetNorth((1 << 30) + 1), "GEO_Position", 130);
    EXPECT_RAISES(base::OutOfRange_t, box.SetSouth(-(1 << 30) - 1), "GEO_Position", 130);
    box.SetSouth(5);
    EXPECT_EQ(box.South(), 5);
    EXPECT_EQ(box.North(), 1 << 30);
}

TEST(Box, ContainsLongitudeBothEndsIncluded) {
    geo::Box_t box = Arc(0, 100);
    EXPECT_TRUE(box.ContainsLongitude(0));
    EXPECT_TRUE(box.ContainsLongitude(50));
    EXPECT_TRUE(box.ContainsLongitude(100));
    EXPECT_FALSE(box.ContainsLongitude(150));
    EXPECT_FALSE(box.ContainsLongitude(-1));

    geo::Box_t meridian = Arc(7, 7);
    EXPECT_TRUE(meridian.ContainsLongitude(7));
    EXPECT_FALSE(meridian.ContainsLongitude(8));
}

TEST(Box, ArcAcrossTheDateLine) {
    geo::Box_t box = Arc(kMax - 100, kMin + 100);
    EXPECT_TRUE(box.ContainsLongitude(kMax));
    EXPECT_TRUE(box.ContainsLongitude(kMin));
    EXPECT_TRUE(box.ContainsLongitude(kMax - 100));
    EXPECT_TRUE(box.ContainsLongitude(kMin + 100));
    EXPECT_FALSE(box.ContainsLongitude(0));
    EXPECT_EQ(box.LongitudeSpan(), 201u);
}

TEST(Box, Overlaps) {
    EXPECT_TRUE(Arc(0, 100).Overlaps(Arc(50, 150)));
    EXPECT_TRUE(Arc(0, 100).Overlaps(Arc(100, 150)));
    EXPECT_TRUE(Arc(0, 100).Overlaps(Arc(20, 30)));  // inside
    EXPECT_TRUE(Arc(20, 30).Overlaps(Arc(0, 100)));  // around
    EXPECT_FALSE(Arc(0, 100).Overlaps(Arc(101, 150)));
    EXPECT_TRUE(Arc(kMax - 10, kMin + 10).Overlaps(Arc(kMin, 0)));
    EXPECT_FALSE(Arc(0, 100).Overlaps(geo::Box_t()));
    EXPECT_FALSE(geo::Box_t().Overlaps(Arc(0, 100)));
}

TEST(Box, NormaliseTakesShorterArcAndOrdersLatitudes) {
    geo::Box_t swapped(20, 10, 0, 100);  // east 0, west 100
    swapped.Normalise();
    EXPECT_EQ(swapped.East(), 100);
    EXPECT_EQ(swapped.West(), 0);

    geo::Box_t kept(20, 10, 100, 0);
    kept.Normalise();
    EXPECT_EQ(kept.East(), 100);
    EXPECT_EQ(kept.West(), 0);

    geo::Box_t half(20, 10, kMin, 0);  // exactly half the circle either way
    half.Normalise();
    EXPECT_EQ(half.East(), kMin);
    EXPECT_EQ(half.West(), 0);

    geo::Box_t upside(-5, 30, 1, 0);
    upside.Normalise();
    EXPECT_EQ(upside.North(), 30);
    EXPECT_EQ(upside.South(), -5);
}

TEST(Box, NormaliseAltitudes) {
    geo::Box_t one(20, 10, 1, 0, 5.0, base::Optional_t<double>());
    one.Normalise();
    EXPECT_FALSE(one.MaxAltitude().Has());
    EXPECT_FALSE(one.MinAltitude().Has());

    geo::Box_t reversed(20, 10, 1, 0, 5.0, 9.0);
    reversed.Normalise();
    EXPECT_EQ(*reversed.MaxAltitude(), 9.0);
    EXPECT_EQ(*reversed.MinAltitude(), 5.0);
    EXPECT_EQ(*reversed.AltitudeSpan(), 4.0);
}

TEST(Box, SpannedByTwoPositions) {
    geo::Box_t box(geo::Position_t(-10, kMin + 5, 3.0), geo::Position_t(40, kMax - 5));
    EXPECT_EQ(box.North(), 40);
    EXPECT_EQ(box.South(), -10);
    EXPECT_EQ(box.West(), kMax - 5);  // the short way, across the date line
    EXPECT_EQ(box.East(), kMin + 5);
    EXPECT_FALSE(box.MaxAltitude().Has());  // only one altitude given
    EXPECT_FALSE(box.AltitudeSpan().Has());

    geo::Box_t point(geo::Position_t(1, 2, 7.0), geo::Position_t(1, 2, 7.0));
    EXPECT_EQ(point.LongitudeSpan(), 0u);
    EXPECT_EQ(*point.AltitudeSpan(), 0.0);
}

TEST(BoxUnion, WithEmptyBoxIsTheOther) {
    geo::Box_t box = Arc(3, 9);
    EXPECT_EQ(geo::Box_t::Union(box, geo::Box_t()), box);
    EXPECT_EQ(geo::Box_t::Union(geo::Box_t(), box), box);
    EXPECT_TRUE(geo::Box_t::Union(geo::Box_t(), geo::Box_t()).Empty());
}

TEST(BoxUnion, LatitudesAndOverlappingArcs) {
    geo::Box_t a(20, 10, 100, 0);
    geo::Box_t b(50, -5, 150, 50);
    geo::Box_t u = geo::Box_t::Union(a, b);
    EXPECT_EQ(u.North(), 50);
    EXPECT_EQ(u.South(), -5);
    EXPECT_EQ(u.West(), 0);
    EXPECT_EQ(u.East(), 150);
    EXPECT_EQ(geo::Box_t::Union(b, a), u);

    // Overlap across the date line.
    geo::Box_t c = geo::Box_t::Union(Arc(kMax - 100, kMin + 100), Arc(kMin, kMin + 500));
    EXPECT_EQ(c.West(), kMax - 100);
    EXPECT_EQ(c.East(), kMin + 500);

    // One inside the other keeps the outer one.
    geo::Box_t d = geo::Box_t::Union(Arc(0, 100), Arc(20, 30));
    EXPECT_EQ(d.West(), 0);
    EXPECT_EQ(d.East(), 100);
}

TEST(BoxUnion, SameArcsAndWholeCircle) {
    geo::Box_t same = geo::Box_t::Union(Arc(5, 5), Arc(5, 5));
    EXPECT_EQ(same.West(), 5);
    EXPECT_EQ(same.East(), 5);

    geo::Box_t equal = geo::Box_t::Union(Arc(-7, 70), Arc(-7, 70));
    EXPECT_EQ(equal.West(), -7);
    EXPECT_EQ(equal.East(), 70);

    // Two halves of the circle, each covering the other's ends.
    geo::Box_t whole = geo::Box_t::Union(Arc(0, kMin), Arc(kMin, 0));
    EXPECT_EQ(static_cast<std::uint32_t>(whole.West()), 0x80000000u);
    EXPECT_EQ(static_cast<std::uint32_t>(whole.East()), 0x7FFFFFFFu);

    geo::Box_t wrapped = geo::Box_t::Union(Arc(0, -(1 << 30)) /* 270 degrees */, Arc(kMin, 1 << 30));
    EXPECT_EQ(static_cast<std::uint32_t>(wrapped.West()), 0x80000000u);
    EXPECT_EQ(static_cast<std::uint32_t>(wrapped.East()), 0x7FFFFFFFu);
}

TEST(BoxUnion, DisjointArcsBridgeTheSmallerGap) {
    // Gap 100..200 is small; the other way round is almost the whole circle.
    geo::Box_t u = geo::Box_t::Union(Arc(0, 100), Arc(200, 300));
    EXPECT_EQ(u.West(), 0);
    EXPECT_EQ(u.East(), 300);
    EXPECT_EQ(geo::Box_t::Union(Arc(200, 300), Arc(0, 100)), u);

    // Small gap across the date line.
    geo::Box_t v = geo::Box_t::Union(Arc(kMin + 10, kMin + 20), Arc(kMax - 20, kMax - 10));
    EXPECT_EQ(v.West(), kMax - 20);
    EXPECT_EQ(v.East(), kMin + 20);

    // Two equal gaps: from the second box's west to the first box's east.
    const std::int32_t q = 1 << 30;
    geo::Box_t a = Arc(0, q / 2);
    geo::Box_t b = Arc(kMin, kMin + q / 2);  // gaps of one and a half quarters each way
    geo::Box_t tie = geo::Box_t::Union(a, b);
    EXPECT_EQ(tie.West(), b.West());
    EXPECT_EQ(tie.East(), a.East());
}

TEST(BoxUnion, Altitudes) {
    geo::Box_t low(20, 10, 1, 0, 10.0, 2.0);
    geo::Box_t high(20, 10, 1, 0, 30.0, 5.0);
    geo::Box_t none(20, 10, 1, 0);
    geo::Box_t both = geo::Box_t::Union(low, high);
    EXPECT_EQ(*both.MaxAltitude(), 30.0);
    EXPECT_EQ(*both.MinAltitude(), 2.0);
    geo::Box_t one = geo::Box_t::Union(none, high);
    EXPECT_EQ(*one.MaxAltitude(), 30.0);
    EXPECT_EQ(*one.MinAltitude(), 5.0);
    EXPECT_FALSE(geo::Box_t::Union(none, none).MaxAltitude().Has());
}

TEST(BoxUnion, ExtendAccumulates) {
    geo::Box_t box;
    box.Extend(geo::Box_t(geo::Position_t(0, kMax - 10), geo::Position_t(0, kMax - 10)));
    box.Extend(geo::Box_t(geo::Position_t(5, kMin + 10), geo::Position_t(5, kMin + 10)));
    box.Extend(geo::Box_t(geo::Position_t(-5, kMin + 30), geo::Position_t(-5, kMin + 30)));
    EXPECT_EQ(box.West(), kMax - 10);
    EXPECT_EQ(box.East(), kMin + 30);
    EXPECT_EQ(box.North(), 5);
    EXPECT_EQ(box.South(), -5);
}

// Extend works in place: it must match Union bit for bit (signed zeros and NaN altitudes
// included), and raise where Union raises.
using Bits_t = std::array<std::uint64_t, 9>;  // state, then both corners

Bits_t Bits(const geo::Box_t& box) {
    Bits_t out{box.Empty() ? 1u : 0u};
    if (box.Empty()) return out;
    std::size_t i = 1;
    for (const geo::Position_t* corner : {&box.FirstCorner(), &box.SecondCorner()}) {
        out[i++] = static_cast<std::uint32_t>(corner->latitude);
        out[i++] = static_cast<std::uint32_t>(corner->longitude);
        out[i++] = corner->altitude.Has();
        if (corner->altitude.Has()) std::memcpy(&out[i], &*corner->altitude, sizeof(double));
        ++i;
    }
    return out;
}

template <class Extend_t>
Bits_t Outcome(geo::Box_t box, Extend_t extend) {
    try {
        extend(box);
        return Bits(box);
    } catch (const base::OutOfRange_t&) {
        return Bits_t{2u};
    }
}

const base::Optional_t<double> kNone;
const double kNaN = std::nan("");

TEST(BoxUnion, ExtendMatchesUnionBitForBit) {
    const std::int32_t h = 1 << 30;
    const std::vector<std::pair<std::int32_t, std::int32_t>> arcs = {
        {0, 100},     {20, 30}, {100, 0}, {kMax - 100, kMin + 100}, {7, 7}, {0, kMin}, {kMin, 0},
        {kMin, kMax}, {0, -h},  {kMin, h}};
    const std::vector<std::pair<base::Optional_t<double>, base::Optional_t<double>>> heights = {
        {kNone, kNone}, {10.0, 0.0},  {0.0, -0.0},  {-0.0, 0.0}, {kNaN, 0.0},
        {10.0, kNaN},   {5.0, kNone}, {kNone, 5.0}, {5.0, 5.0}};
    std::vector<geo::Box_t> boxes = {geo::Box_t()};
    for (const auto& arc : arcs) {
        for (const auto& height : heights) {
            boxes.emplace_back(20, 10, arc.second, arc.first, height.first, height.second);
            boxes.emplace_back(15, 12, arc.second, arc.first, height.first, height.second);
        }
    }
    geo::Position_t beyond(0, 0);
    beyond.latitude = h + 1;
    boxes.emplace_back(beyond, geo::Position_t(0, 50));  // not checked when spanned

    for (const geo::Box_t& a : boxes) {
        for (const geo::Box_t& b : boxes) {
            const Bits_t want = Outcome(a, [&](geo::Box_t& x) { x = geo::Box_t::Union(x, b); });
            ASSERT_EQ(Outcome(a, [&](geo::Box_t& x) { x.Extend(b); }), want)
                << testing::PrintToString(Bits(a)) << " + " << testing::PrintToString(Bits(b));
        }
    }

    std::vector<geo::Position_t> points;
    for (std::int32_t latitude : {12, 25}) {
        for (std::int32_t longitude : {0, 25, 100, kMin, kMin + 50}) {
            for (const base::Optional_t<double>& altitude :
                 {kNone, base::Optional_t<double>(0.0), base::Optional_t<double>(-0.0),
                  base::Optional_t<double>(10.0), base::Optional_t<double>(kNaN)}) {
                points.emplace_back(latitude, longitude, altitude);
            }
        }
    }
    for (const geo::Box_t& box : boxes) {
        for (const geo::Position_t& p : points) {
            for (const geo::Position_t& q : points) {
                const Bits_t want =
                    Outcome(box, [&](geo::Box_t& x) { x = geo::Box_t::Union(x, geo::Box_t(p, q)); });
                ASSERT_EQ(Outcome(box, [&](geo::Box_t& x) { x.Extend(p, q); }), want)
                    << testing::PrintToString(Bits(box));
            }
        }
    }
}

}  // namespace
