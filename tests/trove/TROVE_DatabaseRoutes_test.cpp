#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/SUPPORT_ExpectRaise.h"
#include "support/SUPPORT_Gps.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_Exception.h"

namespace {

using support::RecordingListener_t;
using support::Rte;
using support::RteId;
using support::Wpt;
using support::WptId;

class DatabaseRoutes : public ::testing::Test {
protected:
    DatabaseRoutes() : db(trove::Name_t("db"), 8), listener(log) {
        for (const char* name : {"A", "B", "C"}) db.InsertWaypoint(WptId(name), Wpt());
        db.InsertWaypoint(WptId("x1", 4), Wpt());
        db.InsertWaypoint(WptId("x2", 4), Wpt());
        db.EndChanges();
        db.broadcaster.Add(&listener);
    }

    trove::Database_t db;
    std::vector<std::string> log;
    RecordingListener_t listener;
};

TEST_F(DatabaseRoutes, InsertKeepsTheRouteUnderItsName) {
    auto entry = db.InsertRoute(RteId("Trip"), Rte({WptId("a"), WptId("B")}));
    EXPECT_EQ(entry->first.name.text, "Trip");
    EXPECT_EQ(entry->second.route_points.size(), 2u);
    db.EndChanges();
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "rte+ Trip", "end 000010"}));
}

TEST_F(DatabaseRoutes, ValidationFailuresChangeNothing) {
    db.InsertRoute(RteId("Trip"), Rte({WptId("A")}));
    db.EndChanges();
    log.clear();

    EXPECT_RAISES(trove::KeyExists_t, db.InsertRoute(RteId("TRIP"), Rte({WptId("B")})), "TROVE_Database",
                  1715);
    EXPECT_RAISES(trove::InvalidRoute_t, db.InsertRoute(RteId("Empty"), trove::Route_t()), "TROVE_Database",
                  1722);
    trove::WaypointId_t blocked = WptId("B");
    for (std::uint8_t code : {31, 33}) {
        blocked.id_block[0] = code;
        EXPECT_RAISES(trove::InvalidRoute_t, db.InsertRoute(RteId("Blocked"), Rte({blocked, WptId("A")})),
                      "TROVE_Database", 1722);
    }
    // Only the first point is held to the block rule.
    EXPECT_NO_THROW(db.ValidateRoute(RteId("Later"), Rte({WptId("A"), blocked})));
    try {
        db.InsertRoute(RteId("Gap"), Rte({WptId("A"), WptId("missing"), WptId("gone")}));
        FAIL() << "no exception";
    } catch (const trove::KeyNotFound_t& e) {
        EXPECT_STREQ(e.what(), "Waypoint: missing does not exist.");
        EXPECT_EQ(e.Line(), 1730);
    }
    try {
        db.InsertRoute(RteId("Empty"), trove::Route_t());
    } catch (const trove::InvalidRoute_t& e) {
        EXPECT_STREQ(e.what(), "Route: Empty is invalid");
    }

    EXPECT_EQ(db.routes.size(), 1u);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(db.changed.none());
}

TEST_F(DatabaseRoutes, WaypointNamedByARouteCannotBeErased) {
    db.InsertRoute(RteId("Trip"), Rte({WptId("A"), WptId("B")}));
    EXPECT_EQ(db.EraseWaypoint(WptId("b")), 0u);
    EXPECT_TRUE(db.waypoints.Holds(WptId("B")));
    EXPECT_EQ(db.EraseWaypoint(WptId("C")), 1u);
}

TEST_F(DatabaseRoutes, EraseTakesItsOwnClassedWaypointsAlong) {
    db.InsertRoute(RteId("One"), Rte({WptId("A"), WptId("x1", 4), WptId("x2", 4)}));
    db.InsertRoute(RteId("Two"), Rte({WptId("B"), WptId("x2", 4)}));
    db.EndChanges();
    log.clear();

    EXPECT_EQ(db.EraseRoute(RteId("one")), 1u);
    EXPECT_FALSE(db.routes.Holds(RteId("One")));
    // Class 0 stays; x1 goes; x2 stays because route Two still names it.
    EXPECT_TRUE(db.waypoints.Holds(WptId("A")));
    EXPECT_FALSE(db.waypoints.Holds(WptId("x1")));
    EXPECT_TRUE(db.waypoints.Holds(WptId("x2")));
    db.EndChanges();
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "rte- one", "wpt- x1", "end 000011"}));

    EXPECT_EQ(db.EraseRoute(RteId("Two")), 1u);
    EXPECT_FALSE(db.waypoints.Holds(WptId("x2")));
    EXPECT_EQ(db.EraseRoute(RteId("Two")), 0u);
}

TEST_F(DatabaseRoutes, WaypointVisitedTwiceIsErasedOnce) {
    db.InsertRoute(RteId("Loop"), Rte({WptId("A"), WptId("x1", 4), WptId("B"), WptId("X1", 4)}));
    db.EndChanges();
    log.clear();
    db.EraseRoute(RteId("Loop"));
    EXPECT_FALSE(db.waypoints.Holds(WptId("x1")));
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "rte- Loop", "wpt- x1"}));
}

TEST_F(DatabaseRoutes, GeneratedNameIsReplacedByTheDefaultName) {
    auto entry = db.InsertRoute(RteId("anything", 1), Rte({WptId("A"), WptId("C")}));
    EXPECT_EQ(entry->first.name.text, "A to C");
    EXPECT_EQ(entry->first.generated_name, 1);
    entry = db.InsertRoute(RteId("", 1), Rte({WptId("A"), WptId("B"), WptId("C")}));
    EXPECT_EQ(entry->first.name.text, "A to C 1");
}

}  // namespace
