#pragma once
// `trovix gpx FILE [-o OUT] [--codepage CP] [--partial]`: every waypoint, route and track of
// the file as GPX 1.1 on standard output or in OUT.
#include <ostream>

#include "tools/TOOL_Exit.h"
#include "tools/TOOL_Options.h"

namespace tool {

// Writes the GPX to out (or options.output). On standard error: one line per note of what the
// load dropped, the count of characters replaced by U+FFFD when there were any, and for a
// failure the one line naming the reason; with --partial a refused file still gives the GPX
// of what was read before the fault. Returns the exit code.
int Gpx(const Options_t& options, std::ostream& out, std::ostream& err);

}  // namespace tool
