#include "trove/TROVE_TrackActions.h"

#include "trove/TROVE_Database.h"

namespace trove {

void TrkInsert_t::Undo() {
    database_->EraseTrack(id_);
}

void TrkErase_t::Undo() {
    database_->InsertTrack(id_, track_);
}

}  // namespace trove
