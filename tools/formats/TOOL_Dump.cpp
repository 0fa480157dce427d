// The dump format: the JSON of what the import reads from a file (TOOL_DumpJson.h), with the
// load's notes in it. Its contract is the database byte for byte, so it walks the tables itself
// where the model has no layer (maps, the route-0 entry, the volume, the renamed waypoints).
#include "model/MODEL_File.h"
#include "tools/formats/TOOL_DumpJson.h"
#include "tools/formats/TOOL_Registry.h"

namespace tool {

namespace {

std::size_t WriteDump(std::ostream& out, const WriteInput_t& input) {
    // Written as it is made: the JSON of a big file is never held whole.
    WriteDumpJson(out, input.file);
    return 0;
}

}  // namespace

const Format_t kDumpFormat = {
    "dump", ".json", "the JSON of what the import reads from FILE", false, true, {}, nullptr, WriteDump};

}  // namespace tool
