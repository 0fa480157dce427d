#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/BASE_Exception.h"
#include "support/SUPPORT_Gps.h"
#include "trove/TROVE_Database.h"

namespace {

using support::Rte;
using support::RteId;
using support::TrkId;
using support::Wpt;
using support::WptId;

class DatabaseNames : public ::testing::Test {
protected:
    DatabaseNames() : db(trove::Name_t("db"), 8) {}
    trove::Database_t db;
};

TEST_F(DatabaseNames, RouteCounterContinuesAcrossCalls) {
    db.InsertWaypoint(WptId("A"), Wpt());
    db.InsertRoute(RteId("Trip"), Rte({WptId("A")}));
    trove::RouteId_t first = RteId("Trip", 1);
    db.MakeUniqueRouteName(first);
    EXPECT_EQ(first.name.text, "Trip 1");
    EXPECT_EQ(first.generated_name, 0);
    db.InsertRoute(first, Rte({WptId("A")}));

    // A clash of another name still takes the next number.
    db.InsertRoute(RteId("Walk"), Rte({WptId("A")}));
    trove::RouteId_t second = RteId("walk");
    db.MakeUniqueRouteName(second);
    EXPECT_EQ(second.name.text, "walk 2");
}

TEST_F(DatabaseNames, RouteRenameSkipsTakenNumbers) {
    db.InsertWaypoint(WptId("A"), Wpt());
    db.InsertRoute(RteId("Trip 1"), Rte({WptId("A")}));
    db.InsertRoute(RteId("TRIP 2"), Rte({WptId("A")}));
    trove::RouteId_t id = RteId("Trip");
    db.MakeUniqueRouteName(id);
    EXPECT_EQ(id.name.text, "Trip 3");
}

TEST_F(DatabaseNames, TrackNumbersHaveThreeDigits) {
    db.InsertTrack(TrkId("Log 001"), trove::Track_t());
    trove::TrackId_t id = TrkId("Log");
    db.MakeUniqueTrackName(id);
    EXPECT_EQ(id.text, "Log 002");
    trove::TrackId_t next = TrkId("Other");
    db.MakeUniqueTrackName(next);
    EXPECT_EQ(next.text, "Other 003");
}

TEST_F(DatabaseNames, WaypointNamesAreCutAndNumbered) {
    // Maximum length 8: five characters of the name, white space left out, then three digits.
    trove::WaypointId_t id = WptId("Long Name Here");
    db.MakeUniqueWaypointName(id);
    EXPECT_EQ(id.name.text, "LongN001");
    db.InsertWaypoint(WptId("LongN002"), Wpt());
    trove::WaypointId_t again = WptId("Long Nothing");
    db.MakeUniqueWaypointName(again);
    EXPECT_EQ(again.name.text, "LongN003");
    trove::WaypointId_t empty = WptId("");
    db.MakeUniqueWaypointName(empty);
    EXPECT_EQ(empty.name.text, "004");
}

TEST(DatabaseNamesShort, WaypointNamesOfTheImportDatabaseAreNumbersOnly) {
    trove::Database_t db(trove::Name_t(""), 3);
    trove::WaypointId_t id = WptId("Camp");
    db.MakeUniqueWaypointName(id);
    EXPECT_EQ(id.name.text, "001");
}

TEST_F(DatabaseNames, DefaultRouteNameFromTheEndPoints) {
    db.InsertWaypoint(WptId("Home"), Wpt());
    db.InsertWaypoint(WptId("Lake"), Wpt());
    const trove::Route_t route = Rte({WptId("Home"), WptId("Lake")});
    trove::RouteId_t id = db.DefaultRouteName(route);
    EXPECT_EQ(id.name.text, "Home to Lake");
    EXPECT_EQ(id.generated_name, 1);

    db.InsertRoute(id, route);
    EXPECT_EQ(db.DefaultRouteName(route).name.text, "Home to Lake 1");
    // The route's own id does not count as a clash.
    EXPECT_EQ(db.DefaultRouteName(route, &id).name.text, "Home to Lake");
    const trove::RouteId_t other = RteId("else");
    EXPECT_EQ(db.DefaultRouteName(route, &other).name.text, "Home to Lake 1");
}

TEST_F(DatabaseNames, DefaultRouteNameOfAnEmptyRoute) {
    EXPECT_EQ(db.DefaultRouteName(trove::Route_t()).name.text, "Route");
}

TEST_F(DatabaseNames, UniqueWaypointNameAcrossDatabases) {
    trove::Database_t small(trove::Name_t("small"), 4);
    db.InsertWaypoint(WptId("Camp"), Wpt());
    small.InsertWaypoint(WptId("Cam1"), Wpt());
    trove::WaypointId_t id = WptId("Campsite");
    trove::UniqueWaypointName(id, {&db, &small});
    // Cut to 4 ("Camp", taken in db), then "Cam1" (taken in small), then "Cam2".
    EXPECT_EQ(id.name.text, "Cam2");

    trove::WaypointId_t free_name = WptId("Lake");
    trove::UniqueWaypointName(free_name, {&db, &small});
    EXPECT_EQ(free_name.name.text, "Lake");

    trove::WaypointId_t empty = WptId("");
    trove::UniqueWaypointName(empty, {&small, &db});
    EXPECT_EQ(empty.name.text, "001");
}

TEST_F(DatabaseNames, UniqueWaypointNameNeedsDatabases) {
    trove::WaypointId_t id = WptId("A");
    EXPECT_THROW(trove::UniqueWaypointName(id, {}), base::Assert_t);
    EXPECT_THROW(trove::UniqueWaypointName(id, {&db, nullptr}), base::Assert_t);
}

}  // namespace
