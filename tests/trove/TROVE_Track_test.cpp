#include "trove/TROVE_Track.h"

#include <gtest/gtest.h>

#include <vector>

#include "geo/GEO_Vector.h"
#include "support/SUPPORT_ExpectRaise.h"

namespace {

trove::TrackPoint_t At(std::int32_t lat, std::int32_t lon, base::Optional_t<std::int32_t> time = {}) {
    trove::TrackPoint_t p;
    p.position = geo::Position_t(lat, lon);
    p.time = time;
    return p;
}

// A wandering path: point i lies about i * 0.01 degrees east and a little north or south.
std::vector<trove::TrackPoint_t> Path(int n) {
    std::vector<trove::TrackPoint_t> points;
    for (int i = 0; i < n; ++i) points.push_back(At(500000000 + (i % 7) * 100000, i * 119305, 1000 + i * 5));
    return points;
}

double SumOfLegs(const std::vector<trove::TrackPoint_t>& points) {
    double sum = 0.0;
    for (std::size_t i = 1; i < points.size(); ++i)
        sum += geo::Distance(points[i - 1].position, points[i].position);
    return sum;
}

trove::Track_t TrackOf(const std::vector<trove::TrackPoint_t>& points) {
    trove::Track_t track;
    for (const trove::TrackPoint_t& p : points) track.AppendPoint(p);
    return track;
}

TEST(Track, Defaults) {
    trove::Track_t track;
    EXPECT_EQ(track.track_byte, 1);
    EXPECT_EQ(track.track_enum, 0);
    EXPECT_TRUE(track.segments.empty());
    EXPECT_TRUE(track.stats.box.Empty());
    EXPECT_EQ(track.stats.min_latitude, 1 << 30);
    EXPECT_EQ(track.stats.max_latitude, -(1 << 30));
    EXPECT_EQ(track.point_count, 0);
    EXPECT_EQ(track.scale, 2147483648.0);
    auto* null_filter = dynamic_cast<trove::NullFilter_t*>(track.filter.Get());
    ASSERT_NE(null_filter, nullptr);
    EXPECT_EQ(null_filter->parameters, (trove::TrackFilter_t::Parameters_t{1, 0, 0, 0, 0, 0, 0}));
}

TEST(TrackSegments, HundredPointsThenANewSegmentSharingTheBoundary) {
    const std::vector<trove::TrackPoint_t> points = Path(101);
    trove::Track_t track;
    for (int i = 0; i < 100; ++i) EXPECT_EQ(track.AppendPoint(points[i]), i + 1);
    ASSERT_EQ(track.segments.size(), 1u);
    EXPECT_EQ(track.segments.front().points.size(), 100u);

    EXPECT_EQ(track.AppendPoint(points[100]), 101);
    ASSERT_EQ(track.segments.size(), 2u);
    EXPECT_EQ(track.segments.front().points.size(), 100u);
    EXPECT_EQ(track.segments.back().points.size(), 2u);
    EXPECT_EQ(track.segments.back().points.front().position, points[99].position);
    EXPECT_EQ(track.segments.back().points.back().position, points[100].position);
    EXPECT_EQ(track.point_count, 101);

    // Each point is one leg of its segment, the first of a segment a zero-length one.
    EXPECT_EQ(track.segments.front().stats.count, 100);
    EXPECT_EQ(track.segments.back().stats.count, 2);
    EXPECT_EQ(track.stats.count, 0);
}

TEST(TrackSegments, SegmentsNeverHoldMoreThanAHundred) {
    trove::Track_t track = TrackOf(Path(350));
    // 100, then 99 new points per further segment: 100 + 99 + 99 + 52.
    ASSERT_EQ(track.segments.size(), 4u);
    std::size_t held = 0;
    for (const trove::TrackSegment_t& s : track.segments) {
        EXPECT_LE(s.points.size(), 100u);
        held += s.points.size();
    }
    EXPECT_EQ(held, 350u + 3u);
    EXPECT_EQ(track.segments.back().points.size(), 53u);
}

TEST(TrackStats, DistanceIsTheSumOfLegsWhereverSegmentsSplit) {
    for (int n : {2, 100, 101, 102, 350}) {
        SCOPED_TRACE(n);
        const std::vector<trove::TrackPoint_t> points = Path(n);
        trove::Track_t track = TrackOf(points);
        const double expected = SumOfLegs(points);
        EXPECT_NEAR(track.stats.distance, expected, expected * 1e-12);
        double by_segment = 0.0;
        for (const trove::TrackSegment_t& s : track.segments) by_segment += s.stats.distance;
        EXPECT_NEAR(by_segment, expected, expected * 1e-12);
    }
}

TEST(TrackStats, OneSemicircleApartHasNoCorrection) {
    trove::Track_t track = TrackOf({At(0, 0), At(0, 1)});
    EXPECT_NEAR(track.stats.distance, 6378137.0 / 683565275.5764323, 1e-12);
}

TEST(TrackStats, DurationOnlyFromTimedPairs) {
    EXPECT_FALSE(TrackOf({At(0, 0), At(0, 5)}).stats.duration.Has());
    // A timed first point makes a zero-length leg with itself: duration 0, not absent.
    EXPECT_EQ(*TrackOf({At(0, 0, 100), At(0, 5)}).stats.duration, 0.0);
    EXPECT_FALSE(TrackOf({At(0, 0), At(0, 5, 100)}).stats.duration.Has());
    EXPECT_EQ(*TrackOf({At(0, 0, 100), At(0, 5, 160)}).stats.duration, 60.0);
    EXPECT_EQ(*TrackOf({At(0, 0, 160), At(0, 5, 100)}).stats.duration, 60.0);
    EXPECT_EQ(*TrackOf({At(0, 0, 0), At(0, 5, 10), At(0, 6), At(0, 7, 50)}).stats.duration, 10.0);
    // Extreme times do not overflow.
    EXPECT_EQ(*TrackOf({At(0, 0, INT32_MIN), At(0, 5, INT32_MAX)}).stats.duration, 4294967295.0);

    // Across segment boundaries the durations add up.
    std::vector<trove::TrackPoint_t> points = Path(250);
    trove::Track_t track = TrackOf(points);
    EXPECT_EQ(*track.stats.duration, 249 * 5.0);
}

TEST(TrackStats, EquatorTrackHasNoAreaAndOneLatitude) {
    trove::Track_t track = TrackOf({At(0, 0), At(0, 1000), At(0, -5000)});
    EXPECT_EQ(track.stats.area_sum, 0.0);
    EXPECT_EQ(track.stats.min_latitude, 0);
    EXPECT_EQ(track.stats.max_latitude, 0);
}

TEST(TrackStats, ShoelaceAreaBoxAndEnds) {
    // Counter-clockwise square of side 1000 semicircles, closed: twice the area is 2 * 10^6.
    trove::Track_t track = TrackOf({At(0, 0), At(0, 1000), At(1000, 1000), At(1000, 0), At(0, 0)});
    EXPECT_EQ(track.stats.area_sum, 2000000.0);
    EXPECT_EQ(track.stats.min_latitude, 0);
    EXPECT_EQ(track.stats.max_latitude, 1000);
    EXPECT_EQ(track.stats.box.North(), 1000);
    EXPECT_EQ(track.stats.box.West(), 0);
    EXPECT_EQ(track.stats.box.East(), 1000);
    EXPECT_EQ(track.stats.first->position, geo::Position_t(0, 0));
    EXPECT_EQ(track.stats.last->position, geo::Position_t(0, 0));

    const std::vector<trove::TrackPoint_t> points = Path(205);
    trove::Track_t long_track = TrackOf(points);
    EXPECT_EQ(long_track.stats.first->position, points.front().position);
    EXPECT_EQ(long_track.stats.last->position, points.back().position);
    EXPECT_EQ(long_track.stats.box.West(), points.front().position.longitude);
    EXPECT_EQ(long_track.stats.box.East(), points.back().position.longitude);
}

TEST(TrackStats, BoxAcrossTheDateLine) {
    trove::Track_t track =
        TrackOf({At(0, INT32_MAX - 100), At(10, INT32_MIN + 50), At(-10, INT32_MIN + 200)});
    EXPECT_EQ(track.stats.box.West(), INT32_MAX - 100);
    EXPECT_EQ(track.stats.box.East(), INT32_MIN + 200);
    EXPECT_EQ(track.stats.box.LongitudeSpan(), 301u);
}

TEST(TrackCopy, DeepSegmentsSharedPicturesClonedFilter) {
    trove::Track_t track = TrackOf(Path(150));
    track.segments.front().picture = std::make_shared<gdi::MetaFile_t>();
    static_cast<trove::NullFilter_t&>(*track.filter).parameters[3] = 42;

    trove::Track_t copy = track;
    EXPECT_EQ(track.segments.front().picture.use_count(), 2);
    EXPECT_NE(copy.filter.Get(), track.filter.Get());
    EXPECT_EQ(dynamic_cast<trove::NullFilter_t&>(*copy.filter).parameters[3], 42);

    copy.segments.front().points.front().position.latitude = 1;
    copy.AppendPoint(At(0, 0));
    EXPECT_EQ(track.segments.front().points.front().position.latitude, 500000000);
    EXPECT_EQ(track.point_count, 150);
    EXPECT_EQ(copy.point_count, 151);
    EXPECT_EQ(track.segments.back().points.size(), 51u);

    trove::Track_t assigned;
    trove::TrackFilterIntf_t* old_filter = assigned.filter.Get();
    assigned = track;
    EXPECT_NE(assigned.filter.Get(), old_filter);
    EXPECT_EQ(assigned.point_count, 150);
    EXPECT_EQ(assigned.segments.size(), 2u);
    EXPECT_DOUBLE_EQ(assigned.stats.distance, track.stats.distance);
}

TEST(TrackStats, LastPointChangedInPlaceIsMeasuredAfresh) {
    std::vector<trove::TrackPoint_t> points = Path(5);
    trove::Track_t track = TrackOf(points);
    track.segments.back().points.back().position.longitude += 5000000;
    points.back().position.longitude += 5000000;
    const trove::TrackPoint_t next = At(500000000, 9000000);
    track.AppendPoint(next);
    const double leg = geo::Distance(points.back().position, next.position);
    const double before = SumOfLegs(Path(5));
    EXPECT_NEAR(track.stats.distance, before + leg, 1e-6);
}

TEST(TrackCopy, MoveHandsOverThePointsWithoutCopying) {
    trove::Track_t track = TrackOf(Path(150));
    const trove::TrackPoint_t* first = &track.segments.front().points.front();
    const double distance = track.stats.distance;
    trove::Track_t moved(std::move(track));
    EXPECT_EQ(&moved.segments.front().points.front(), first);
    EXPECT_EQ(moved.point_count, 150);
    EXPECT_DOUBLE_EQ(moved.stats.distance, distance);
    EXPECT_NE(moved.filter.Get(), nullptr);
}

TEST(TrackCopy, WithoutFilterRaises) {
    trove::Track_t track = TrackOf(Path(3));
    track.filter.Reset();
    EXPECT_THROW(trove::Track_t copy(track), base::Assert_t);
    trove::Track_t target = TrackOf(Path(5));
    try {
        target = track;
        FAIL();
    } catch (const base::Assert_t& e) {
        EXPECT_STREQ(e.File(), "BASE_AutoPtr");
    }
    EXPECT_EQ(target.point_count, 5);
    EXPECT_NE(target.filter.Get(), nullptr);
}

TEST(TrackFilter, NullFilterAppendsAndClones) {
    trove::Track_t track;
    trove::NullFilter_t filter({7, 6, 5, 4, 3, 2, 1});
    EXPECT_FALSE(filter.Filter(track, At(1, 2)));
    EXPECT_EQ(track.point_count, 1);
    std::unique_ptr<trove::TrackFilterIntf_t> clone = filter.Clone();
    auto* same = dynamic_cast<trove::NullFilter_t*>(clone.get());
    ASSERT_NE(same, nullptr);
    EXPECT_EQ(same->parameters, filter.parameters);
}

}  // namespace
