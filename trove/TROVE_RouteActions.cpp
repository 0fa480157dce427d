#include "trove/TROVE_RouteActions.h"

#include "trove/TROVE_Database.h"

namespace trove {

void RteInsert_t::Undo() {
    database_->EraseRoute(id_);
}

void RteErase_t::Undo() {
    database_->InsertRoute(id_, route_);
}

void Rt0Insert_t::Undo() {
    database_->ClearRoute0();
}

void Rt0Erase_t::Undo() {
    database_->SetRoute0(entry_);
}

}  // namespace trove
