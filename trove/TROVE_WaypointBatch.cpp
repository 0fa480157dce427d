#include "trove/TROVE_WaypointBatch.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "base/BASE_Exception.h"
#include "trove/TROVE_ChangeKind.h"
#include "trove/TROVE_Exception.h"
#include "trove/TROVE_NameOrder.h"

namespace trove {

namespace {

// Lengths beyond 16 all look the same to a sort key.
constexpr std::size_t kLongName = 17;

// How many waypoints ahead to ask for a node's memory while filing.
constexpr std::size_t kPrefetchAhead = 12;

}  // namespace

void WaypointBatch_t::Add(WaypointTable_t::node_type node) {
    const auto order = static_cast<std::uint32_t>(nodes_.size());
    // The node first: an entry must never name a node that is not there.
    nodes_.push_back(std::move(node));
    const WaypointId_t& key = nodes_.back().key();
    // A plain name (bytes 0x01 to 0x7F only) is valid text in every code page.
    const base::NoCase_t::SortKey_t sort_key = NameRule().SortKey(key.name.text);
    if (sort_key.plain || IsValidMultibyte(key.name.text)) {
        const auto length = static_cast<std::uint8_t>(std::min(sort_key.length, kLongName));
        entries_.push_back(Entry_t{&key, sort_key.high, sort_key.low, order, length, sort_key.plain});
    } else {
        invalid_.push_back(order);
    }
}

bool WaypointBatch_t::Before(const Entry_t& a, const Entry_t& b) const {
    if (a.plain && b.plain) {
        if (a.high != b.high) return a.high < b.high;
        if (a.low != b.low) return a.low < b.low;
        if (a.length == b.length && a.length < kLongName) return a.order < b.order;
    }
    const std::string& name_a = a.key->name.text;
    const std::string& name_b = b.key->name.text;
    if (NameLess(name_a, name_b)) return true;
    if (NameLess(name_b, name_a)) return false;
    return a.order < b.order;  // the same name: reading order
}

void WaypointBatch_t::Merge(Database_t& db, PendingWaypoints_t& pending) {
    try {
        File(db, pending);
    } catch (...) {
        Clear();
        throw;
    }
    Clear();
}

void WaypointBatch_t::Clear() {
    nodes_.clear();
    entries_.clear();
    invalid_.clear();
}

void WaypointBatch_t::File(Database_t& db, PendingWaypoints_t& pending) {
    std::sort(entries_.begin(), entries_.end(),
              [this](const Entry_t& a, const Entry_t& b) { return Before(a, b); });

    WaypointTable_t& table = db.waypoints;
    Fault_t fault;
    std::uint32_t first_filed = UINT32_MAX;
    std::vector<std::uint32_t> waiting(invalid_);
    const WaypointFullLess_t full_less;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry_t& entry = entries_[i];
        // Name order visits the nodes in no order of memory: ask for one well ahead (its key
        // and the links in front of it, and its handle), so that the compare and the linking
        // below do not wait.
        if (i + kPrefetchAhead < entries_.size()) {
            const Entry_t& ahead = entries_[i + kPrefetchAhead];
            const char* key = reinterpret_cast<const char*>(ahead.key);
            __builtin_prefetch(key);
            __builtin_prefetch(key - 64);
            __builtin_prefetch(&nodes_[ahead.order]);
        }
        WaypointTable_t::node_type& node = nodes_[entry.order];
        // In name order, a new name mostly goes after the table's last: the hint files it
        // there without a walk, and walks only when it belongs elsewhere. A node left in its
        // handle names a waypoint already there, which the returned position holds.
        const auto position = table.insert(table.end(), std::move(node));
        if (node.empty()) {
            first_filed = std::min(first_filed, entry.order);
            continue;
        }
        if (position == table.end()) throw BadStream_t("TROVE_Database", 362);
        const WaypointId_t& key = node.key();
        const WaypointId_t& existing = position->first;
        if (existing < key || key < existing) throw base::Assert_t("TROVE_Database", 325);
        if (!full_less(existing, key) && !full_less(key, existing)) {
            fault.Note(entry.order, 331);
            continue;
        }
        waiting.push_back(entry.order);
    }

    // The pending list in reading order, up to the first failure.
    std::sort(waiting.begin(), waiting.end());
    for (const std::uint32_t order : waiting) {
        if (order > fault.order) break;
        WaypointTable_t::node_type& node = nodes_[order];
        if (pending.find(node.key()) != pending.end()) {
            fault.Note(order, 342);
            break;
        }
        pending.emplace(node.key(), std::move(node.mapped()));
    }

    if (first_filed < fault.order) db.changed.set(kWaypointKind);
    if (fault.line == 0) return;
    // What was read after the first failure would never have been filed. A filed node left
    // its handle empty, and its name is its own in the table.
    for (const Entry_t& entry : entries_) {
        if (entry.order > fault.order && nodes_[entry.order].empty()) table.erase(table.find(*entry.key));
    }
    throw BadStream_t("TROVE_Database", fault.line);
}

}  // namespace trove
