#include "trove/TROVE_MapActions.h"

#include "trove/TROVE_Database.h"

namespace trove {

void MapInsert_t::Undo() {
    database_->EraseMap(map_);
}

void MapErase_t::Undo() {
    database_->InsertMap(map_);
}

void VolUpdate_t::Undo() {
    database_->SetVolume(before_);
}

}  // namespace trove
