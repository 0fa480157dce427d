// R, T and L records of the current-format reader: layouts, the checks of route insertion,
// tracks filed even when damaged, maps and their optional item list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/SUPPORT_CodePageScope.h"
#include "support/SUPPORT_ExpectRaise.h"
#include "support/SUPPORT_Readers.h"
#include "tbk/TBK_FileBuilder.h"
#include "tbk/TBK_Payload.h"

namespace {

using support::ReadCurrent;

tbk::WaypointKey_t Key(const std::string& name) {
    tbk::WaypointKey_t key;
    key.name = name;
    return key;
}

tbk::Route_t Rt(const std::string& name, const std::vector<tbk::WaypointKey_t>& keys) {
    tbk::Route_t route;
    route.name = name;
    route.generated_name = 0;
    for (const tbk::WaypointKey_t& key : keys) route.points.push_back({key, {}});
    return route;
}

tbk::Track_t Tk(const std::string& name, int points) {
    tbk::Track_t track;
    track.name = name;
    for (int i = 0; i < points; ++i)
        track.points.push_back({tbk::At(10 + i * 0.001, 20), 1000 + i, 0.5 * i, 0});
    return track;
}

// A file whose waypoints A and B exist, in the given data version.
tbk::FileBuilder_t File(int data_version = 105) {
    tbk::FileBuilder_t file(data_version);
    file.Header().Waypoint({Key("A"), {}}).Waypoint({Key("B"), {}});
    return file;
}

int Line(const std::string& bytes) {
    auto db = support::ImportDatabase();
    try {
        ReadCurrent(bytes, db);
    } catch (const trove::BadStream_t& e) {
        EXPECT_STREQ(e.File(), "TROVE_Database");
        return e.Line();
    }
    return 0;
}

TEST(RouteRecord, LinksAndBoxesInEachLayout) {
    tbk::Route_t route = Rt("Trip", {Key("A"), Key("B")});
    route.generated_name = 1;
    route.bounds = tbk::BoxAround({tbk::At(1, 2, 5.0), tbk::At(3, 4, 9.0)});
    tbk::Link_t& link = route.points[0].link;
    link = {"path",
            3,
            11,
            12,
            0x0102,
            2,
            {tbk::At(1, 2), tbk::At(1.5, 3)},
            tbk::BoxAround({tbk::At(1, 2), tbk::At(1.5, 3)}),
            {}};
    for (int version : {100, 101, 105}) {
        SCOPED_TRACE(version);
        auto db = support::ImportDatabase();
        ReadCurrent(File(version).Route(route).Bytes(), db);
        ASSERT_EQ(db.routes.size(), 1u);
        // The name is kept as read even though the flag says it was made up.
        EXPECT_EQ(db.routes.begin()->first.name.text, "Trip");
        EXPECT_EQ(db.routes.begin()->first.generated_name, 1);
        const trove::Route_t& read = db.routes.begin()->second;
        EXPECT_EQ(read.bounds.North(), tbk::Semicircles(3));
        EXPECT_EQ(read.bounds.West(), tbk::Semicircles(2));
        EXPECT_EQ(*read.bounds.MaxAltitude(), 9.0);
        ASSERT_EQ(read.route_points.size(), 2u);
        const trove::RouteLink_t& first = read.route_points.front().link;
        EXPECT_EQ(first.link_text, "path");
        EXPECT_EQ(first.link_class, 3);
        EXPECT_EQ(first.link_number_1 + first.link_number_2, 23u);
        EXPECT_EQ(first.link_short, version <= 100 ? 0x02 : 0x0102);
        EXPECT_EQ(first.link_kind, 2);
        EXPECT_EQ(first.link_points.size(), 2u);
        EXPECT_EQ(first.link_bounds.South(), tbk::Semicircles(1));
        EXPECT_TRUE(read.route_points.back().link.link_bounds.Empty());
        EXPECT_TRUE(db.changed.test(trove::kRouteKind));
    }
}

TEST(RouteRecord, InsertionChecks) {
    tbk::Route_t blocked = Rt("R", {Key("A")});
    blocked.points[0].waypoint.id_block[0] = 33;
    tbk::Route_t blocked31 = blocked;
    blocked31.points[0].waypoint.id_block[0] = 31;
    tbk::Route_t bad_link = Rt("R", {Key("A")});
    bad_link.points[0].link.link_class = 4;
    tbk::Route_t claims_more = Rt("R", {Key("A")});
    claims_more.declared_count = 0xFFFFFFFFu;
    tbk::Route_t huge_link = Rt("R", {Key("A")});
    huge_link.points[0].link.declared_count = 0xFFFFFFFFu;

    EXPECT_EQ(Line(File().Route(Rt("R", {})).Bytes()), 1098);
    EXPECT_EQ(Line(File().Route(blocked).Bytes()), 1098);
    EXPECT_EQ(Line(File().Route(blocked31).Bytes()), 1098);
    // A damaged record leaves the route empty; the checks catch it.
    EXPECT_EQ(Line(File().Route(bad_link).Bytes()), 1098);
    EXPECT_EQ(Line(File().Route(claims_more).Bytes()), 1098);
    EXPECT_EQ(Line(File().Route(huge_link).Bytes()), 1098);
    EXPECT_EQ(Line(File().Route(Rt("R", {Key("A")})).Route(bad_link).Bytes()), 1094);
    EXPECT_EQ(Line(File().Route(Rt("R", {Key("A")})).Route(Rt("r", {Key("B")})).Bytes()), 1094);
    // Waypoints must come before the routes that use them.
    EXPECT_EQ(Line(File().Route(Rt("R", {Key("A"), Key("C")})).Waypoint({Key("C"), {}}).Bytes()), 1102);
    // The second waypoint's block does not matter.
    tbk::Route_t later_block = Rt("R", {Key("A"), Key("B")});
    later_block.points[1].waypoint.id_block[0] = 33;
    EXPECT_EQ(Line(File().Route(later_block).Bytes()), 0);
}

TEST(RouteRecord, BrokenNamesAreFiledAtTheEndUnderTheirValidPrefix) {
    support::CodePageScope_t japanese(932);
    auto db = support::ImportDatabase();
    ReadCurrent(File()
                    .Route(Rt("Go\x81", {Key("A")}))
                    .Route(Rt("Go", {Key("B")}))
                    .Route(Rt("X\x82", {Key("B")}))
                    .Bytes(),
                db);
    std::vector<std::string> names;
    for (const auto& entry : db.routes) names.push_back(entry.first.name.text);
    EXPECT_EQ(names, (std::vector<std::string>{"Go", "Go 1", "X"}));
}

TEST(TrackRecord, PointsTimesAndValues) {
    tbk::Track_t track = Tk("Run", 250);
    track.track_byte = 0;
    track.track_enum = 16;
    track.points[3].time.reset();
    track.points[4].point_real.reset();
    track.points[5].position.altitude = 12.5;
    auto db = support::ImportDatabase();
    ReadCurrent(File().Track(track).Bytes(), db);
    ASSERT_EQ(db.tracks.size(), 1u);
    const trove::Track_t& read = db.tracks.begin()->second;
    EXPECT_EQ(db.tracks.begin()->first.text, "Run");
    EXPECT_EQ(read.track_byte, 0);
    EXPECT_EQ(read.track_enum, 16);
    EXPECT_EQ(read.point_count, 250);
    EXPECT_EQ(read.segments.size(), 3u);
    const auto& points = read.segments.front().points;
    auto p = points.begin();
    std::advance(p, 3);
    EXPECT_FALSE(p->time.Has());
    EXPECT_EQ(*p->point_real, 1.5);
    ++p;
    EXPECT_EQ(*p->time, 1004);
    EXPECT_FALSE(p->point_real.Has());
    ++p;
    EXPECT_EQ(*p->position.altitude, 12.5);
    EXPECT_EQ(*read.stats.duration, 247.0);  // the legs to and from point 3 have no time
    EXPECT_TRUE(db.changed.test(trove::kTrackKind));
}

TEST(TrackRecord, TimesMustBeUtcTimesEvenWhenAbsent) {
    tbk::Track_t absent = Tk("T", 2);
    absent.points[1].time.reset();
    absent.points[1].absent_time_seconds = -1;
    auto db = support::ImportDatabase();
    EXPECT_RAISES(base::OutOfRange_t, ReadCurrent(File().Track(absent).Bytes(), db), "BASE_Time", 167);
    tbk::Track_t negative = Tk("T", 2);
    negative.points[0].time = -5;
    auto db2 = support::ImportDatabase();
    EXPECT_RAISES(base::OutOfRange_t, ReadCurrent(File().Track(negative).Bytes(), db2), "BASE_Time", 167);
    // The same checks for a last point cut short inside its value: position and time came whole.
    const std::string cut = tbk::TrackPayload(absent);
    auto db3 = support::ImportDatabase();
    EXPECT_RAISES(base::OutOfRange_t,
                  ReadCurrent(File().Record('T', cut.substr(0, cut.size() - 3)).Bytes(), db3), "BASE_Time",
                  167);
    tbk::Track_t polar = Tk("T", 1);
    polar.points[0].position.latitude = -(1 << 30) - 1;
    const std::string polar_cut = tbk::TrackPayload(polar);
    auto db4 = support::ImportDatabase();
    EXPECT_RAISES(base::OutOfRange_t, ReadCurrent(File().Track(polar).Bytes(), db4), "GEO_Position", 63);
    auto db5 = support::ImportDatabase();
    EXPECT_RAISES(base::OutOfRange_t,
                  ReadCurrent(File().Record('T', polar_cut.substr(0, polar_cut.size() - 10)).Bytes(), db5),
                  "GEO_Position", 63);
}

TEST(TrackRecord, LongTracksRaiseAndFailAsPointByPoint) {
    // Points are read many at a time: a fault deep inside a track behaves as anywhere else.
    tbk::Track_t late_time = Tk("T", 200);
    late_time.points[130].time.reset();
    late_time.points[130].absent_time_seconds = -1;
    auto db = support::ImportDatabase();
    EXPECT_RAISES(base::OutOfRange_t, ReadCurrent(File().Track(late_time).Bytes(), db), "BASE_Time", 167);
    tbk::Track_t late_polar = Tk("T", 200);
    late_polar.points[190].position.latitude = (1 << 30) + 1;
    auto db2 = support::ImportDatabase();
    EXPECT_RAISES(base::OutOfRange_t, ReadCurrent(File().Track(late_polar).Bytes(), db2), "GEO_Position", 63);
    tbk::Track_t short_points = Tk("S", 150);
    short_points.declared_count = 151;
    auto db3 = support::ImportDatabase();
    ReadCurrent(File().Track(short_points).Bytes(), db3);
    ASSERT_EQ(db3.tracks.size(), 1u);
    EXPECT_EQ(db3.tracks.begin()->second.point_count, 0);
}

TEST(TrackRecord, DamagedTracksAreFiledEmptyAndNamesMustDiffer) {
    tbk::Track_t bad_enum = Tk("E", 3);
    bad_enum.track_enum = 17;
    tbk::Track_t short_points = Tk("S", 3);
    short_points.declared_count = 0xFFFFFFFFu;
    auto db = support::ImportDatabase();
    ReadCurrent(File().Track(bad_enum).Track(short_points).Record('T', "").Bytes(), db);
    ASSERT_EQ(db.tracks.size(), 3u);
    for (const auto& entry : db.tracks) {
        EXPECT_EQ(entry.second.point_count, 0);
        EXPECT_EQ(entry.second.track_byte, 1);
    }
    EXPECT_EQ(db.tracks.begin()->first.text, "");  // the record with no name at all
    EXPECT_EQ(Line(File().Track(Tk("T", 1)).Track(Tk("t", 2)).Bytes()), 175);
}

TEST(TrackRecord, BrokenNamesAreFiledAtTheEndNumberedWhenTaken) {
    support::CodePageScope_t japanese(932);
    auto db = support::ImportDatabase();
    ReadCurrent(File().Track(Tk("Day\x81", 1)).Track(Tk("Day", 1)).Track(Tk("Day\x82", 1)).Bytes(), db);
    std::vector<std::string> names;
    for (const auto& entry : db.tracks) names.push_back(entry.first.text);
    EXPECT_EQ(names, (std::vector<std::string>{"Day", "Day 001", "Day 002"}));
}

TEST(MapRecord, ItemListIsOptionalButMustEnd) {
    auto db = support::ImportDatabase();
    ReadCurrent(File()
                    .Map({7, 2, "one", "Second", "two", std::vector<std::uint32_t>{5, 6}})
                    .Map({7, 1, "", "First", "", {}})
                    .Bytes(),
                db);
    ASSERT_EQ(db.maps.size(), 2u);
    EXPECT_EQ(db.maps.begin()->name, "First");
    EXPECT_TRUE(db.maps.begin()->map_items.empty());
    EXPECT_EQ(db.maps.rbegin()->map_items, (std::vector<std::uint32_t>{5, 6}));
    EXPECT_EQ(db.maps.rbegin()->map_text_1 + db.maps.rbegin()->map_text_2, "onetwo");
    EXPECT_TRUE(db.changed.test(trove::kMapKind));

    const std::string items_unended = tbk::MapPayload({1, 1, "", "M", "", {}}) + std::string("\x05\0\0\0", 4);
    EXPECT_EQ(Line(File().Record('L', items_unended).Bytes()), 210);
    EXPECT_EQ(Line(File().Record('L', std::string("\x01\0\0\0\x01\0\0\0ab", 10)).Bytes()), 210);
    EXPECT_EQ(Line(File().Map({1, 1, "", "M", "", {}}).Map({1, 1, "", "N", "", {}}).Bytes()), 221);
}

}  // namespace
