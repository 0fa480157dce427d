#pragma once
// A keyed table of the database: records owned by value, in the key class's order. A table
// made with an arena allocator keeps its nodes in that arena; a copy of a table keeps its own
// on the heap.
#include <functional>
#include <map>
#include <utility>

#include "base/BASE_ArenaAllocator.h"
#include "trove/TROVE_Exception.h"

namespace trove {

template <class Id, class Record>
class BasicTable_t
    : public std::map<Id, Record, std::less<Id>, base::ArenaAllocator_t<std::pair<const Id, Record>>> {
public:
    using Base = std::map<Id, Record, std::less<Id>, base::ArenaAllocator_t<std::pair<const Id, Record>>>;
    using Base::Base;

    // Files the record of old_id under new_id. Keys that are the same in the table order leave
    // the table as it is; a taken new_id raises trove::KeyExists_t, a missing old_id
    // trove::KeyNotFound_t, both before anything changes.
    virtual void Rekey(const Id& old_id, const Id& new_id) {
        if (!(old_id < new_id) && !(new_id < old_id)) return;
        if (this->find(new_id) != this->end()) throw KeyExists_t(new_id, "TROVE_BasicTable", __LINE__);
        auto old_entry = this->find(old_id);
        if (old_entry == this->end()) throw KeyNotFound_t(old_id, "TROVE_BasicTable", __LINE__);
        auto node = this->extract(old_entry);
        node.key() = new_id;
        this->insert(std::move(node));
    }

    // True when the table holds a key that is the same as id in the table order.
    bool Holds(const Id& id) const { return this->find(id) != this->end(); }
};

}  // namespace trove
