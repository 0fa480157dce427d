#pragma once
// The in-memory GPS database: waypoint, route and track tables, the route-0 entry, the map
// descriptions and the volume record. Every checked operation marks the kind of data changed,
// records its undo action in the attached journal, changes the table and then tells the
// listeners. The file readers may also fill the tables directly (setting the changed kinds
// themselves) and use the naming operations to resolve clashes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/BASE_Arena.h"
#include "trove/TROVE_BasicTable.h"
#include "trove/TROVE_Broadcaster.h"
#include "trove/TROVE_ChangeKind.h"
#include "trove/TROVE_Map.h"
#include "trove/TROVE_Name.h"
#include "trove/TROVE_Route.h"
#include "trove/TROVE_Route0.h"
#include "trove/TROVE_RouteId.h"
#include "trove/TROVE_Track.h"
#include "trove/TROVE_TrackId.h"
#include "trove/TROVE_Volume.h"
#include "trove/TROVE_Waypoint.h"
#include "trove/TROVE_WaypointId.h"
#include "trove/jnl/JNL_Database.h"

namespace trove {

using WaypointTable_t = BasicTable_t<WaypointId_t, Waypoint_t>;
using RouteTable_t = BasicTable_t<RouteId_t, Route_t>;
using TrackTable_t = BasicTable_t<TrackId_t, Track_t>;
using MapSet_t = std::set<Map_t>;

constexpr std::uint32_t kMinNameLength = 3;

class Database_t : public jnl::Database_t {
    // First of the members: the tables' nodes live in it, so it must go last.
    base::Arena_t arena_;

public:
    // A maximum name length below 3 raises base::Assert_t.
    Database_t(const Name_t& name, std::uint32_t max_name_length);
    ~Database_t() override;

    // A waypoint of the same name raises trove::KeyExists_t. Returns the new entry.
    WaypointTable_t::iterator InsertWaypoint(const WaypointId_t& id, Waypoint_t&& waypoint);
    WaypointTable_t::iterator InsertWaypoint(const WaypointId_t& id, const Waypoint_t& waypoint);
    // 0 when absent or still named by a route, else 1.
    std::size_t EraseWaypoint(const WaypointId_t& id);

    // A set generated_name flag first gives the id its default name. Then ValidateRoute's
    // exceptions. Returns the new entry.
    RouteTable_t::iterator InsertRoute(const RouteId_t& id, Route_t&& route);
    RouteTable_t::iterator InsertRoute(const RouteId_t& id, const Route_t& route);
    // Also erases the route's waypoints of a class other than 0 that no other route names, and
    // drops a route-0 entry left without its route. Returns the number of routes erased.
    std::size_t EraseRoute(const RouteId_t& id);
    // The rules a route must meet to be inserted under id: id not taken (trove::KeyExists_t),
    // at least one route point and a first waypoint whose block does not start with 31 or 33
    // (trove::InvalidRoute_t), every named waypoint in the table (trove::KeyNotFound_t).
    void ValidateRoute(const RouteId_t& id, const Route_t& route) const;

    // A track of the same name raises trove::KeyExists_t. Returns the new entry.
    TrackTable_t::iterator InsertTrack(const TrackId_t& id, Track_t&& track);
    TrackTable_t::iterator InsertTrack(const TrackId_t& id, const Track_t& track);
    std::size_t EraseTrack(const TrackId_t& id);

    // A map of the same (map_value, map_number) raises trove::KeyExists_t. Both refresh the
    // volume record.
    MapSet_t::iterator InsertMap(const Map_t& map);
    std::size_t EraseMap(const Map_t& map);

    // A set entry raises trove::KeyExists_t, a route not in the table trove::KeyNotFound_t.
    void SetRoute0(const Route0Entry_t& entry);
    void ClearRoute0();

    // Takes text and flag; an automatic volume takes its text from the maps instead.
    const Volume_t& SetVolume(const Volume_t& volume);
    const Volume_t& Volume() const { return volumes.front(); }
    Volume_t& Volume() { return volumes.front(); }

    // Renames an id that clashes with its table: base name, a blank and the next number of
    // the database's own counter (three digits at least for tracks), until the name is free.
    void MakeUniqueRouteName(RouteId_t& id);
    void MakeUniqueTrackName(TrackId_t& id);
    // The name cut to (maximum name length - 3) characters, white space left out, followed by
    // the next number of the waypoint counter, three digits at least, until the name is free.
    void MakeUniqueWaypointName(WaypointId_t& id);
    // The automatic id of a route: "<first> to <last>" style text from the language module
    // (plain route text for a route without points) with generated_name set, numbered " 1",
    // " 2", ... while the table holds it, unless it is the route's own current id.
    RouteId_t DefaultRouteName(const Route_t& route, const RouteId_t* current = nullptr) const;

    // Opens a change set (OnChangesBegin, a start action) unless one is open, then marks the
    // kind. Kinds of 6 and above raise std::out_of_range before anything happens.
    void MarkChanged(std::size_t kind);
    // Closes the open change set: OnChangesEnd with the kinds marked, a completion action
    // unless the journal is empty or already ends with one. Nothing when none is open.
    void EndChanges();

    // The track that the current track names; erasing that track clears it.
    void SetCurrentTrack(const TrackId_t& id);
    const TrackId_t* CurrentTrack() const { return current_track_.get(); }

    // While a reader fills the database its tables only grow, so an automatic route name found
    // taken stays taken: DefaultRouteName then goes on, per text, from the number it last gave
    // instead of from 1. Nothing changes in what it returns.
    class Growing_t {
    public:
        explicit Growing_t(Database_t& db) : db_(db) { db_.growing_ = true; }
        ~Growing_t() {
            db_.growing_ = false;
            db_.route_numbers_.clear();
        }
        Growing_t(const Growing_t&) = delete;
        Growing_t& operator=(const Growing_t&) = delete;

    private:
        Database_t& db_;
    };

    // Where the tables keep their nodes, and the file readers their texts; it goes with the
    // database.
    base::Arena_t& Arena() { return arena_; }

    const Name_t& Name() const { return name_; }
    std::uint32_t MaxNameLength() const { return max_name_length_; }

    WaypointTable_t waypoints;
    RouteTable_t routes;
    TrackTable_t tracks;
    std::vector<Route0Entry_t> route0;  // zero or one entry
    MapSet_t maps;
    std::vector<Volume_t> volumes;  // exactly one; only the first is used
    ChangedKinds_t changed;
    Broadcaster_t broadcaster;

private:
    bool RouteNamesWaypoint(const WaypointId_t& id) const;
    std::size_t EraseUnnamedWaypoint(const WaypointId_t& id);
    void DropDanglingRoute0();
    void RefreshVolume();

    std::unique_ptr<TrackId_t> current_track_;
    std::uint32_t waypoint_name_counter_ = 1;
    std::uint32_t route_name_counter_ = 1;
    std::uint32_t track_name_counter_ = 1;
    bool growing_ = false;
    // Per automatic route text, the first number not yet seen taken (0: the bare text).
    mutable std::unordered_map<std::string, std::uint32_t> route_numbers_;
    trove::Name_t name_;
    std::uint32_t max_name_length_;
};

// Renames a waypoint id so that none of the databases holds it: the name cut to the smallest
// maximum name length of the databases, then with a growing number in place of its last
// characters. An empty name takes the first database's MakeUniqueWaypointName. No databases, or
// a null one, raise base::Assert_t.
void UniqueWaypointName(WaypointId_t& id, const std::vector<Database_t*>& databases);

}  // namespace trove
