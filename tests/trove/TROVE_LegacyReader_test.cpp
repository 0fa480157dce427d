// The legacy reader: records from offset 0 in the legacy framing, inserted through the
// database's checked operations, with the journal cleared afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/SUPPORT_ExpectRaise.h"
#include "support/SUPPORT_Gps.h"
#include "support/SUPPORT_Readers.h"
#include "tbk/TBK_FileBuilder.h"
#include "tbk/TBK_Seeds.h"
#include "trove/jnl/JNL_Journal.h"

namespace {

using support::ReadLegacy;

tbk::Waypoint_t Wp(const std::string& name) {
    tbk::Waypoint_t w;
    w.key.name = name;
    return w;
}

tbk::FileBuilder_t Legacy() {
    return tbk::FileBuilder_t::Legacy();
}

int Line(const std::string& bytes) {
    auto db = support::ImportDatabase();
    try {
        ReadLegacy(bytes, db);
    } catch (const trove::BadStream_t& e) {
        EXPECT_STREQ(e.File(), "TROVE_Database");
        return e.Line();
    }
    return 0;
}

TEST(LegacyReader, SampleLoadsThroughTheCheckedOperations) {
    auto db = support::ImportDatabase();
    std::vector<std::string> log;
    support::RecordingListener_t listener(log);
    db.broadcaster.Add(&listener);
    jnl::Journal_t journal;
    db.AttachJournal(&journal);
    ReadLegacy(tbk::SampleFile(0, tbk::Framing::legacy).Bytes(), db);

    EXPECT_EQ(db.waypoints.size(), 4u);
    EXPECT_EQ(db.routes.size(), 1u);
    EXPECT_EQ(db.tracks.size(), 1u);
    EXPECT_EQ(db.maps.size(), 2u);
    EXPECT_EQ(db.route0.size(), 1u);
    EXPECT_EQ(db.Volume().volume_text, "Seeds");
    EXPECT_EQ(db.tracks.begin()->second.point_count, 101);
    // Version 100 layouts: a one-byte id_short, no id_number_3, no number_1 or text_7.
    const auto lake = db.waypoints.find(support::WptId("Bergsee"));
    ASSERT_NE(lake, db.waypoints.end());
    EXPECT_EQ(lake->first.id_short, 0x02);
    EXPECT_EQ(lake->first.id_number_3, 0xFFFFFFFFu);
    EXPECT_EQ(lake->second.number_1, 0.0);
    EXPECT_EQ(lake->second.Text7(), "");
    EXPECT_EQ(db.routes.begin()->second.route_points.front().link.link_short, 0xFE);

    EXPECT_TRUE(journal.Empty());
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "begin");
    EXPECT_EQ(log[1], "wpt+ Bergsee");
}

TEST(LegacyReader, GeneratedRouteNamesAreMadeByTheDatabase) {
    tbk::Route_t route;
    route.name = "ignored";
    route.generated_name = 1;
    route.points.push_back({Wp("A").key, {}});
    route.points.push_back({Wp("B").key, {}});
    auto db = support::ImportDatabase();
    ReadLegacy(Legacy().Waypoint(Wp("A")).Waypoint(Wp("B")).Route(route).Bytes(), db);
    ASSERT_EQ(db.routes.size(), 1u);
    EXPECT_EQ(db.routes.begin()->first.name.text, "A to B");
}

TEST(LegacyReader, StructuralFaults) {
    EXPECT_EQ(Line(""), 550);
    EXPECT_EQ(Line(Legacy().Record('X', "abc").Bytes()), 550);
    EXPECT_EQ(Line(Legacy().Record('W', "abc", 1000).Bytes()), 550);
    EXPECT_EQ(Line(Legacy().Volume({"only", 0}).Bytes()), 0);
    EXPECT_EQ(Line(Legacy().Record('W', std::string("A\0", 2)).Bytes()), 468);
    EXPECT_EQ(Line(Legacy().Record('0', std::string("R\0", 2)).Bytes()), 507);
    EXPECT_EQ(Line(Legacy().Record('L', "\x01\x00").Bytes()), 522);
    EXPECT_EQ(Line(Legacy().Record('V', "no end").Bytes()), 537);
    // A cut last record is dropped.
    EXPECT_EQ(Line(Legacy().Waypoint(Wp("A")).Waypoint(Wp("B")).CutLast(2).Bytes()), 0);
}

TEST(LegacyReader, RuleViolationsKeepTheirOwnExceptions) {
    auto db = support::ImportDatabase();
    EXPECT_RAISES(trove::KeyExists_t, ReadLegacy(Legacy().Waypoint(Wp("A")).Waypoint(Wp("a")).Bytes(), db),
                  "TROVE_Database", 2206);
    tbk::Track_t track;
    track.name = "T";
    EXPECT_RAISES(trove::KeyExists_t, ReadLegacy(Legacy().Track(track).Track(track).Bytes(), db),
                  "TROVE_Database", 1572);
    EXPECT_RAISES(trove::KeyNotFound_t, ReadLegacy(Legacy().Route0({"none", 0, 0}).Bytes(), db),
                  "TROVE_Database", 745);
    tbk::Route_t empty;
    empty.name = "E";
    empty.generated_name = 0;
    EXPECT_RAISES(trove::InvalidRoute_t, ReadLegacy(Legacy().Route(empty).Bytes(), db), "TROVE_Database",
                  1722);
}

}  // namespace
