#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/SUPPORT_Gps.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_MapActions.h"
#include "trove/TROVE_RouteActions.h"
#include "trove/TROVE_TrackActions.h"
#include "trove/TROVE_TransactionActions.h"
#include "trove/TROVE_WaypointActions.h"
#include "trove/jnl/JNL_Journal.h"

namespace {

using support::MapOf;
using support::RecordingListener_t;
using support::Rte;
using support::RteId;
using support::TrkId;
using support::Wpt;
using support::WptId;

std::string KindOf(const jnl::Action_t& action) {
    if (dynamic_cast<const trove::StartTransaction_t*>(&action)) return "start";
    if (dynamic_cast<const trove::TransactionComplete_t*>(&action)) return "complete";
    if (dynamic_cast<const trove::WptInsert_t*>(&action)) return "wpt+";
    if (dynamic_cast<const trove::WptErase_t*>(&action)) return "wpt-";
    if (dynamic_cast<const trove::RteInsert_t*>(&action)) return "rte+";
    if (dynamic_cast<const trove::RteErase_t*>(&action)) return "rte-";
    if (dynamic_cast<const trove::TrkInsert_t*>(&action)) return "trk+";
    if (dynamic_cast<const trove::TrkErase_t*>(&action)) return "trk-";
    if (dynamic_cast<const trove::MapInsert_t*>(&action)) return "map+";
    if (dynamic_cast<const trove::MapErase_t*>(&action)) return "map-";
    if (dynamic_cast<const trove::Rt0Insert_t*>(&action)) return "rt0+";
    if (dynamic_cast<const trove::Rt0Erase_t*>(&action)) return "rt0-";
    if (dynamic_cast<const trove::VolUpdate_t*>(&action)) return "vol";
    return "?";
}

std::vector<std::string> Kinds(const jnl::Journal_t& journal) {
    std::vector<std::string> kinds;
    for (std::size_t i = 0; i < journal.Size(); ++i) kinds.push_back(KindOf(journal.At(i)));
    return kinds;
}

// Everything a change set can touch, as text.
std::vector<std::string> Snapshot(const trove::Database_t& db) {
    std::vector<std::string> lines;
    for (const auto& entry : db.waypoints) {
        lines.push_back("wpt " + entry.first.name.text + "/" + std::to_string(entry.first.id_class) + " " +
                        entry.second.text_1);
    }
    for (const auto& entry : db.routes) {
        std::string line = "rte " + entry.first.name.text + "/" + std::to_string(entry.first.generated_name);
        for (const auto& point : entry.second.route_points) line += " " + point.waypoint.name.text;
        lines.push_back(line);
    }
    for (const auto& entry : db.tracks) {
        lines.push_back("trk " + entry.first.text + " " + std::to_string(entry.second.point_count));
    }
    for (const auto& map : db.maps) lines.push_back("map " + map.name);
    for (const auto& entry : db.route0) lines.push_back("rt0 " + entry.route.name.text);
    lines.push_back("vol " + db.Volume().volume_text + "/" + std::to_string(db.Volume().volume_flag));
    return lines;
}

// Undoes the newest change set of the journal, newest action first, down to its start.
void UndoLastChangeSet(jnl::Journal_t& journal) {
    std::size_t i = journal.Size();
    while (i > 0) {
        jnl::Action_t& action = journal.At(--i);
        action.Undo();
        if (action.IsStartTransaction()) return;
    }
}

class DatabaseJournal : public ::testing::Test {
protected:
    DatabaseJournal() : db(trove::Name_t("db"), 8) { db.AttachJournal(&journal); }
    trove::Database_t db;
    jnl::Journal_t journal;
};

TEST_F(DatabaseJournal, ChangeSetIsStartActionsComplete) {
    db.InsertWaypoint(WptId("A"), Wpt());
    db.InsertWaypoint(WptId("B"), Wpt());
    db.InsertMap(MapOf(1, 1, "M"));
    db.EndChanges();
    EXPECT_EQ(Kinds(journal), (std::vector<std::string>{"start", "wpt+", "wpt+", "map+", "vol", "complete"}));

    // Closing again adds nothing, and neither does a refused change.
    db.EndChanges();
    EXPECT_THROW(db.InsertWaypoint(WptId("a"), Wpt()), trove::KeyExists_t);
    db.MarkChanged(trove::kWaypointKind);
    db.EndChanges();
    EXPECT_EQ(Kinds(journal), (std::vector<std::string>{"start", "wpt+", "wpt+", "map+", "vol", "complete",
                                                        "start", "complete"}));
}

TEST_F(DatabaseJournal, EndChangesDoesNotRepeatACompletion) {
    journal.Append(trove::TransactionComplete_t());
    db.changed.set(trove::kMapKind);  // as the record-stream reader marks kinds
    db.EndChanges();
    EXPECT_EQ(journal.Size(), 1u);
    EXPECT_TRUE(db.changed.none());
}

// The journal observer and the listeners see one ordered stream: mark, journal, change, notify.
class Interleaver_t : public jnl::JournalObserver_t {
public:
    Interleaver_t(std::vector<std::string>& log, const trove::Database_t& db) : log_(log), db_(db) {}
    void OnJournalChanged(jnl::Journal_t& journal) override {
        log_.push_back("journal " + KindOf(journal.Last()) + " " + std::to_string(db_.waypoints.size()));
    }

private:
    std::vector<std::string>& log_;
    const trove::Database_t& db_;
};

TEST_F(DatabaseJournal, OperationsMarkJournalChangeNotifyInThatOrder) {
    std::vector<std::string> log;
    Interleaver_t observer(log, db);
    RecordingListener_t listener(log);
    journal.SetObserver(&observer);
    db.broadcaster.Add(&listener);

    db.InsertWaypoint(WptId("A"), Wpt());
    db.EraseWaypoint(WptId("A"));
    db.EndChanges();
    EXPECT_EQ(log,
              (std::vector<std::string>{"begin", "journal start 0", "journal wpt+ 0", "wpt+ A",
                                        "journal wpt- 1", "wpt- A", "end 000001", "journal complete 0"}));
}

TEST_F(DatabaseJournal, UndoingAChangeSetNewestFirstRestoresTheDatabase) {
    for (const char* name : {"A", "B"}) db.InsertWaypoint(WptId(name), Wpt(name));
    db.InsertWaypoint(WptId("via", 2), Wpt("via"));
    db.InsertRoute(RteId("R"), Rte({WptId("A"), WptId("via", 2), WptId("B")}));
    trove::Track_t track;
    track.AppendPoint(trove::TrackPoint_t());
    db.InsertTrack(TrkId("T"), track);
    db.InsertMap(MapOf(1, 1, "M1"));
    db.InsertMap(MapOf(2, 1, "M2"));
    trove::Route0Entry_t entry;
    entry.route = RteId("R");
    db.SetRoute0(entry);
    db.EndChanges();
    const std::vector<std::string> before = Snapshot(db);

    db.ClearRoute0();
    db.EraseRoute(RteId("R"));
    db.EraseWaypoint(WptId("A"));
    db.InsertWaypoint(WptId("C"), Wpt("c"));
    db.EraseTrack(TrkId("T"));
    db.InsertTrack(TrkId("U"), trove::Track_t());
    db.EraseMap(MapOf(1, 1, "M1"));
    db.InsertMap(MapOf(3, 1, "M3"));
    trove::Volume_t manual;
    manual.volume_text = "manual";
    manual.volume_flag = 0;
    db.SetVolume(manual);
    db.EndChanges();
    ASSERT_NE(Snapshot(db), before);
    ASSERT_FALSE(db.waypoints.Holds(WptId("via")));

    // The undo itself goes through the journaled operations: record it elsewhere.
    jnl::Journal_t undo_journal;
    db.AttachJournal(&undo_journal);
    UndoLastChangeSet(journal);
    EXPECT_EQ(Snapshot(db), before);
    EXPECT_TRUE(db.changed.none());
    EXPECT_EQ(undo_journal.At(0).IsStartTransaction(), true);
    EXPECT_EQ(undo_journal.Last().IsTransactionComplete(), true);
}

TEST_F(DatabaseJournal, UndoWaypointActions) {
    db.InsertWaypoint(WptId("A", 5), Wpt("body"));
    db.EraseWaypoint(WptId("a"));
    db.AttachJournal(nullptr);

    // The erase comes back under the key that was erased, with its body.
    journal.At(2).Undo();
    ASSERT_EQ(db.waypoints.size(), 1u);
    EXPECT_EQ(db.waypoints.begin()->first.name.text, "A");
    EXPECT_EQ(db.waypoints.begin()->first.id_class, 5);
    EXPECT_EQ(db.waypoints.begin()->second.text_1, "body");

    // Undoing the insert does not erase a waypoint that a route now names.
    db.InsertRoute(RteId("R"), Rte({WptId("A", 5)}));
    journal.At(1).Undo();
    EXPECT_EQ(db.waypoints.size(), 1u);
    db.EraseRoute(RteId("R"));  // takes the class-5 waypoint along
    EXPECT_TRUE(db.waypoints.empty());
}

TEST_F(DatabaseJournal, DroppedRoute0EntryIsNotJournaled) {
    db.InsertWaypoint(WptId("A"), Wpt());
    db.InsertRoute(RteId("R"), Rte({WptId("A")}));
    trove::Route0Entry_t entry;
    entry.route = RteId("R");
    db.SetRoute0(entry);
    db.EndChanges();
    journal.Clear();
    db.EraseRoute(RteId("R"));
    db.EndChanges();
    EXPECT_EQ(Kinds(journal), (std::vector<std::string>{"start", "rte-", "complete"}));
}

}  // namespace
