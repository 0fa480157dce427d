// The current-format reader: loop, W records and their layouts, merging of clashing waypoints,
// the rename list, route-0 and volume records, and the end of the file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/SUPPORT_CodePageScope.h"
#include "support/SUPPORT_ExpectRaise.h"
#include "support/SUPPORT_Readers.h"
#include "tbk/TBK_FileBuilder.h"
#include "tbk/TBK_Payload.h"
#include "trove/TROVE_NameOrder.h"

namespace {

using support::ReadCurrent;

tbk::WaypointKey_t Key(const std::string& name, std::int32_t id_class = 0) {
    tbk::WaypointKey_t key;
    key.name = name;
    key.id_class = id_class;
    return key;
}

tbk::Waypoint_t Wp(const std::string& name, std::int32_t id_class = 0) {
    return {Key(name, id_class), {}};
}

tbk::Route_t Rt(const std::string& name, const std::vector<tbk::WaypointKey_t>& keys) {
    tbk::Route_t route;
    route.name = name;
    route.generated_name = 0;
    for (const tbk::WaypointKey_t& key : keys) route.points.push_back({key, {}});
    return route;
}

tbk::FileBuilder_t File(int data_version = 105) {
    tbk::FileBuilder_t file(data_version);
    file.Header();
    return file;
}

std::vector<std::string> Names(const trove::Database_t& db) {
    std::vector<std::string> names;
    for (const auto& entry : db.waypoints)
        names.push_back(entry.first.name.text + "/" + std::to_string(entry.first.id_class));
    return names;
}

TEST(RecordReaderLoop, NeedsOneKnownRecord) {
    auto db = support::ImportDatabase();
    EXPECT_RAISES(trove::BadStream_t, ReadCurrent(File().Bytes(), db), "TROVE_Database", 297);
    const std::string others = File().Record('X', "abc").Record('D', "").Record('A', "").Bytes();
    EXPECT_RAISES(trove::BadStream_t, ReadCurrent(others, db), "TROVE_Database", 297);
    // A record cut short is never dispatched, so it cannot count as seen.
    const std::string cut = File().Waypoint(Wp("A")).CutLast(1).Bytes();
    EXPECT_RAISES(trove::BadStream_t, ReadCurrent(cut, db), "TROVE_Database", 297);
}

TEST(RecordReaderLoop, SkipsUnknownRecordsAndDropsACutLastRecord) {
    auto db = support::ImportDatabase();
    const std::string bytes = File()
                                  .Waypoint(Wp("A"))
                                  .Record('X', "junk")
                                  .Record('D', "")
                                  .Waypoint(Wp("B"))
                                  .Waypoint(Wp("C"))
                                  .CutLast(3)
                                  .Bytes();
    EXPECT_TRUE(ReadCurrent(bytes, db).empty());
    EXPECT_EQ(Names(db), (std::vector<std::string>{"A/0", "B/0"}));
}

TEST(RecordReaderLoop, AClaimedLengthBeyondTheFileCostsNoMemory) {
    auto db = support::ImportDatabase();
    const std::string bytes = File().Waypoint(Wp("A")).Record('W', "tiny", 0xFFFFFFF0u).Bytes();
    ReadCurrent(bytes, db);
    EXPECT_EQ(db.waypoints.size(), 1u);
}

TEST(RecordReaderWaypoint, FieldsInEveryDataVersion) {
    tbk::Waypoint_t w = Wp("Lake  ");
    w.key.id_text = "L1";
    w.key.id_number_1 = 7;
    w.key.id_number_2 = 8;
    w.key.id_block = {1, 2, 3, 4, 5, 6, 7, 8};
    w.key.id_short = 0x1234;
    w.key.id_number_3 = 0xABCDEF01u;
    w.body.position = tbk::At(46.5, -8.25, 1985.5);
    w.body.text_1 = "clear  ";
    w.body.real_1 = 2.5;
    w.body.enum_a = 2;
    w.body.enum_b = 16;
    w.body.symbol = 139;
    w.body.text_2 = "t2";
    w.body.text_3 = "t3";
    w.body.text_4 = "t4";
    w.body.byte_1 = 0xFE;
    w.body.real_2 = 150.0;
    w.body.text_5 = "t5";
    w.body.text_6 = "t6";
    w.body.number_1 = 0x80000001u;
    w.body.text_7 = "t7";
    for (int version = 100; version <= 105; ++version) {
        SCOPED_TRACE(version);
        auto db = support::ImportDatabase();
        ReadCurrent(File(version).Waypoint(w).Bytes(), db);
        ASSERT_EQ(db.waypoints.size(), 1u);
        const trove::WaypointId_t& key = db.waypoints.begin()->first;
        const trove::Waypoint_t& body = db.waypoints.begin()->second;
        EXPECT_EQ(key.name.text, "Lake");
        EXPECT_EQ(key.id_text, "L1");
        EXPECT_EQ(key.id_number_1, 7u);
        EXPECT_EQ(key.id_number_2, 8u);
        EXPECT_EQ(key.id_block, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
        EXPECT_EQ(key.id_short, version <= 100 ? 0x34 : 0x1234);
        EXPECT_EQ(key.id_number_3, version >= 103 ? 0xABCDEF01u : 0xFFFFFFFFu);
        EXPECT_EQ(body.position, geo::Position_t(tbk::Semicircles(46.5), tbk::Semicircles(-8.25), 1985.5));
        EXPECT_EQ(body.text_1, "clear");
        EXPECT_EQ(*body.real_1, 2.5);
        EXPECT_EQ(body.enum_a, 2);
        EXPECT_EQ(body.enum_b, 16);
        EXPECT_EQ(body.symbol, 139);
        EXPECT_EQ(body.text_2 + body.text_3 + body.text_4 + body.text_5 + body.text_6, "t2t3t4t5t6");
        EXPECT_EQ(body.byte_1, 0xFE);
        EXPECT_EQ(*body.real_2, 150.0);
        EXPECT_EQ(body.number_1, version >= 102 ? 2147483649.0 : 0.0);
        EXPECT_EQ(body.Text7(), version >= 102 ? "t7" : "");
        EXPECT_FALSE(body.byte_2.Has());
    }
}

TEST(RecordReaderWaypoint, DamagedRecordsFailAt124) {
    auto bad = [](auto change) {
        tbk::Waypoint_t w = Wp("A");
        change(w);
        return w;
    };
    const std::vector<tbk::Waypoint_t> cases = {
        bad([](tbk::Waypoint_t& w) { w.key.id_class = 13; }),
        bad([](tbk::Waypoint_t& w) { w.key.id_class = -1; }),
        bad([](tbk::Waypoint_t& w) { w.body.enum_a = 3; }),
        bad([](tbk::Waypoint_t& w) { w.body.enum_b = 17; }),
        bad([](tbk::Waypoint_t& w) { w.body.symbol = 140; }),
        bad([](tbk::Waypoint_t& w) { w.body.symbol = -1; }),
    };
    for (const tbk::Waypoint_t& w : cases) {
        auto db = support::ImportDatabase();
        EXPECT_RAISES(trove::BadStream_t, ReadCurrent(File().Waypoint(w).Bytes(), db), "TROVE_Database", 124);
        EXPECT_TRUE(db.waypoints.empty());
    }
    // A payload cut anywhere, down to nothing (one byte short: the last text has no zero byte).
    const std::string payload = tbk::WaypointPayload(Wp("A"), 105);
    auto db = support::ImportDatabase();
    for (std::size_t length = 0; length < payload.size(); ++length) {
        SCOPED_TRACE(length);
        EXPECT_RAISES(trove::BadStream_t,
                      ReadCurrent(File().Record('W', payload.substr(0, length)).Bytes(), db),
                      "TROVE_Database", 124);
    }
    // Beyond the poles: the position's own exception.
    tbk::Waypoint_t pole = Wp("P");
    pole.body.position.latitude = (1 << 30) + 1;
    EXPECT_RAISES(base::OutOfRange_t, ReadCurrent(File().Waypoint(pole).Bytes(), db), "GEO_Position", 63);
}

TEST(RecordReaderMerge, SameIdentityTwiceFailsAt331ThreeTimesPendingAt342) {
    auto db = support::ImportDatabase();
    EXPECT_RAISES(trove::BadStream_t, ReadCurrent(File().Waypoint(Wp("A")).Waypoint(Wp("a")).Bytes(), db),
                  "TROVE_Database", 331);
    auto db2 = support::ImportDatabase();
    const std::string bytes = File().Waypoint(Wp("A")).Waypoint(Wp("A", 1)).Waypoint(Wp("a", 1)).Bytes();
    EXPECT_RAISES(trove::BadStream_t, ReadCurrent(bytes, db2), "TROVE_Database", 342);
}

TEST(RecordReaderMerge, TheFirstFaultInReadingOrderIsRaisedAndNothingReadAfterItIsFiled) {
    // "B" clashes exactly (331) before "a"/1 waits twice (342), though "A" sorts first.
    auto db = support::ImportDatabase();
    const std::string exact_first = File()
                                        .Waypoint(Wp("Zed"))
                                        .Waypoint(Wp("B"))
                                        .Waypoint(Wp("b"))
                                        .Waypoint(Wp("A"))
                                        .Waypoint(Wp("A", 1))
                                        .Waypoint(Wp("a", 1))
                                        .Bytes();
    EXPECT_RAISES(trove::BadStream_t, ReadCurrent(exact_first, db), "TROVE_Database", 331);
    EXPECT_EQ(Names(db), (std::vector<std::string>{"B/0", "Zed/0"}));
    // The other way round.
    auto db2 = support::ImportDatabase();
    const std::string pending_first = File()
                                          .Waypoint(Wp("Q"))
                                          .Waypoint(Wp("Q", 1))
                                          .Waypoint(Wp("q", 1))
                                          .Waypoint(Wp("A"))
                                          .Waypoint(Wp("a"))
                                          .Bytes();
    EXPECT_RAISES(trove::BadStream_t, ReadCurrent(pending_first, db2), "TROVE_Database", 342);
    EXPECT_EQ(Names(db2), (std::vector<std::string>{"Q/0"}));
    // A damaged record after a clash: the clash comes first; before clean ones: they are filed.
    tbk::Waypoint_t damaged = Wp("C");
    damaged.body.enum_a = 3;
    auto db3 = support::ImportDatabase();
    EXPECT_RAISES(trove::BadStream_t,
                  ReadCurrent(File().Waypoint(Wp("B")).Waypoint(Wp("b")).Waypoint(damaged).Bytes(), db3),
                  "TROVE_Database", 331);
    auto db4 = support::ImportDatabase();
    EXPECT_RAISES(trove::BadStream_t,
                  ReadCurrent(File().Waypoint(Wp("B")).Waypoint(Wp("A")).Waypoint(damaged).Bytes(), db4),
                  "TROVE_Database", 124);
    EXPECT_EQ(Names(db4), (std::vector<std::string>{"A/0", "B/0"}));
    EXPECT_TRUE(db4.changed.test(trove::kWaypointKind));
}

TEST(RecordReaderMerge, TheFirstReadOfEachNameKeepsItWhateverTheNamesLookLike) {
    // Case variants of short, long (sharing more than 16 characters) and accented names, in a
    // scrambled order: each name goes to the waypoint read first under it, the others wait.
    const std::vector<std::string> stems = {"Hut",
                                            "hUT",
                                            "A long shared name prefix one",
                                            "A LONG SHARED NAME PREFIX ONE",
                                            "a long shared name prefix two",
                                            "A long shared name prefix",
                                            "Caf\xE9 du Lac",
                                            "CAF\xC9 DU LAC",
                                            "caf\xE9 du lac!",
                                            "Z",
                                            "z",
                                            "_under"};
    trove::Database_t db(trove::Name_t(""), 60);
    tbk::FileBuilder_t file = File();
    std::vector<std::string> read;
    for (std::uint32_t i = 0; i < 200; ++i) {
        tbk::Waypoint_t w = Wp(stems[(i * 7 + i / 12) % stems.size()]);
        w.key.id_number_1 = i;  // every key differs in full
        file.Waypoint(w);
        read.push_back(w.key.name);
    }
    const trove::RenameList_t renamed = ReadCurrent(file.Bytes(), db);
    std::size_t firsts = 0;
    for (std::uint32_t i = 0; i < read.size(); ++i) {
        bool first = true;
        for (std::uint32_t j = 0; j < i && first; ++j) {
            first = trove::NameLess(read[j], read[i]) || trove::NameLess(read[i], read[j]);
        }
        if (!first) continue;
        ++firsts;
        const auto found = db.waypoints.find(trove::WaypointId_t(
            trove::Name_t(read[i]), 0, "", 0, 0xFFFFFFFF, std::vector<std::uint8_t>(8, 0xFF), 0, 0xFFFFFFFF));
        ASSERT_NE(found, db.waypoints.end());
        EXPECT_EQ(found->first.id_number_1, i) << read[i];
        EXPECT_EQ(found->first.name.text, read[i]);
    }
    EXPECT_EQ(renamed.size(), read.size() - firsts);
    EXPECT_EQ(db.waypoints.size(), read.size());
}

TEST(RecordReaderMerge, ClashesGetUniqueNamesInFullKeyOrder) {
    trove::Database_t db(trove::Name_t(""), 10);
    const std::string bytes = File()
                                  .Waypoint(Wp("Home"))
                                  .Waypoint(Wp("HOME", 2))
                                  .Waypoint(Wp("home", 1))
                                  .Waypoint(Wp("Zed"))
                                  .Bytes();
    const trove::RenameList_t renamed = ReadCurrent(bytes, db);
    EXPECT_EQ(Names(db), (std::vector<std::string>{"Home/0", "home001/1", "HOME002/2", "Zed/0"}));
    ASSERT_EQ(renamed.size(), 2u);
    EXPECT_EQ(renamed[0].first.name.text, "home");
    EXPECT_EQ(renamed[0].second.name.text, "home001");
    EXPECT_EQ(renamed[1].first.id_class, 2);
    EXPECT_EQ(renamed[1].second.name.text, "HOME002");
    EXPECT_TRUE(db.changed.test(trove::kWaypointKind));
}

TEST(RecordReaderMerge, RoutesReferToRenamedWaypointsByTheirNewNames) {
    auto db = support::ImportDatabase();
    const std::string bytes =
        File().Waypoint(Wp("A")).Waypoint(Wp("A", 1)).Route(Rt("R", {Key("A", 1), Key("A")})).Bytes();
    ReadCurrent(bytes, db);
    ASSERT_EQ(db.routes.size(), 1u);
    const auto& points = db.routes.begin()->second.route_points;
    EXPECT_EQ(points.front().waypoint.name.text, "001");
    EXPECT_EQ(points.front().waypoint.id_class, 1);
    EXPECT_EQ(points.back().waypoint.name.text, "A");
}

TEST(RecordReaderMerge, PendingWaypointsAreResolvedOnlyOnce) {
    auto db = support::ImportDatabase();
    const std::string bytes = File()
                                  .Waypoint(Wp("A"))
                                  .Waypoint(Wp("A", 1))
                                  .Route(Rt("R1", {Key("A")}))
                                  .Waypoint(Wp("A", 2))
                                  .Route(Rt("R2", {Key("A")}))
                                  .Bytes();
    EXPECT_RAISES(base::Assert_t, ReadCurrent(bytes, db), "TROVE_Database", 1126);
    EXPECT_EQ(db.routes.size(), 1u);
    // The same clash after the last route: the end of the file resolves again and fails alike.
    auto db2 = support::ImportDatabase();
    const std::string late = File()
                                 .Waypoint(Wp("A"))
                                 .Waypoint(Wp("A", 1))
                                 .Route(Rt("R1", {Key("A")}))
                                 .Waypoint(Wp("A", 2))
                                 .Bytes();
    EXPECT_RAISES(base::Assert_t, ReadCurrent(late, db2), "TROVE_Database", 1126);
}

TEST(RecordReaderMerge, NamesThatAreNotValidMultibyteTextWaitAndLoseTheirBrokenTail) {
    support::CodePageScope_t japanese(932);
    trove::Database_t db(trove::Name_t(""), 8);
    // Two broken names (a lone lead byte at the end) and a route through one of them.
    const std::string bytes = File()
                                  .Waypoint(Wp("AB\x81"))
                                  .Waypoint(Wp("CD\x82"))
                                  .Waypoint(Wp("CD"))
                                  .Route(Rt("R", {Key("CD\x82")}))
                                  .Bytes();
    const trove::RenameList_t renamed = ReadCurrent(bytes, db);
    EXPECT_EQ(Names(db), (std::vector<std::string>{"AB001/0", "CD/0", "CD002/0"}));
    ASSERT_EQ(renamed.size(), 2u);
    EXPECT_EQ(renamed[1].first.name.text, "CD\x82");
    EXPECT_EQ(db.routes.begin()->second.route_points.front().waypoint.name.text, "CD002");
}

TEST(RecordReaderMerge, BrokenNamesThatNameNothingAreStructureFaults) {
    support::CodePageScope_t japanese(932);
    auto db = support::ImportDatabase();
    const std::string route = File().Waypoint(Wp("A")).Route(Rt("R", {Key("A"), Key("B\x81")})).Bytes();
    EXPECT_RAISES(trove::BadStream_t, ReadCurrent(route, db), "TROVE_Database", 1102);
    auto db2 = support::ImportDatabase();
    const std::string route0 =
        File().Waypoint(Wp("A")).Route(Rt("R", {Key("A")})).Route0({"R\x81", 0, 0}).Bytes();
    EXPECT_RAISES(trove::BadStream_t, ReadCurrent(route0, db2), "TROVE_Database", 196);
}

TEST(RecordReaderRoute0, MustFollowItsRouteAndComeOnce) {
    const auto base = [] { return File().Waypoint(Wp("A")).Route(Rt("R", {Key("A")})); };
    auto db = support::ImportDatabase();
    ReadCurrent(base().Route0({"r", 0, 7}).Bytes(), db);
    ASSERT_EQ(db.route0.size(), 1u);
    EXPECT_EQ(db.route0[0].route.name.text, "r");
    EXPECT_EQ(db.route0[0].route.generated_name, 0);
    EXPECT_EQ(db.route0[0].rt0_flag, 7);
    EXPECT_TRUE(db.changed.test(trove::kRoute0Kind));

    auto db2 = support::ImportDatabase();
    EXPECT_RAISES(trove::BadStream_t, ReadCurrent(base().Route0({"Other", 0, 0}).Bytes(), db2),
                  "TROVE_Database", 196);
    auto db3 = support::ImportDatabase();
    EXPECT_RAISES(trove::BadStream_t,
                  ReadCurrent(base().Route0({"R", 0, 0}).Route0({"R", 0, 0}).Bytes(), db3), "TROVE_Database",
                  196);
    auto db4 = support::ImportDatabase();
    EXPECT_RAISES(trove::BadStream_t, ReadCurrent(base().Record('0', std::string("R\0", 2)).Bytes(), db4),
                  "TROVE_Database", 188);
}

TEST(RecordReaderVolume, LastRecordWinsAndAnAutomaticTextFollowsTheMaps) {
    const auto maps = [] {
        tbk::FileBuilder_t file = File();
        file.Map({2, 0, "", "B", "", {}}).Map({1, 0, "", "A", "", {}});
        return file;
    };
    auto db = support::ImportDatabase();
    ReadCurrent(maps().Volume({"first", 0}).Volume({"Mine", 0}).Bytes(), db);
    EXPECT_EQ(db.Volume().volume_text, "Mine");
    EXPECT_EQ(db.Volume().volume_flag, 0);
    EXPECT_FALSE(db.changed.test(trove::kVolumeKind));

    auto db2 = support::ImportDatabase();
    ReadCurrent(maps().Volume({"ignored", 5}).Bytes(), db2);
    EXPECT_EQ(db2.Volume().volume_text, "A, B");
    EXPECT_EQ(db2.Volume().volume_flag, 5);

    auto db3 = support::ImportDatabase();
    EXPECT_RAISES(trove::BadStream_t, ReadCurrent(File().Record('V', "text").Bytes(), db3), "TROVE_Database",
                  233);
    // A volume record alone is a loadable file.
    auto db4 = support::ImportDatabase();
    ReadCurrent(File().Volume({"", 1}).Bytes(), db4);
    EXPECT_TRUE(db4.changed.none());
}

}  // namespace
