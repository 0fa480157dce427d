#include <gtest/gtest.h>

#include <map>
#include <set>

#include "base/BASE_CodePage.h"
#include "base/BASE_Exception.h"
#include "support/SUPPORT_Bytes.h"
#include "tbk/TBK_Payload.h"
#include "trove/TROVE_Exception.h"
#include "trove/TROVE_Map.h"
#include "trove/TROVE_NameOrder.h"
#include "trove/TROVE_RouteId.h"
#include "trove/TROVE_TrackId.h"
#include "trove/TROVE_WaypointId.h"
#include "trove/bin/BIN_StringStream.h"

namespace {

trove::WaypointId_t Key(const std::string& name, std::int32_t id_class = 0) {
    trove::WaypointId_t key;
    key.name = trove::Name_t(name);
    key.id_class = id_class;
    return key;
}

TEST(Name, TrailingBlanksOnly) {
    EXPECT_EQ(trove::Name_t("  ab   ").text, "  ab");
    EXPECT_EQ(trove::Name_t("   ").text, "");
    EXPECT_EQ(trove::Name_t("a\tb\t").text, "a\tb\t");  // only 0x20 is a blank
    EXPECT_EQ(trove::Name_t().text, "");
}

TEST(Name, ReadCutsBlanksAndKeepsNameOnFailure) {
    bin::stringstream in(std::string("Home  \0Cut", 10));
    trove::Name_t name(trove::Name_t("old"));
    name.Read(in);
    EXPECT_EQ(name.text, "Home");
    name.Read(in);  // "Cut" without its zero byte
    EXPECT_TRUE(in.fail());
    EXPECT_EQ(name.text, "Home");

    bin::stringstream out;
    trove::Name_t("ab").Write(out);
    EXPECT_EQ(out.Bytes(), std::string("ab\0", 3));
}

TEST(Keys, DescribeAndTableExceptionTexts) {
    const trove::WaypointId_t waypoint = Key("abc");
    const trove::RouteId_t route(trove::Name_t("A"));
    const trove::TrackId_t track(trove::Name_t("T 1"));
    trove::Map_t map;
    map.name = "Europe";
    EXPECT_EQ(waypoint.Describe(), "Waypoint: abc");
    EXPECT_EQ(route.Describe(), "Route: A");
    EXPECT_EQ(track.Describe(), "Track: T 1");
    EXPECT_EQ(map.Describe(), "Map: Europe");

    const trove::Key_t& key = waypoint;
    trove::KeyExists_t exists(key, "TROVE_Database", 1715);
    EXPECT_STREQ(exists.what(), "Waypoint: abc already exists.");
    EXPECT_STREQ(exists.File(), "TROVE_Database");
    EXPECT_EQ(exists.Line(), 1715);
    EXPECT_STREQ(trove::KeyExists_t(route, "x", 1).what(), "Route: A already exists.");
    EXPECT_STREQ(trove::KeyNotFound_t(track, "x", 1).what(), "Track: T 1 does not exist.");
    EXPECT_STREQ(trove::InvalidRoute_t(route, "x", 1).what(), "Route: A is invalid");
}

TEST(KeyOrder, NameDecidesTheTableOrder) {
    std::map<trove::WaypointId_t, int> table;
    EXPECT_TRUE(table.emplace(Key("abc"), 1).second);
    EXPECT_FALSE(table.emplace(Key("ABC", 5), 2).second);  // same name up to case: same key
    EXPECT_TRUE(table.emplace(Key("ab"), 3).second);
    EXPECT_EQ(table.begin()->first.name.text, "ab");

    EXPECT_TRUE(trove::NameLess("ab", "abc"));
    EXPECT_FALSE(trove::NameLess("abc", "ab"));
    std::set<trove::RouteId_t> routes{trove::RouteId_t(trove::Name_t("r")),
                                      trove::RouteId_t(trove::Name_t("R"), 0)};
    EXPECT_EQ(routes.size(), 1u);
    std::set<trove::TrackId_t> tracks{trove::TrackId_t(trove::Name_t("t")),
                                      trove::TrackId_t(trove::Name_t("T"))};
    EXPECT_EQ(tracks.size(), 1u);

    std::set<std::string, trove::NameOrder_t> names{"b", "A", "a", "B"};
    EXPECT_EQ(names.size(), 2u);
    EXPECT_EQ(*names.begin(), "A");
    std::set<trove::WaypointId_t, trove::NameOrder_t> keys{Key("x"), Key("X", 3)};
    EXPECT_EQ(keys.size(), 1u);
}

TEST(KeyOrder, DoubleByteNamesInCodePage932) {
    const unsigned saved = base::CurrentCodePage();
    ASSERT_TRUE(base::SelectCodePage(932));
    // 0x83 0x41 and 0x83 0x61 are different katakana, not two cases of one letter.
    std::map<trove::WaypointId_t, int> table;
    EXPECT_TRUE(table.emplace(Key("\x83\x41"), 1).second);
    EXPECT_TRUE(table.emplace(Key("\x83\x61"), 2).second);
    EXPECT_TRUE(table
                    .emplace(Key("\x83\x61"
                                 "x"),
                             3)
                    .second);
    EXPECT_FALSE(table
                     .emplace(Key("\x83\x61"
                                  "X"),
                              4)
                     .second);
    EXPECT_EQ(table.begin()->second, 1);
    EXPECT_THROW(table.emplace(Key("bad\x83"), 5), base::InvalidMBCharacter_t);
    base::SelectCodePage(saved);
}

TEST(KeyOrder, FullWaypointOrder) {
    trove::WaypointFullLess_t less;
    EXPECT_TRUE(less(Key("abc", 0), Key("ABC", 1)));
    EXPECT_FALSE(less(Key("abc", 1), Key("ABC", 0)));
    EXPECT_TRUE(less(Key("ab", 9), Key("abc", 0)));  // the name comes first
    EXPECT_TRUE(less(Key("a", -1), Key("a", 0)));    // id_class is signed

    trove::WaypointId_t a = Key("n"), b = Key("n");
    EXPECT_FALSE(less(a, b));
    EXPECT_FALSE(less(b, a));

    a.id_text = "a";
    b.id_text = "\x80";  // bytes compare as unsigned
    EXPECT_TRUE(less(a, b));
    b.id_text = "a ";  // a proper prefix comes first
    EXPECT_TRUE(less(a, b));
    b.id_text = a.id_text;

    b.id_number_2 = 0;
    EXPECT_TRUE(less(b, a));  // 0 < 0xFFFFFFFF
    b.id_number_2 = a.id_number_2;
    b.id_block[7] = 0x7F;
    EXPECT_TRUE(less(b, a));
    b.id_block.pop_back();
    EXPECT_TRUE(less(b, a));  // shorter block is a prefix
    b.id_block = a.id_block;
    // A key's block holds eight bytes at most.
    EXPECT_THROW(b.id_block.push_back(0), base::OutOfRange_t);
    EXPECT_THROW(b.id_block = std::vector<std::uint8_t>(9, 0), base::OutOfRange_t);
    EXPECT_EQ(b.id_block, a.id_block);
    b.id_short = 1;
    EXPECT_TRUE(less(a, b));
    b.id_short = 0;
    b.id_number_3 = 5;
    EXPECT_TRUE(less(b, a));
    a.id_number_1 = 1;  // id_number_1 is looked at before id_number_3
    EXPECT_TRUE(less(b, a));
}

TEST(WaypointIdIo, WriteLayout) {
    trove::WaypointId_t key(trove::Name_t("W"), 3, "tx", 0x01020304, 0xA0B0C0D0, {31, 1, 2, 3, 4, 5, 6, 7},
                            0xBEEF, 0x11223344);
    bin::stringstream out;
    key.Write(out);
    using namespace test;
    EXPECT_EQ(out.Bytes(), Text("W") + Le32(3) + Text("tx") + Le32(0x01020304) + Le32(0xA0B0C0D0) +
                               std::string("\x1F\x01\x02\x03\x04\x05\x06\x07", 8) + Le16(0xBEEF) +
                               Le32(0x11223344));
    bin::stringstream one;
    Key("x").Write(one);
    EXPECT_EQ(one.Size(), 29u);
}

// The key bytes as the test data builder writes them for a data version.
std::string BuiltKey(const tbk::WaypointKey_t& key, int data_version) {
    tbk::ByteWriter_t w;
    tbk::PutWaypointKey(w, key, data_version);
    return w.Take();
}

TEST(WaypointIdIo, ReadEachDataVersion) {
    tbk::WaypointKey_t built;
    built.name = "Peak  ";
    built.id_class = 12;
    built.id_text = "id";
    built.id_number_1 = 7;
    built.id_number_2 = 8;
    built.id_block = {1, 2, 3, 4, 5, 6, 7, 8};
    built.id_short = 0x1234;
    built.id_number_3 = 9;
    struct Case_t {
        int version;
        std::size_t size;
        std::uint16_t id_short;
        std::uint32_t id_number_3;
    };
    for (const Case_t& c : {Case_t{100, 31, 0x34, 0xFFFFFFFF}, Case_t{101, 32, 0x1234, 0xFFFFFFFF},
                            Case_t{102, 32, 0x1234, 0xFFFFFFFF}, Case_t{103, 36, 0x1234, 9}}) {
        SCOPED_TRACE(c.version);
        const std::string bytes = BuiltKey(built, c.version);
        ASSERT_EQ(bytes.size(), c.size);
        bin::stringstream in(bytes);
        trove::WaypointId_t key;
        key.Read(in, static_cast<std::uint16_t>(c.version));
        ASSERT_FALSE(in.fail());
        EXPECT_EQ(key.name.text, "Peak");
        EXPECT_EQ(key.id_class, 12);
        EXPECT_EQ(key.id_text, "id");
        EXPECT_EQ(key.id_number_1, 7u);
        EXPECT_EQ(key.id_number_2, 8u);
        EXPECT_EQ(key.id_block, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
        EXPECT_EQ(key.id_short, c.id_short);
        EXPECT_EQ(key.id_number_3, c.id_number_3);
    }
}

TEST(WaypointIdIo, WriteThenReadRoundTrip) {
    trove::WaypointId_t key(trove::Name_t("Caf\xE9"), 0, "", 0, 0xFFFFFFFF, std::vector<std::uint8_t>(8, 0),
                            65535, 0);
    bin::stringstream io;
    key.Write(io);
    trove::WaypointId_t back = Key("other");
    back.Read(io, 103);
    ASSERT_FALSE(io.fail());
    trove::WaypointFullLess_t less;
    EXPECT_FALSE(less(key, back));
    EXPECT_FALSE(less(back, key));
    EXPECT_EQ(back.name.text, key.name.text);
}

TEST(WaypointIdIo, FailedReadLeavesTargetUnchanged) {
    tbk::WaypointKey_t built;
    built.name = "Bad";
    built.id_class = 13;
    bin::stringstream bad_class(BuiltKey(built, 103));
    trove::WaypointId_t key = Key("kept", 4);
    key.Read(bad_class, 103);
    EXPECT_TRUE(bad_class.fail());
    EXPECT_EQ(key.name.text, "kept");
    EXPECT_EQ(key.id_class, 4);

    built.id_class = 0;
    const std::string whole = BuiltKey(built, 103);
    for (std::size_t cut : {std::size_t(2), std::size_t(10), whole.size() - 6, whole.size() - 1}) {
        SCOPED_TRACE(cut);
        bin::stringstream shortened(whole.substr(0, cut));
        trove::WaypointId_t target = Key("kept", 4);
        target.Read(shortened, 103);
        EXPECT_TRUE(shortened.fail());
        EXPECT_EQ(target.name.text, "kept");
    }
}

TEST(WaypointIdIo, Version102ExchangesNumbersOnlyForARouteTypeTarget) {
    tbk::WaypointKey_t built;
    built.name = "R";
    built.id_number_2 = 5;
    const std::string bytes = BuiltKey(built, 102);

    bin::stringstream plain(bytes);
    trove::WaypointId_t key;
    key.Read(plain, 102);
    EXPECT_EQ(key.id_number_2, 5u);
    EXPECT_EQ(key.id_number_3, 0xFFFFFFFFu);

    bin::stringstream typed(bytes);
    trove::WaypointId_t route_type;
    route_type.id_block[0] = 33;
    route_type.Read(typed, 102);
    EXPECT_EQ(route_type.id_number_2, 0xFFFFFFFFu);
    EXPECT_EQ(route_type.id_number_3, 5u);
}

TEST(RouteIdIo, RoundTripAndFailure) {
    bin::stringstream io;
    trove::RouteId_t(trove::Name_t("Tour"), 0).Write(io);
    EXPECT_EQ(io.Bytes(), std::string("Tour\0\0", 6));
    trove::RouteId_t back;
    EXPECT_EQ(back.generated_name, 1);
    back.Read(io);
    EXPECT_EQ(back.name.text, "Tour");
    EXPECT_EQ(back.generated_name, 0);

    bin::stringstream cut(std::string("Next\0", 5));
    back.Read(cut);
    EXPECT_TRUE(cut.fail());
    EXPECT_EQ(back.name.text, "Tour");
}

TEST(TrackIdIo, NamePartReadsAndWrites) {
    trove::TrackId_t track(trove::Name_t("Walk"));
    bin::stringstream io;
    track.Write(io);
    trove::TrackId_t back;
    back.Read(io);
    EXPECT_EQ(back.text, "Walk");
    EXPECT_EQ(back.Describe(), "Track: Walk");
}

TEST(MapKey, OrderByValueThenNumberUnsigned) {
    trove::Map_t a, b;
    a.map_value = 1;
    a.map_number = 0xFFFFFFFF;
    b.map_value = 2;
    b.map_number = 0;
    EXPECT_TRUE(a < b);
    b.map_value = 1;
    EXPECT_TRUE(b < a);
    a.map_value = b.map_value = 0x80000000u;  // above 2^31 stays above
    a.map_number = 1;
    b.map_number = 0x80000000u;
    EXPECT_TRUE(a < b);
    b.map_number = 1;
    b.name = "different";
    EXPECT_FALSE(a < b);
    EXPECT_FALSE(b < a);
}

TEST(MapKey, ReadWithAndWithoutItems) {
    using namespace test;
    const std::string head = Le32(7) + Le32(3) + Text("t1") + Text("Alps") + Text("t2");
    trove::Map_t map;
    bin::stringstream plain(head);
    map.Read(plain);
    EXPECT_FALSE(plain.fail());
    EXPECT_EQ(map.name, "Alps");
    EXPECT_EQ(map.map_value, 7u);
    EXPECT_EQ(map.map_number, 3u);
    EXPECT_TRUE(map.map_items.empty());

    bin::stringstream items(head + Le32(4) + Le32(5) + Le32(0));
    map.Read(items);
    EXPECT_FALSE(items.fail());
    EXPECT_EQ(map.map_items, (std::vector<std::uint32_t>{4, 5}));

    bin::stringstream round;
    map.Write(round);
    EXPECT_EQ(round.Bytes(), head + Le32(4) + Le32(5) + Le32(0));

    bin::stringstream unterminated(head + Le32(4));
    trove::Map_t kept;
    kept.name = "kept";
    kept.Read(unterminated);
    EXPECT_TRUE(unterminated.fail());
    EXPECT_EQ(kept.name, "kept");
}

}  // namespace
