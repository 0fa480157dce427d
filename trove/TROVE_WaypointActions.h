#pragma once
// Undo actions of the waypoint table.
#include <memory>

#include "trove/TROVE_Waypoint.h"
#include "trove/TROVE_WaypointId.h"
#include "trove/jnl/JNL_Action.h"

namespace trove {

class Database_t;

// Undo erases the waypoint again (not while a route names it).
class WptInsert_t : public jnl::Action_t {
public:
    WptInsert_t(Database_t* database, const WaypointId_t& id) : database_(database), id_(id) {}
    void Undo() override;
    std::unique_ptr<jnl::Action_t> Clone() const override { return std::make_unique<WptInsert_t>(*this); }

private:
    Database_t* database_;
    WaypointId_t id_;
};

// Undo inserts the erased waypoint again.
class WptErase_t : public jnl::Action_t {
public:
    WptErase_t(Database_t* database, const WaypointId_t& id, const Waypoint_t& waypoint)
        : database_(database), id_(id), waypoint_(waypoint) {}
    void Undo() override;
    std::unique_ptr<jnl::Action_t> Clone() const override { return std::make_unique<WptErase_t>(*this); }

private:
    Database_t* database_;
    WaypointId_t id_;
    Waypoint_t waypoint_;
};

}  // namespace trove
