#include "trove/TROVE_Route.h"

#include <gtest/gtest.h>

#include "support/SUPPORT_Bytes.h"
#include "tbk/TBK_Payload.h"
#include "trove/TROVE_BoxIo.h"
#include "trove/bin/BIN_StringStream.h"

namespace {

trove::RouteWaypoint_t Point(const std::string& name, std::int32_t lat) {
    trove::RouteWaypoint_t point;
    point.waypoint.name = trove::Name_t(name);
    point.link.link_text = "to next";
    point.link.link_points = {geo::Position_t(lat, 1), geo::Position_t(lat + 5, 2, 100.0)};
    point.link.link_bounds = geo::Box_t(point.link.link_points.front(), point.link.link_points.back());
    return point;
}

trove::Route_t ThreePoints() {
    trove::Route_t route;
    route.route_points = {Point("a", 0), Point("b", 10), Point("c", 20)};
    route.bounds = geo::Box_t(geo::Position_t(0, 1), geo::Position_t(25, 2));
    return route;
}

TEST(Route, Defaults) {
    trove::Route_t route;
    EXPECT_TRUE(route.route_points.empty());
    EXPECT_TRUE(route.bounds.Empty());
    EXPECT_EQ(route.drawing_flag, 0);
    EXPECT_EQ(route.scale, 2147483648.0);
    EXPECT_EQ(route.anchor.latitude, 0);
    EXPECT_FALSE(route.anchor.altitude.Has());
    EXPECT_EQ(route.screen_rect.right, 0.0);
    EXPECT_EQ(route.picture, nullptr);
}

TEST(Route, CopiesAreDeepButShareThePicture) {
    trove::Route_t route = ThreePoints();
    route.picture = std::make_shared<gdi::MetaFile_t>();
    {
        trove::Route_t copy = route;
        ASSERT_EQ(copy.route_points.size(), 3u);
        EXPECT_EQ(route.picture.use_count(), 2);
        copy.route_points.front().link.link_text = "changed";
        copy.route_points.back().link.link_points[0].latitude = 99;
        *copy.route_points.back().link.link_points[1].altitude = -1.0;
        EXPECT_EQ(route.route_points.front().link.link_text, "to next");
        EXPECT_EQ(route.route_points.back().link.link_points[0].latitude, 20);
        EXPECT_EQ(*route.route_points.back().link.link_points[1].altitude, 100.0);
    }
    EXPECT_EQ(route.picture.use_count(), 1);
}

TEST(Route, AssignmentTakesOverEverything) {
    trove::Route_t source = ThreePoints();
    source.drawing_flag = 3;
    source.scale = 5.0;
    source.anchor = geo::Position_t(7, 8);
    source.screen_rect = map::ScrnRect_t(1, 2, 3, 4);
    source.picture = std::make_shared<gdi::MetaFile_t>();

    trove::Route_t target;
    auto own_picture = std::make_shared<gdi::MetaFile_t>();
    target.picture = own_picture;
    target.route_points = {Point("z", 1)};
    target = source;
    EXPECT_EQ(own_picture.use_count(), 1);  // released
    EXPECT_EQ(target.picture, source.picture);
    EXPECT_EQ(target.route_points.size(), 3u);
    EXPECT_EQ(target.route_points.front().waypoint.name.text, "a");
    EXPECT_EQ(target.drawing_flag, 3);
    EXPECT_EQ(target.scale, 5.0);
    EXPECT_EQ(target.anchor.longitude, 8);
    EXPECT_EQ(target.screen_rect.bottom, 4.0);
    EXPECT_EQ(target.bounds, source.bounds);

    trove::Route_t& self = target;
    target = self;
    EXPECT_EQ(target.route_points.size(), 3u);
}

TEST(ScrnRect, EdgesMustBeOrdered) {
    map::ScrnRect_t rect(1, 2, 1, 2);
    EXPECT_EQ(rect.left, 1.0);
    EXPECT_EQ(rect.value, 0);
    EXPECT_THROW(map::ScrnRect_t(2, 0, 1, 0), base::Assert_t);
    EXPECT_THROW(map::ScrnRect_t(0, 2, 0, 1), base::Assert_t);
    try {
        map::ScrnRect_t(0, 5, 0, 1);
    } catch (const base::Assert_t& e) {
        EXPECT_STREQ(e.File(), "MAP_ScrnRect");
    }
}

TEST(BoxIo, EmptyAndCornersRoundTrip) {
    using namespace test;
    bin::stringstream empty_out;
    trove::WriteBox(empty_out, geo::Box_t());
    EXPECT_EQ(empty_out.Bytes(), std::string(1, '\1'));

    const geo::Box_t box(geo::Position_t(-3, INT32_MAX - 1, 2.5), geo::Position_t(4, INT32_MIN + 1, 9.0));
    bin::stringstream out;
    trove::WriteBox(out, box);
    EXPECT_EQ(out.Bytes(), std::string(1, '\0') + Le32(4) + Le32(INT32_MIN + 1) + std::string(1, '\1') +
                               Real(9.0) + Le32(static_cast<std::uint32_t>(-3)) + Le32(INT32_MAX - 1) +
                               std::string(1, '\1') + Real(2.5));
    geo::Box_t back;
    trove::ReadBox(out, back);
    EXPECT_EQ(back, box);

    bin::stringstream flagged(std::string("\x07", 1));
    trove::ReadBox(flagged, back);
    EXPECT_TRUE(back.Empty());

    // Corners stored the wrong way round are normalised when read.
    bin::stringstream swapped(std::string(1, '\0') + Le32(0) + Le32(0) + std::string(9, '\0') + Le32(10) +
                              Le32(100) + std::string(9, '\0'));
    trove::ReadBox(swapped, back);
    EXPECT_EQ(back.North(), 10);
    EXPECT_EQ(back.West(), 0);
    EXPECT_EQ(back.East(), 100);

    bin::stringstream cut(std::string(1, '\0') + Le32(0));
    trove::ReadBox(cut, back);
    EXPECT_TRUE(cut.fail());
    EXPECT_EQ(back.East(), 100);
}

TEST(RouteWaypointIo, WriteLayoutAndRoundTrip) {
    using namespace test;
    trove::RouteWaypoint_t point;
    point.waypoint.name = trove::Name_t("W");
    point.link.link_text = "L";
    point.link.link_class = 3;
    point.link.link_number_1 = 0x01020304;
    point.link.link_number_2 = 5;
    point.link.link_short = 0xABCD;
    point.link.link_kind = 2;
    point.link.link_points = {geo::Position_t(1, 2)};
    bin::stringstream out;
    point.Write(out);
    const std::string key = Text("W") + Le32(0) + Text("") + Le32(0) + Le32(0xFFFFFFFF) +
                            std::string(8, '\xFF') + Le16(0) + Le32(0xFFFFFFFF);
    const std::string link = Text("L") + Le32(3) + Le32(0x01020304) + Le32(5) + Le16(0xABCD) + Le32(2) +
                             Le32(1) + Le32(1) + Le32(2) + std::string(9, '\0') + std::string(1, '\1');
    EXPECT_EQ(out.Bytes(), key + link);

    trove::RouteWaypoint_t back;
    back.Read(out, 103);
    ASSERT_FALSE(out.fail());
    EXPECT_EQ(back.waypoint.name.text, "W");
    EXPECT_EQ(back.link.link_short, 0xABCD);
    EXPECT_EQ(back.link.link_kind, 2);
    ASSERT_EQ(back.link.link_points.size(), 1u);
    EXPECT_EQ(back.link.link_points[0], geo::Position_t(1, 2));
    EXPECT_TRUE(back.link.link_bounds.Empty());
}

// A route point as the test data builder writes it.
std::string BuiltPoint(const tbk::RoutePoint_t& point, int data_version) {
    tbk::ByteWriter_t w;
    tbk::PutWaypointKey(w, point.waypoint, data_version);
    tbk::PutLink(w, point.link, data_version);
    return w.Take();
}

TEST(RouteWaypointIo, LinkShortFollowsDataVersion) {
    tbk::RoutePoint_t built;
    built.waypoint.name = "P";
    built.link.link_short = 0x1234;
    built.link.link_points = {tbk::At(1.0, 2.0), tbk::At(1.5, 2.5, 10.0)};
    built.link.link_bounds = tbk::BoxAround(built.link.link_points);
    for (int version : {100, 101, 103}) {
        SCOPED_TRACE(version);
        bin::stringstream in(BuiltPoint(built, version));
        trove::RouteWaypoint_t point;
        point.Read(in, static_cast<std::uint16_t>(version));
        ASSERT_FALSE(in.fail());
        EXPECT_EQ(point.link.link_short, version == 100 ? 0x34 : 0x1234);
        EXPECT_EQ(point.link.link_points.size(), 2u);
        EXPECT_EQ(point.link.link_bounds.North(), tbk::Semicircles(1.5));
        // Remaining bytes: none.
        std::uint8_t extra = 0;
        in.ReadByte(extra);
        EXPECT_TRUE(in.eof());
    }
}

TEST(RouteWaypointIo, OutOfRangeOrShortInputLeavesTargetUnchanged) {
    trove::RouteWaypoint_t kept = Point("kept", 0);
    for (auto change : {+[](tbk::RoutePoint_t& p) { p.link.link_class = 4; },
                        +[](tbk::RoutePoint_t& p) { p.link.link_class = -1; },
                        +[](tbk::RoutePoint_t& p) { p.link.link_kind = 3; },
                        +[](tbk::RoutePoint_t& p) { p.waypoint.id_class = 13; }}) {
        tbk::RoutePoint_t built;
        built.waypoint.name = "new";
        change(built);
        bin::stringstream in(BuiltPoint(built, 103));
        kept.Read(in, 103);
        EXPECT_TRUE(in.fail());
        EXPECT_EQ(kept.waypoint.name.text, "kept");
        EXPECT_EQ(kept.link.link_text, "to next");
    }
    tbk::RoutePoint_t built;
    built.link.link_points = {tbk::At(1.0, 2.0)};
    const std::string whole = BuiltPoint(built, 103);
    bin::stringstream cut(whole.substr(0, whole.size() - 3));
    kept.Read(cut, 103);
    EXPECT_TRUE(cut.fail());
    EXPECT_EQ(kept.waypoint.name.text, "kept");
}

}  // namespace
