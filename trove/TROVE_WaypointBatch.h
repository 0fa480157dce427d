#pragma once
// Waypoints read from a file but not yet filed. Filing them one at a time walks the table
// once per waypoint, and in a large table nearly every step of that walk misses the cache;
// sorted by name first, they meet the table in its own order, where the walk is short.
//
// Merge files the batch exactly as filing each waypoint in the order read would have:
// a name not yet in the table is filed; a waypoint whose name is taken (or not valid
// multibyte text) waits in the pending list; the exception raised is that of the first
// waypoint in reading order that fails, and nothing read after it is left in the table.
//   331  the waypoint equals, member for member, the one holding its name
//   342  an equal key waits in the pending list already
//   362  a waypoint sorting after the table's last could not be filed at its end
// Merge leaves the batch empty, whatever it raises.
#include <cstdint>
#include <map>
#include <vector>

#include "trove/TROVE_Database.h"
#include "trove/TROVE_PendingOrder.h"

namespace trove {

using PendingWaypoints_t = std::map<WaypointId_t, Waypoint_t, PendingOrder_t>;

class WaypointBatch_t {
public:
    bool Empty() const { return nodes_.empty(); }
    std::size_t Size() const { return nodes_.size(); }
    void Add(WaypointTable_t::node_type node);
    // Sets db.changed's waypoint kind when a waypoint is filed.
    void Merge(Database_t& db, PendingWaypoints_t& pending);

private:
    // 32 bytes: a batch may hold a whole file's waypoints.
    struct Entry_t {
        const WaypointId_t* key;  // in its node, which stays where it is
        std::uint64_t high;
        std::uint64_t low;
        std::uint32_t order;  // index into nodes_
        std::uint8_t length;  // capped: only lengths up to 16 are told apart
        bool plain;
    };
    struct Fault_t {
        std::uint32_t order = UINT32_MAX;
        int line = 0;
        void Note(std::uint32_t at, int at_line) {
            if (at < order) {
                order = at;
                line = at_line;
            }
        }
    };

    bool Before(const Entry_t& a, const Entry_t& b) const;
    void File(Database_t& db, PendingWaypoints_t& pending);
    void Clear();

    std::vector<WaypointTable_t::node_type> nodes_;  // in reading order
    std::vector<Entry_t> entries_;                   // the ones with valid names
    std::vector<std::uint32_t> invalid_;             // the others, as indexes into nodes_
};

}  // namespace trove
