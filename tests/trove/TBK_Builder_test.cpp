// The builder is the reference for every reader test, so its bytes are checked by hand here.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "base/BASE_Exception.h"
#include "tbk/TBK_BigFile.h"
#include "tbk/TBK_ByteWriter.h"
#include "tbk/TBK_FileBuilder.h"
#include "tbk/TBK_Payload.h"
#include "tbk/TBK_Seeds.h"

namespace {

std::string B(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) s.push_back(static_cast<char>(b));
    return s;
}

std::uint32_t U32At(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s.at(at + i));
    return v;
}

// Walks the records after a current header; counts letters and checks that the framing ends
// exactly at the end of the file.
std::map<char, int> CountCurrentRecords(const std::string& file) {
    std::map<char, int> counts;
    std::size_t at = 6;
    while (at < file.size()) {
        std::uint32_t length = U32At(file, at);
        ++counts[file.at(at + 4)];
        at += 5 + length;
    }
    EXPECT_EQ(at, file.size());
    return counts;
}

std::map<char, int> CountLegacyRecords(const std::string& file) {
    std::map<char, int> counts;
    std::size_t at = 0;
    while (at < file.size()) {
        std::size_t length =
            static_cast<unsigned char>(file.at(at + 1)) | static_cast<unsigned char>(file.at(at + 2)) << 8;
        ++counts[file.at(at)];
        at += 3 + length;
    }
    EXPECT_EQ(at, file.size());
    return counts;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class TempFolder_t {
public:
    TempFolder_t() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() / (std::string("tbk_") + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder_t() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

tbk::Waypoint_t OneLetter() {
    tbk::Waypoint_t w;
    w.key.name = "A";
    return w;
}

TEST(Builder, MinimalHeaderIs23Bytes) {
    tbk::FileBuilder_t file(105);
    file.Header();
    EXPECT_EQ(file.Bytes().size(), 23u);
    EXPECT_EQ(file.Bytes(), std::string("TbRcd", 5) + B({0}) + B({2, 0, 0, 0, 'D', 105, 0}) +
                                B({5, 0, 0, 0, 'A', 0, 0, 0, 0, 0}));

    tbk::FileBuilder_t texts(101);
    texts.Header({0x1234, 0x0201, "x", "", "yz"});
    EXPECT_EQ(texts.Bytes().substr(4), B({0x34, 0x12, 2, 0, 0, 0, 'D', 101, 0, 8, 0, 0, 0, 'A', 1, 2}) + "x" +
                                           B({0, 0}) + "yz" + B({0}));
}

TEST(Builder, DamagedHeadersAreWrittenAsAsked) {
    tbk::FileBuilder_t file(105);
    file.Signature().FormatVersion().ARecord().DRecord(106);
    EXPECT_EQ(file.Bytes().substr(6, 5), B({5, 0, 0, 0, 'A'}));
    EXPECT_EQ(file.Bytes().substr(16), B({2, 0, 0, 0, 'D', 106, 0}));
    file.CutLast(1);
    EXPECT_EQ(file.Bytes().size(), 22u);
    EXPECT_THROW(file.CutLast(23), base::Exception_t);

    tbk::FileBuilder_t shortD(105);
    shortD.Signature("TbRc").FormatVersion().Record('D', B({105}));
    EXPECT_EQ(shortD.Bytes(), std::string("TbRcd", 5) + B({0, 1, 0, 0, 0, 'D', 105}));
}

TEST(Builder, WaypointPayloadSizesPerDataVersion) {
    const std::map<int, std::size_t> payload = {{100, 78}, {101, 79}, {102, 84},
                                                {103, 88}, {104, 88}, {105, 88}};
    const std::map<int, std::size_t> key = {{100, 24}, {101, 25}, {102, 25}, {103, 29}, {104, 29}, {105, 29}};
    for (const auto& [version, size] : payload) {
        EXPECT_EQ(tbk::WaypointPayload(OneLetter(), version).size(), size) << version;
        tbk::ByteWriter_t w;
        tbk::PutWaypointKey(w, OneLetter().key, version);
        EXPECT_EQ(w.Bytes().size(), key.at(version)) << version;
    }
    // Legacy files take the smallest layout.
    EXPECT_EQ(tbk::WaypointPayload(OneLetter(), 0).size(), 78u);
}

TEST(Builder, WaypointRecordFramingByHand) {
    tbk::FileBuilder_t current(103);
    current.Waypoint(OneLetter());
    EXPECT_EQ(current.Bytes().substr(0, 5), B({88, 0, 0, 0, 'W'}));
    EXPECT_EQ(current.Bytes().size(), 5u + 88u);

    tbk::FileBuilder_t legacy = tbk::FileBuilder_t::Legacy();
    legacy.Waypoint(OneLetter());
    EXPECT_EQ(legacy.Bytes().substr(0, 3), B({'W', 78, 0}));
    EXPECT_EQ(legacy.Bytes().size(), 3u + 78u);
}

TEST(Builder, WaypointKeyFieldsByHand) {
    tbk::WaypointKey_t key;
    key.name = "Ab";
    key.id_class = -2;
    key.id_text = "t";
    key.id_number_1 = 0x01020304;
    key.id_block = {31, 1, 2, 3, 4, 5, 6, 7};
    key.id_short = 0xA1B2;
    key.id_number_3 = 0x0A0B0C0D;
    const std::string common = B({'A',  'b',  0,    0xFE, 0xFF, 0xFF, 0xFF, 't', 0, 4, 3, 2, 1,
                                  0xFF, 0xFF, 0xFF, 0xFF, 31,   1,    2,    3,   4, 5, 6, 7});
    tbk::ByteWriter_t v100, v102, v103;
    tbk::PutWaypointKey(v100, key, 100);
    tbk::PutWaypointKey(v102, key, 102);
    tbk::PutWaypointKey(v103, key, 103);
    EXPECT_EQ(v100.Bytes(), common + B({0xB2}));
    EXPECT_EQ(v102.Bytes(), common + B({0xB2, 0xA1}));
    EXPECT_EQ(v103.Bytes(), common + B({0xB2, 0xA1, 0x0D, 0x0C, 0x0B, 0x0A}));
}

TEST(Builder, WaypointBodyFieldsByHand) {
    tbk::WaypointBody_t body;
    body.position = {-1, 0x10203040, 1.0};
    body.real_2 = -2.0;
    body.number_1 = 0x80000000u;
    body.text_7 = "z";
    tbk::ByteWriter_t w;
    tbk::PutWaypointBody(w, body, 102);
    const std::string& s = w.Bytes();
    ASSERT_EQ(s.size(), 59u + 1u);
    EXPECT_EQ(s.substr(0, 17),
              B({0xFF, 0xFF, 0xFF, 0xFF, 0x40, 0x30, 0x20, 0x10, 1, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    EXPECT_EQ(s.substr(17, 10), B({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));         // text_1, absent real_1
    EXPECT_EQ(s.substr(27, 12), B({1, 0, 0, 0, 0, 0, 0, 0, 18, 0, 0, 0}));  // enum_a, enum_b, symbol
    EXPECT_EQ(s.substr(39, 4), B({0, 0, 0, 0}));                            // three empty texts, byte_1
    EXPECT_EQ(s.substr(43, 9), B({1, 0, 0, 0, 0, 0, 0, 0, 0xC0}));
    EXPECT_EQ(s.substr(52), B({0, 0, 0, 0, 0, 0x80, 'z', 0}));
}

TEST(Builder, RouteAndLinkLayoutFollowsDataVersion) {
    tbk::Route_t route;
    route.name = "R";
    route.generated_name = 0;
    tbk::RoutePoint_t point;
    point.waypoint.name = "A";
    point.link.link_short = 0x0102;
    point.link.link_points = {{1, 2, std::nullopt}};
    point.link.link_bounds = tbk::BoxAround(point.link.link_points);
    route.points = {point};
    // name 2, flag 1, empty box 1, count 4, key, link: text 1, class/numbers 12, short, kind 4,
    // list 4 + 17, box 1 + 34.
    EXPECT_EQ(tbk::RoutePayload(route, 100).size(), 8u + 24u + 1u + 12u + 1u + 4u + 21u + 35u);
    EXPECT_EQ(tbk::RoutePayload(route, 101).size(), 8u + 25u + 1u + 12u + 2u + 4u + 21u + 35u);
    EXPECT_EQ(tbk::RoutePayload(route, 105).size(), 8u + 29u + 1u + 12u + 2u + 4u + 21u + 35u);
    const std::string v100 = tbk::RoutePayload(route, 100);
    EXPECT_EQ(v100.substr(0, 8), B({'R', 0, 0, 1, 1, 0, 0, 0}));
    EXPECT_EQ(v100.substr(8 + 24 + 13, 1), B({0x02}));

    route.declared_count = 7;
    EXPECT_EQ(U32At(tbk::RoutePayload(route, 105), 4), 7u);
}

TEST(Builder, BoxesAndPositions) {
    tbk::ByteWriter_t empty;
    tbk::PutBox(empty, tbk::Box_t());
    EXPECT_EQ(empty.Bytes(), B({1}));

    tbk::Box_t box = tbk::BoxAround({{10, 20, 5.0}, {-3, 40, 7.0}, {4, -6, 6.0}});
    EXPECT_FALSE(box.empty);
    EXPECT_EQ(box.first.latitude, 10);
    EXPECT_EQ(box.first.longitude, 40);
    EXPECT_EQ(*box.first.altitude, 7.0);
    EXPECT_EQ(box.second.latitude, -3);
    EXPECT_EQ(box.second.longitude, -6);
    EXPECT_EQ(*box.second.altitude, 5.0);
    tbk::ByteWriter_t full;
    tbk::PutBox(full, box);
    EXPECT_EQ(full.Bytes().size(), 35u);
    EXPECT_EQ(full.Bytes().substr(0, 5), B({0, 10, 0, 0, 0}));

    EXPECT_FALSE(tbk::BoxAround({{1, 1, 5.0}, {2, 2, std::nullopt}}).first.altitude.has_value());
    EXPECT_EQ(tbk::Semicircles(90.0), 1 << 30);
    EXPECT_EQ(tbk::Semicircles(-180.0), INT32_MIN);
    EXPECT_EQ(tbk::Semicircles(180.0), INT32_MAX);
}

TEST(Builder, TrackPointsAndAbsentTime) {
    tbk::Track_t track;
    track.name = "T";
    tbk::TrackPoint_t timed;
    timed.time = 60;
    tbk::TrackPoint_t untimed;
    untimed.absent_time_seconds = -1;
    track.points = {timed, untimed};
    const std::string s = tbk::TrackPayload(track);
    ASSERT_EQ(s.size(), 2u + 1u + 4u + 4u + 2u * 31u);
    EXPECT_EQ(s.substr(0, 11), B({'T', 0, 1, 0, 0, 0, 0, 2, 0, 0, 0}));
    EXPECT_EQ(s.substr(11 + 17, 5), B({1, 60, 0, 0, 0}));
    EXPECT_EQ(s.substr(11 + 31 + 17, 5), B({0, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(Builder, MapItemsAreTerminatedOnlyWhenPresent) {
    tbk::Map_t map;
    map.map_value = 0x80000000u;
    map.map_number = 1;
    map.name = "M";
    EXPECT_EQ(tbk::MapPayload(map), B({0, 0, 0, 0x80, 1, 0, 0, 0, 0, 'M', 0, 0}));
    map.map_items = std::vector<std::uint32_t>{};
    EXPECT_EQ(tbk::MapPayload(map).size(), 12u + 4u);
    map.map_items = std::vector<std::uint32_t>{5, 6};
    EXPECT_EQ(tbk::MapPayload(map).substr(12), B({5, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(Builder, SmallRecordsAndRawRecords) {
    tbk::FileBuilder_t file(105);
    file.Route0({"R", 0, 1}).Volume({"V", 0}).Record('Q', "xy", 1000u);
    EXPECT_EQ(file.Bytes(), B({4, 0, 0, 0, '0', 'R', 0, 0, 1, 3, 0, 0, 0, 'V', 'V', 0, 0}) +
                                B({0xE8, 3, 0, 0, 'Q', 'x', 'y'}));

    tbk::FileBuilder_t legacy = tbk::FileBuilder_t::Legacy();
    legacy.Record('V', "", 0xFFFFu);
    EXPECT_EQ(legacy.Bytes(), B({'V', 0xFF, 0xFF}));
    EXPECT_THROW(legacy.Record('V', "", 0x10000u), base::Exception_t);
    EXPECT_THROW(legacy.Record('T', std::string(0x10000, 'x')), base::Exception_t);
}

TEST(Builder, SaveAndDrainGiveTheSameBytes) {
    TempFolder_t folder;
    tbk::FileBuilder_t whole = tbk::SampleFile(105);
    whole.Save(folder.File("whole.tbk"));
    EXPECT_EQ(ReadAll(folder.File("whole.tbk")), whole.Bytes());

    tbk::FileBuilder_t streamed = tbk::SampleFile(105);
    std::ostringstream out;
    const std::uint64_t size = streamed.Size();
    streamed.DrainTo(out);
    EXPECT_TRUE(streamed.Bytes().empty());
    EXPECT_EQ(streamed.Size(), size);
    EXPECT_EQ(out.str(), whole.Bytes());

    EXPECT_THROW(whole.Save(folder.File("missing/whole.tbk")), base::Exception_t);
}

TEST(Builder, SeedFilesAreWellFramed) {
    TempFolder_t folder;
    const std::vector<std::string> paths = tbk::WriteSeedFiles(folder.File("seeds"));
    ASSERT_EQ(paths.size(), 10u);
    std::size_t previous = 0;
    for (int v = 100; v <= 105; ++v) {
        const std::string file = ReadAll(paths.at(v - 100));
        EXPECT_EQ(file.substr(0, 6), std::string("TbRcd", 5) + B({0}));
        EXPECT_EQ(file.at(11), v);
        const std::map<char, int> counts = CountCurrentRecords(file);
        EXPECT_EQ(counts,
                  (std::map<char, int>{
                      {'0', 1}, {'A', 1}, {'D', 1}, {'L', 2}, {'R', 1}, {'T', 1}, {'V', 1}, {'W', 4}}));
        EXPECT_GE(file.size(), previous) << v;
        previous = file.size();
    }
    const std::string legacy = ReadAll(paths.at(6));
    EXPECT_EQ(CountLegacyRecords(legacy),
              (std::map<char, int>{{'0', 1}, {'L', 2}, {'R', 1}, {'T', 1}, {'V', 1}, {'W', 4}}));
    for (std::size_t i = 7; i < paths.size(); ++i) CountCurrentRecords(ReadAll(paths[i]));
}

TEST(Builder, BigFileStreamsTheRecordsAsked) {
    TempFolder_t folder;
    tbk::BigFileSpec_t shape;
    shape.waypoints = 3000;
    shape.tracks = 2;
    shape.track_points = 250;
    const std::uint64_t size = tbk::WriteBigFile(folder.File("big.tbk"), shape);
    const std::string file = ReadAll(folder.File("big.tbk"));
    EXPECT_EQ(file.size(), size);
    EXPECT_EQ(CountCurrentRecords(file), (std::map<char, int>{{'A', 1}, {'D', 1}, {'T', 2}, {'W', 3000}}));
    EXPECT_EQ(tbk::TypicalWaypoint(41).key.name, tbk::TypicalWaypoint(41).key.name);
    EXPECT_NE(tbk::TypicalWaypoint(41).key.name, tbk::TypicalWaypoint(42).key.name);
}

}  // namespace
