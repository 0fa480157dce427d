#include "trove/TROVE_TransactionActions.h"

#include "trove/TROVE_Database.h"

namespace trove {

void StartTransaction_t::Undo() {
    database_->EndChanges();
}

}  // namespace trove
