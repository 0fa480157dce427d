#pragma once
// `trovix records FILE [--category TEXT] [--codepage CP]`: loads the file as `dump` does and prints
// the JSON of the handheld records the import would make of its class-0 waypoints, in table order.
#include <ostream>

#include "tools/TOOL_Options.h"

namespace tool {

// Exit codes and error lines as Dump's.
int Records(const Options_t& options, std::ostream& out, std::ostream& err);

}  // namespace tool
