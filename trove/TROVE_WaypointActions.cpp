#include "trove/TROVE_WaypointActions.h"

#include "trove/TROVE_Database.h"

namespace trove {

void WptInsert_t::Undo() {
    database_->EraseWaypoint(id_);
}

void WptErase_t::Undo() {
    database_->InsertWaypoint(id_, waypoint_);
}

}  // namespace trove
