#pragma once
// The guard that keeps a command from writing over the data file it reads: OUT (or what -d DIR
// would write) that is the input by any path, link or spelling is refused before anything is read.
#include <ostream>

#include "tools/cli/TOOL_Options.h"

namespace tool {

// kExitOk, or kExitNotOpened with one line on err naming both.
int RefuseOutputOverInput(const Options_t& options, std::ostream& err);

}  // namespace tool
