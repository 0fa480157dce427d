#pragma once
// The JSON form of a loaded database, as `trovix dump` prints it: the file's format and
// versions, then every table in table order, the route-0 entry, the volume record and the
// waypoints the load renamed, and the notes of what the load dropped.
#include <ostream>

#include "trove/TROVE_Database.h"
#include "trove/TROVE_DocInfo.h"
#include "trove/TROVE_Load.h"
#include "trove/TROVE_LoadNote.h"

namespace tool {

void WriteDumpJson(std::ostream& out, const trove::Database_t& db, const trove::DocInfo_t& doc,
                   const trove::LoadResult_t& result, const trove::LoadNotes_t& notes = trove::LoadNotes_t());

}  // namespace tool
