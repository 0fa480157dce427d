#include "trove/TROVE_Database.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "base/BASE_Exception.h"
#include "support/SUPPORT_CodePageScope.h"
#include "support/SUPPORT_ExpectRaise.h"
#include "support/SUPPORT_Gps.h"
#include "trove/TROVE_Exception.h"

namespace {

using support::MapOf;
using support::RecordingListener_t;
using support::Rte;
using support::RteId;
using support::TrkId;
using support::Wpt;
using support::WptId;

class DatabaseTest : public ::testing::Test {
protected:
    DatabaseTest() : db(trove::Name_t("db"), 8), listener(log) { db.broadcaster.Add(&listener); }

    trove::Database_t db;
    std::vector<std::string> log;
    RecordingListener_t listener;
};

TEST(DatabaseConstruction, NeedsAMaximumNameLengthOfThree) {
    EXPECT_THROW(trove::Database_t(trove::Name_t("x"), 2), base::Assert_t);
    trove::Database_t db(trove::Name_t("x"), 3);
    EXPECT_EQ(db.Name().text, "x");
    EXPECT_EQ(db.MaxNameLength(), 3u);
    EXPECT_TRUE(db.waypoints.empty());
    EXPECT_TRUE(db.route0.empty());
    ASSERT_EQ(db.volumes.size(), 1u);
    EXPECT_EQ(db.Volume().volume_text, "");
    EXPECT_EQ(db.Volume().volume_flag, 1);
    EXPECT_TRUE(db.changed.none());
    EXPECT_EQ(db.Journal(), nullptr);
}

TEST_F(DatabaseTest, InsertWaypointOpensAChangeSetAndNotifies) {
    auto entry = db.InsertWaypoint(WptId("A"), Wpt("a"));
    EXPECT_EQ(entry->first.name.text, "A");
    EXPECT_EQ(entry->second.text_1, "a");
    db.InsertWaypoint(WptId("B"), Wpt());
    EXPECT_TRUE(db.changed.test(trove::kWaypointKind));
    db.EndChanges();
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "wpt+ A", "wpt+ B", "end 000001"}));
    EXPECT_TRUE(db.changed.none());
}

TEST_F(DatabaseTest, DuplicateWaypointIsRefusedWhateverItsCase) {
    db.InsertWaypoint(WptId("abc"), Wpt("first"));
    db.EndChanges();
    log.clear();
    try {
        db.InsertWaypoint(WptId("ABC", 3), Wpt("second"));
        FAIL() << "no exception";
    } catch (const trove::KeyExists_t& e) {
        EXPECT_STREQ(e.what(), "Waypoint: ABC already exists.");
        EXPECT_STREQ(e.File(), "TROVE_Database");
        EXPECT_EQ(e.Line(), 2206);
    }
    ASSERT_EQ(db.waypoints.size(), 1u);
    EXPECT_EQ(db.waypoints.begin()->second.text_1, "first");
    EXPECT_EQ(db.waypoints.begin()->first.id_class, 0);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(db.changed.none());
}

TEST_F(DatabaseTest, EraseWaypointReturnsWhetherItErased) {
    db.InsertWaypoint(WptId("A"), Wpt());
    EXPECT_EQ(db.EraseWaypoint(WptId("Z")), 0u);
    EXPECT_EQ(db.EraseWaypoint(WptId("a")), 1u);
    EXPECT_TRUE(db.waypoints.empty());
    EXPECT_EQ(db.EraseWaypoint(WptId("A")), 0u);
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "wpt+ A", "wpt- a"}));
}

TEST_F(DatabaseTest, EraseWaypointByTheTablesOwnKey) {
    db.InsertWaypoint(WptId("A"), Wpt());
    EXPECT_EQ(db.EraseWaypoint(db.waypoints.begin()->first), 1u);
    EXPECT_EQ(log.back(), "wpt- A");
}

TEST_F(DatabaseTest, TracksAreKeyedByName) {
    db.InsertTrack(TrkId("T"), trove::Track_t());
    EXPECT_RAISES(trove::KeyExists_t, db.InsertTrack(TrkId("t"), trove::Track_t()), "TROVE_Database", 1572);
    EXPECT_EQ(db.tracks.size(), 1u);
    EXPECT_EQ(db.EraseTrack(TrkId("x")), 0u);
    EXPECT_EQ(db.EraseTrack(TrkId("t")), 1u);
    db.EndChanges();
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "trk+ T", "trk- t", "end 000100"}));
}

TEST_F(DatabaseTest, ErasingTheCurrentTrackClearsIt) {
    db.InsertTrack(TrkId("T"), trove::Track_t());
    db.InsertTrack(TrkId("U"), trove::Track_t());
    db.SetCurrentTrack(TrkId("t"));
    db.EraseTrack(TrkId("U"));
    ASSERT_NE(db.CurrentTrack(), nullptr);
    db.EraseTrack(TrkId("T"));
    EXPECT_EQ(db.CurrentTrack(), nullptr);
}

TEST_F(DatabaseTest, MapsRefreshTheAutomaticVolume) {
    db.InsertMap(MapOf(2, 1, "B"));
    db.InsertMap(MapOf(1, 1, "A"));
    EXPECT_EQ(db.Volume().volume_text, "A, B");
    EXPECT_RAISES(trove::KeyExists_t, db.InsertMap(MapOf(1, 1, "other")), "TROVE_Database", 1776);
    EXPECT_EQ(db.maps.size(), 2u);
    EXPECT_EQ(db.EraseMap(MapOf(1, 1, "whatever name")), 1u);
    EXPECT_EQ(db.EraseMap(MapOf(1, 1, "A")), 0u);
    EXPECT_EQ(db.Volume().volume_text, "B");
    db.EndChanges();
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "vol B", "map+ B", "vol A, B", "map+ A", "vol B",
                                             "map- whatever name", "end 110000"}));
}

TEST_F(DatabaseTest, ManualVolumeKeepsItsText) {
    trove::Volume_t manual;
    manual.volume_text = "Mine";
    manual.volume_flag = 0;
    EXPECT_EQ(db.SetVolume(manual).volume_text, "Mine");
    db.InsertMap(MapOf(1, 1, "A"));
    EXPECT_EQ(db.Volume().volume_text, "Mine");
    // Setting the same record again is no change.
    db.EndChanges();
    log.clear();
    db.SetVolume(manual);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(db.changed.none());
    // Back to automatic: the text follows the maps again.
    trove::Volume_t automatic;
    automatic.volume_text = "ignored";
    EXPECT_EQ(db.SetVolume(automatic).volume_text, "A");
}

TEST(VolumeText, JoinsNamesWhileShorterThanFiftyThenCuts) {
    std::set<trove::Map_t> maps;
    EXPECT_EQ(trove::VolumeText(maps), "");
    maps.insert(MapOf(3, 0, "C"));
    maps.insert(MapOf(1, 0, "A"));
    maps.insert(MapOf(2, 0, "B"));
    EXPECT_EQ(trove::VolumeText(maps), "A, B, C");

    maps.clear();
    const std::string twenty(20, 'x');
    for (std::uint32_t i = 0; i < 4; ++i) maps.insert(MapOf(i, 0, twenty + std::to_string(i)));
    // 21 + 2 + 21 = 44 < 50, so the third name is added (67), then no more; cut to 50.
    const std::string expected = (twenty + "0, " + twenty + "1, " + twenty + "2").substr(0, 50);
    EXPECT_EQ(trove::VolumeText(maps), expected);

    maps.clear();
    maps.insert(MapOf(0, 0, std::string(49, 'a')));
    maps.insert(MapOf(1, 0, "b"));
    maps.insert(MapOf(2, 0, "c"));
    EXPECT_EQ(trove::VolumeText(maps), std::string(49, 'a') + ",");
    maps.clear();
    maps.insert(MapOf(0, 0, std::string(50, 'a')));
    maps.insert(MapOf(1, 0, "b"));
    EXPECT_EQ(trove::VolumeText(maps), std::string(50, 'a'));

    // Under a double-byte code page the cut never leaves half a character behind.
    support::CodePageScope_t japanese(932);
    maps.clear();
    maps.insert(MapOf(0, 0, std::string(49, 'a') + "\x83\x41"));
    EXPECT_EQ(trove::VolumeText(maps), std::string(49, 'a'));
    maps.clear();
    maps.insert(MapOf(0, 0, std::string(48, 'a') + "\x83\x41\x83\x41"));
    EXPECT_EQ(trove::VolumeText(maps), std::string(48, 'a') + "\x83\x41");
}

TEST_F(DatabaseTest, Route0EntryRules) {
    db.InsertWaypoint(WptId("A"), Wpt());
    db.InsertRoute(RteId("R"), Rte({WptId("A")}));
    db.InsertRoute(RteId("S"), Rte({WptId("A")}));
    trove::Route0Entry_t missing;
    missing.route = RteId("nowhere");
    EXPECT_RAISES(trove::KeyNotFound_t, db.SetRoute0(missing), "TROVE_Database", 745);
    EXPECT_TRUE(db.route0.empty());

    trove::Route0Entry_t entry;
    entry.route = RteId("R");
    entry.rt0_flag = 7;
    db.SetRoute0(entry);
    ASSERT_EQ(db.route0.size(), 1u);
    EXPECT_EQ(db.route0.front().rt0_flag, 7);

    trove::Route0Entry_t other;
    other.route = RteId("S");
    try {
        db.SetRoute0(other);
        FAIL() << "no exception";
    } catch (const trove::KeyExists_t& e) {
        EXPECT_STREQ(e.what(), "Route: R already exists.");
        EXPECT_EQ(e.Line(), 740);
    }
    EXPECT_EQ(db.route0.front().route.name.text, "R");

    db.ClearRoute0();
    EXPECT_TRUE(db.route0.empty());
    db.EndChanges();
    log.clear();
    db.ClearRoute0();
    EXPECT_TRUE(log.empty());
}

TEST_F(DatabaseTest, ErasingTheRoute0RouteDropsTheEntry) {
    db.InsertWaypoint(WptId("A"), Wpt());
    db.InsertRoute(RteId("R"), Rte({WptId("A")}));
    trove::Route0Entry_t entry;
    entry.route = RteId("R");
    db.SetRoute0(entry);
    db.EndChanges();
    log.clear();
    db.EraseRoute(RteId("R"));
    EXPECT_TRUE(db.route0.empty());
    db.EndChanges();
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "rt0 dropped", "rte- R", "end 001010"}));
}

TEST_F(DatabaseTest, EndChangesWithoutChangesSendsNothing) {
    db.EndChanges();
    EXPECT_TRUE(log.empty());
}

TEST_F(DatabaseTest, MarkChangedOpensOneChangeSetAndRejectsUnknownKinds) {
    db.MarkChanged(trove::kVolumeKind);
    db.MarkChanged(trove::kWaypointKind);
    EXPECT_THROW(db.MarkChanged(6), std::out_of_range);
    db.EndChanges();
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "end 100001"}));

    // An unknown kind is refused before a change set is opened.
    log.clear();
    EXPECT_THROW(db.MarkChanged(7), std::out_of_range);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(db.changed.none());
}

TEST_F(DatabaseTest, ListenerMayNotChangeTheDatabaseWhileNotified) {
    // Any change from inside a notification is a second delivery.
    struct Meddler_t : trove::Listener_t {
        trove::Database_t* db = nullptr;
        void OnWaypointInserted(const trove::WaypointId_t&, const trove::Waypoint_t&) override {
            db->InsertWaypoint(WptId("other"), Wpt());
        }
    } meddler;
    meddler.db = &db;
    db.broadcaster.Add(&meddler);
    EXPECT_THROW(db.InsertWaypoint(WptId("A"), Wpt()), base::Assert_t);
    EXPECT_TRUE(db.waypoints.Holds(WptId("A")));
    EXPECT_FALSE(db.broadcaster.IsBusy());
}

}  // namespace
