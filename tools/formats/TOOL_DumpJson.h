#pragma once
// The JSON form of a loaded database, as `trovix dump` prints it: the file's format and
// versions, then every table in table order, the route-0 entry, the volume record and the
// waypoints the load renamed, and the notes of what the load dropped.
#include <ostream>

#include "model/MODEL_File.h"

namespace tool {

void WriteDumpJson(std::ostream& out, const model::File_t& file);

}  // namespace tool
