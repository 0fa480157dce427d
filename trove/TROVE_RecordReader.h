#pragma once
// The reader of the current-format records that follow the header: W, R, T, L, 0 and V.
// Records go straight into the database's tables; the reader marks the changed kinds itself
// and sends no notification. Waypoints whose name clashes with a different waypoint, and
// waypoints, routes and tracks whose name is not valid multibyte text, wait until a route
// needs them or the file ends, and are then filed under new unique names.
//
// Structural faults raise trove::BadStream_t from "TROVE_Database" with the line of the check:
//   124 W record, 188/196 route-0 record, 233 V record, 331/342/362/1149 waypoint merging,
//   1094/1098/1102/1112 route insertion, 175/281 tracks, 210/221 maps, 297 end of file.
// Resolving pending waypoints a second time raises base::Assert_t ("TROVE_Database", 1126).
#include <cstdint>
#include <list>
#include <map>
#include <utility>
#include <vector>

#include "trove/TROVE_Database.h"
#include "trove/TROVE_LoadNote.h"
#include "trove/TROVE_PendingOrder.h"
#include "trove/TROVE_WaypointBatch.h"
#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_Record.h"

namespace trove {

// Waypoints filed under a new name, old key -> new key, in the full waypoint order.
using RenameList_t = std::vector<std::pair<WaypointId_t, WaypointId_t>>;

// Reads every record from the current position of file to its end into db, with the layouts
// of data_version. Whatever was filed before a failure stays in db. With notes, each record
// dropped without a failure leaves a note there.
RenameList_t ReadRecords(Database_t& db, bin::istream& file, std::uint16_t data_version,
                         LoadNotes_t* notes = nullptr);

class RecordReader_t {
public:
    RecordReader_t(Database_t& db, std::uint16_t data_version, LoadNotes_t* notes = nullptr);
    RecordReader_t(const RecordReader_t&) = delete;
    RecordReader_t& operator=(const RecordReader_t&) = delete;

    RenameList_t Run(bin::istream& file);

private:
    void Dispatch(bin::record_t& rec);
    void ReadWaypoint(bin::record_t& rec);
    void ReadRoute(bin::record_t& rec);
    void ReadTrack(bin::record_t& rec);
    void ReadMap(bin::record_t& rec);
    void ReadRoute0(bin::record_t& rec);
    void ReadVolume(bin::record_t& rec);
    void EndOfFile(bin::istream& file);
    void Note(DropKind_t kind, const bin::record_t& rec, const std::string& name = std::string());

    void MergeWaypoints();
    void ResolvePending();
    void InsertRoute(RouteTable_t::node_type node);

    Database_t& db_;
    std::uint16_t data_version_;
    bool seen_ = false;
    LoadNotes_t* notes_;
    std::uint64_t record_number_ = 0;
    std::uint64_t record_offset_ = 0;
    // Bounds the batch's indexes; far beyond any real file.
    static constexpr std::size_t kMaxBatch = std::size_t(1) << 24;
    WaypointBatch_t batch_;
    PendingWaypoints_t pending_waypoints_;
    std::map<WaypointId_t, WaypointId_t, PendingOrder_t> renamed_;
    std::list<RouteTable_t::node_type> pending_routes_;
    std::list<TrackTable_t::node_type> pending_tracks_;
};

}  // namespace trove
