#include "tools/cli/TOOL_Pipeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "TOOL_JsonRead.h"
#include "support/SUPPORT_TempFile.h"
#include "tbk/TBK_FileBuilder.h"
#include "tbk/TBK_Seeds.h"

namespace {

struct Run_t {
    int code = -1;
    std::string out;
    std::string err;
    std::string path;
};

Run_t DumpPath(const std::string& path, bool debug = false) {
    std::ostringstream out, err;
    Run_t run;
    tool::Options_t options;
    options.file = path;
    options.debug = debug;
    run.code = tool::Dump(options, out, err);
    run.out = out.str();
    run.err = err.str();
    run.path = path;
    return run;
}

Run_t DumpBytes(const std::string& bytes, bool debug = false) {
    test::TempFile_t file(bytes);
    return DumpPath(file.Path(), debug);
}

test::Json_t DumpJson(const tbk::FileBuilder_t& file) {
    const Run_t run = DumpBytes(file.Bytes());
    EXPECT_EQ(run.code, tool::kExitOk) << run.err;
    EXPECT_EQ(run.err, "");
    return test::ReadJson(run.out);
}

tbk::Waypoint_t Named(const std::string& name, std::int32_t id_class = 0) {
    tbk::Waypoint_t w;
    w.key.name = name;
    w.key.id_class = id_class;
    w.body.position = tbk::At(46.0, 8.0);
    return w;
}

// The one line on stderr for a refused file: the path, then what refused it.
void ExpectRefused(const Run_t& run, const std::string& reason) {
    EXPECT_EQ(run.code, tool::kExitRefused);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.find("trovix: " + run.path + ": "), 0u) << run.err;
    EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

TEST(DumpJson, TopLevelKeysInContractOrder) {
    const test::Json_t json = DumpJson(tbk::SampleFile(105));
    EXPECT_EQ(json.Keys(),
              (std::vector<std::string>{"format", "format_version", "data_version", "code_page", "waypoints",
                                        "routes", "tracks", "maps", "route0", "volume", "renamed", "notes"}));
    EXPECT_EQ(json["code_page"].Int(), 1252);
    EXPECT_EQ(json["format"].Str(), "current");
    EXPECT_EQ(json["format_version"].Int(), 100);
    EXPECT_EQ(json["data_version"].Int(), 105);
    EXPECT_EQ(json["renamed"].Size(), 0u);
}

TEST(DumpJson, WaypointsInTableOrderWithEveryMember) {
    const test::Json_t waypoints = DumpJson(tbk::SampleFile(105))["waypoints"];
    ASSERT_EQ(waypoints.Size(), 4u);
    EXPECT_EQ(waypoints[0]["name"].Str(), "Bergsee");
    EXPECT_EQ(waypoints[1]["name"].Str(), "Hut");
    EXPECT_EQ(waypoints[2]["name"].Str(), "Peak");
    EXPECT_EQ(waypoints[3]["name"].Str(),
              "Z\xFC"
              "rich");
    EXPECT_EQ(waypoints[0].Keys(),
              (std::vector<std::string>{"name",     "id_class", "id_text",     "id_number_1", "id_number_2",
                                        "id_block", "id_short", "id_number_3", "latitude",    "longitude",
                                        "altitude", "text_1",   "real_1",      "enum_a",      "enum_b",
                                        "symbol",   "text_2",   "text_3",      "text_4",      "byte_1",
                                        "real_2",   "text_5",   "text_6",      "number_1",    "text_7"}));

    const test::Json_t& lake = waypoints[0];
    EXPECT_EQ(lake["id_class"].Int(), 0);
    EXPECT_EQ(lake["id_text"].Str(), "BSEE");
    EXPECT_EQ(lake["id_number_1"].Int(), 7);
    EXPECT_EQ(lake["id_number_2"].Int(), 0x12345678);
    EXPECT_EQ(lake["id_block"].Str(), "0001020304050607");
    EXPECT_EQ(lake["id_short"].Int(), 0x0102);
    EXPECT_EQ(lake["id_number_3"].Int(), 99);
    EXPECT_EQ(lake["latitude"].Int(), tbk::Semicircles(46.5));
    EXPECT_EQ(lake["longitude"].Int(), tbk::Semicircles(8.25));
    EXPECT_EQ(lake["altitude"].text, "1985.5");
    EXPECT_EQ(lake["text_1"].Str(), "clear water");
    EXPECT_EQ(lake["real_1"].text, "2.5");
    EXPECT_EQ(lake["enum_a"].Int(), 2);
    EXPECT_EQ(lake["enum_b"].Int(), 16);
    EXPECT_EQ(lake["symbol"].Int(), 139);
    EXPECT_EQ(lake["text_2"].Str(), "Lake");
    EXPECT_EQ(lake["text_3"].Str(), "Valais");
    EXPECT_EQ(lake["text_4"].Str(), "no swimming");
    EXPECT_EQ(lake["byte_1"].Int(), 255);
    EXPECT_EQ(lake["real_2"].text, "150");
    EXPECT_EQ(lake["text_5"].Str(), "Bergsee");
    EXPECT_EQ(lake["text_6"].Str(), "CH");
    EXPECT_EQ(lake["number_1"].text, "2147483649");
    EXPECT_EQ(lake["text_7"].Str(), "seven");

    const test::Json_t& hut = waypoints[1];
    EXPECT_TRUE(hut["altitude"].IsNull());
    EXPECT_TRUE(hut["real_1"].IsNull());
    EXPECT_TRUE(hut["real_2"].IsNull());
    EXPECT_EQ(hut["id_block"].Str(), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(hut["id_number_3"].Int(), 4294967295);
    EXPECT_EQ(hut["symbol"].Int(), 18);
    EXPECT_EQ(waypoints[2]["id_class"].Int(), 4);
}

TEST(DumpJson, TextsKeepTheirBytes) {
    tbk::Waypoint_t w = Named(std::string("N\x01\"\\\x7F\xFF", 6));
    w.body.text_1 = "\x1F\x80\xA0 x";
    w.body.text_2 = "tab\there";
    w.body.text_7 = "\x81\x40 double";
    const Run_t run = DumpBytes(tbk::FileBuilder_t(105).Header().Waypoint(w).Bytes());
    // 0x81 is no character of the default page: one line says so, and the bytes stay.
    EXPECT_EQ(run.err.find("warning: the texts are not text of code page 1252"), run.path.size() + 10)
        << run.err;
    const test::Json_t json = test::ReadJson(run.out);
    const test::Json_t& got = json["waypoints"][0];
    EXPECT_EQ(got["name"].Str(), std::string("N\x01\"\\\x7F\xFF", 6));
    EXPECT_EQ(got["text_1"].Str(), "\x1F\x80\xA0 x");
    EXPECT_EQ(got["text_2"].Str(), "tab\there");
    EXPECT_EQ(got["text_7"].Str(), "\x81\x40 double");
}

TEST(DumpJson, NonFiniteRealsAreStrings) {
    tbk::Waypoint_t w = Named("Odd");
    w.body.position.altitude = std::nan("");
    w.body.real_2 = -HUGE_VAL;
    const test::Json_t got = DumpJson(tbk::FileBuilder_t(105).Header().Waypoint(w))["waypoints"][0];
    EXPECT_EQ(got["altitude"].Str(), "NaN");
    EXPECT_EQ(got["real_2"].Str(), "-Infinity");
}

TEST(DumpJson, RouteWithLinksAndBoxes) {
    const test::Json_t routes = DumpJson(tbk::SampleFile(105))["routes"];
    ASSERT_EQ(routes.Size(), 1u);
    const test::Json_t& route = routes[0];
    EXPECT_EQ(route.Keys(), (std::vector<std::string>{"name", "generated_name", "bounds", "points"}));
    EXPECT_EQ(route["name"].Str(), "Tour");
    EXPECT_EQ(route["generated_name"].Int(), 0);
    EXPECT_EQ(route["bounds"].Keys(),
              (std::vector<std::string>{"north", "south", "east", "west", "max_altitude", "min_altitude"}));
    EXPECT_EQ(route["bounds"]["north"].Int(), tbk::Semicircles(46.55));
    EXPECT_EQ(route["bounds"]["south"].Int(), tbk::Semicircles(46.5));
    EXPECT_EQ(route["bounds"]["east"].Int(), tbk::Semicircles(8.3));
    EXPECT_EQ(route["bounds"]["west"].Int(), tbk::Semicircles(8.25));
    EXPECT_TRUE(route["bounds"]["max_altitude"].IsNull());  // the hut has no altitude

    const test::Json_t& points = route["points"];
    ASSERT_EQ(points.Size(), 3u);
    EXPECT_EQ(points[0].Keys(), (std::vector<std::string>{"waypoint", "link_text", "link_class",
                                                          "link_number_1", "link_number_2", "link_short",
                                                          "link_kind", "link_points", "link_bounds"}));
    EXPECT_EQ(points[0]["waypoint"].Str(), "Hut");
    EXPECT_EQ(points[1]["waypoint"].Str(), "Bergsee");
    EXPECT_EQ(points[2]["waypoint"].Str(), "Peak");
    EXPECT_EQ(points[0]["link_text"].Str(), "path");
    EXPECT_EQ(points[0]["link_class"].Int(), 3);
    EXPECT_EQ(points[0]["link_kind"].Int(), 2);
    EXPECT_EQ(points[0]["link_short"].Int(), 0xFE);
    const test::Json_t& link_points = points[1]["link_points"];
    ASSERT_EQ(link_points.Size(), 2u);
    EXPECT_EQ(link_points[0][0].Int(), tbk::Semicircles(46.5));
    EXPECT_EQ(link_points[0][1].Int(), tbk::Semicircles(8.25));
    EXPECT_EQ(link_points[0][2].text, "1985.5");
    EXPECT_EQ(link_points[1][2].text, "3120");
    EXPECT_EQ(points[1]["link_bounds"]["max_altitude"].text, "3120");
    EXPECT_EQ(points[1]["link_bounds"]["min_altitude"].text, "1985.5");
    EXPECT_EQ(points[2]["link_points"].Size(), 0u);
    EXPECT_TRUE(points[2]["link_bounds"].IsNull());
}

TEST(DumpJson, TrackPointsWithoutTheSegmentBoundaryCopies) {
    const test::Json_t tracks = DumpJson(tbk::SampleFile(105))["tracks"];
    ASSERT_EQ(tracks.Size(), 1u);
    const test::Json_t& track = tracks[0];
    EXPECT_EQ(track.Keys(), (std::vector<std::string>{"name", "track_byte", "track_enum", "point_count",
                                                      "segment_count", "distance", "duration", "points"}));
    EXPECT_EQ(track["name"].Str(), "Morning");
    EXPECT_EQ(track["track_byte"].Int(), 0);
    EXPECT_EQ(track["track_enum"].Int(), 16);
    EXPECT_EQ(track["point_count"].Int(), 101);
    EXPECT_EQ(track["segment_count"].Int(), 2);
    EXPECT_GT(track["distance"].Real(), 5000.0);
    EXPECT_GT(track["duration"].Real(), 0.0);

    const test::Json_t& points = track["points"];
    ASSERT_EQ(points.Size(), 101u);
    for (std::size_t i = 0; i < points.Size(); ++i) {
        ASSERT_EQ(points[i].Size(), 5u);
        // Every point once, in file order: the latitudes grow.
        EXPECT_EQ(points[i][0].Int(), tbk::Semicircles(46.0 + i * 0.0005)) << i;
        EXPECT_EQ(points[i][2].IsNull(), i % 7 == 0) << i;
        if (i % 11 == 5) {
            EXPECT_TRUE(points[i][3].IsNull()) << i;
        } else {
            EXPECT_EQ(points[i][3].Int(), 1086076800 + 10 * static_cast<long long>(i)) << i;
        }
        EXPECT_EQ(points[i][4].IsNull(), i % 3 != 0) << i;
    }
    EXPECT_EQ(points[99][4].text, "24.75");
}

TEST(DumpJson, MapsInSetOrderRoute0AndVolume) {
    const test::Json_t json = DumpJson(tbk::SampleFile(105));
    const test::Json_t& maps = json["maps"];
    ASSERT_EQ(maps.Size(), 2u);
    EXPECT_EQ(maps[0].Keys(), (std::vector<std::string>{"map_number", "name", "map_value", "map_text_1",
                                                        "map_text_2", "map_items"}));
    EXPECT_EQ(maps[0]["name"].Str(), "Valais");
    EXPECT_EQ(maps[0]["map_value"].Int(), 2);
    EXPECT_EQ(maps[0]["map_number"].Int(), 1);
    EXPECT_EQ(maps[0]["map_text_1"].Str(), "topo");
    EXPECT_EQ(maps[0]["map_text_2"].Str(), "1:50000");
    EXPECT_EQ(maps[0]["map_items"].Size(), 0u);
    EXPECT_EQ(maps[1]["name"].Str(), "Bern");
    EXPECT_EQ(maps[1]["map_value"].Int(), 0x80000000LL);
    ASSERT_EQ(maps[1]["map_items"].Size(), 3u);
    EXPECT_EQ(maps[1]["map_items"][2].Int(), 0xFFFFFFFFLL);

    EXPECT_EQ(json["route0"].Keys(), (std::vector<std::string>{"name", "generated_name", "rt0_flag"}));
    EXPECT_EQ(json["route0"]["name"].Str(), "Tour");
    EXPECT_EQ(json["route0"]["generated_name"].Int(), 0);
    EXPECT_EQ(json["route0"]["rt0_flag"].Int(), 1);
    EXPECT_EQ(json["volume"].Keys(), (std::vector<std::string>{"text", "flag"}));
    EXPECT_EQ(json["volume"]["text"].Str(), "Seeds");
    EXPECT_EQ(json["volume"]["flag"].Int(), 0);
}

TEST(DumpJson, NoRoute0AndAnAutomaticVolume) {
    tbk::Map_t map;
    map.name = "Sheet";
    const test::Json_t json = DumpJson(tbk::FileBuilder_t(105).Header().Map(map));
    EXPECT_TRUE(json["route0"].IsNull());
    EXPECT_EQ(json["volume"]["text"].Str(), "Sheet");
    EXPECT_EQ(json["volume"]["flag"].Int(), 1);
}

TEST(DumpJson, OldLayoutsKeepTheirDefaults) {
    const test::Json_t json = DumpJson(tbk::SampleFile(100));
    EXPECT_EQ(json["data_version"].Int(), 100);
    const test::Json_t& lake = json["waypoints"][0];
    EXPECT_EQ(lake["id_short"].Int(), 0x02);  // one byte up to data version 100
    EXPECT_EQ(lake["id_number_3"].Int(), 0xFFFFFFFFLL);
    EXPECT_EQ(lake["number_1"].Int(), 0);
    EXPECT_EQ(lake["text_7"].Str(), "");
    EXPECT_EQ(json["routes"][0]["points"][0]["link_short"].Int(), 0xFE);
}

TEST(DumpJson, LegacyFile) {
    const test::Json_t json = DumpJson(tbk::SampleFile(0, tbk::Framing::legacy));
    EXPECT_EQ(json["format"].Str(), "legacy");
    EXPECT_EQ(json["format_version"].Int(), 0);
    EXPECT_EQ(json["data_version"].Int(), 0);
    EXPECT_EQ(json["waypoints"].Size(), 4u);
    EXPECT_EQ(json["routes"][0]["name"].Str(), "Tour");
    EXPECT_EQ(json["tracks"][0]["point_count"].Int(), 101);
    EXPECT_EQ(json["renamed"].Size(), 0u);
}

TEST(DumpJson, RenamedWaypointsAndTheRouteThatFollowsThem) {
    tbk::Waypoint_t first = Named("Hut");
    tbk::Waypoint_t second = Named("HUT", 1);
    tbk::Route_t route;
    route.name = "Via";
    route.generated_name = 0;
    route.points.push_back({first.key, tbk::Link_t()});
    route.points.push_back({second.key, tbk::Link_t()});
    const test::Json_t json =
        DumpJson(tbk::FileBuilder_t(105).Header().Waypoint(first).Waypoint(second).Route(route));
    ASSERT_EQ(json["renamed"].Size(), 1u);
    EXPECT_EQ(json["renamed"][0].Keys(), (std::vector<std::string>{"from", "to"}));
    EXPECT_EQ(json["renamed"][0]["from"].Str(), "HUT");
    // The import's maximum name length of 3 leaves no room for the name: the number alone.
    EXPECT_EQ(json["renamed"][0]["to"].Str(), "001");
    EXPECT_EQ(json["routes"][0]["points"][1]["waypoint"].Str(), "001");
    EXPECT_EQ(json["waypoints"].Size(), 2u);
}

TEST(DumpFailure, MissingFileExitsOne) {
    const Run_t run = DumpPath("no_such_file.tbk");
    EXPECT_EQ(run.code, tool::kExitNotOpened);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "trovix: no_such_file.tbk: cannot be opened: no such file\n");
}

TEST(DumpFailure, FolderExitsOne) {
    const Run_t run = DumpPath(".");
    EXPECT_EQ(run.code, tool::kExitNotOpened);
    EXPECT_EQ(run.err, "trovix: .: cannot be opened: a folder, not a file\n");
}

TEST(DumpFailure, NewerVersionsAreRefused) {
    ExpectRefused(DumpBytes(tbk::FileBuilder_t(106).Header().Bytes()), "data version 106");
    tbk::HeaderValues_t newer_format;
    newer_format.format_version = 101;
    ExpectRefused(DumpBytes(tbk::FileBuilder_t(100).Header(newer_format).Bytes()), "format version 101");
}

// With --debug the refusal also names the exception, its source and line, for a bug report.
TEST(DumpFailure, DebugNamesClassSourceAndLine) {
    ExpectRefused(DumpBytes("Tb", true), "[trove::BadStream_t at TROVE_DocInfo line 43]");
    ExpectRefused(DumpBytes(tbk::FileBuilder_t(105).Header().Waypoint(Named("X", 13)).Bytes(), true),
                  "[trove::BadStream_t at TROVE_Database line 124]");
    ExpectRefused(DumpBytes(tbk::FileBuilder_t(105).Header().Bytes(), true),
                  "holds no waypoint, route, track or map: no record of a kind this tool reads "
                  "[trove::BadStream_t at TROVE_Database line 297]");
}

TEST(DumpFailure, OtherExceptionsOfTheReadersAreRefusals) {
    const Run_t clash =
        DumpBytes(tbk::FileBuilder_t::Legacy().Waypoint(Named("A")).Waypoint(Named("a")).Bytes(), true);
    ExpectRefused(clash, "[trove::KeyExists_t at TROVE_Database line 2206: Waypoint: a already exists.]");

    tbk::Track_t track;
    track.name = "Back in time";
    tbk::TrackPoint_t point;
    point.absent_time_seconds = -1;
    track.points.push_back(point);
    ExpectRefused(
        DumpBytes(tbk::FileBuilder_t(105).Header().Track(track).Bytes()),
        "damaged at byte 23 (record 1, T): a track point whose time is before 1970 or too far ahead");
}

}  // namespace
