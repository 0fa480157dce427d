#pragma once
// `trovix dump FILE [--codepage CP] [--partial]`: loads the file into a database made as the
// import makes it and prints the JSON of what was read.
#include <ostream>
#include <string>

#include "tools/TOOL_Exit.h"
#include "tools/TOOL_Options.h"

namespace tool {

// Writes the JSON to out on success; on failure one line naming the path (and the exception's
// class, source and line) to err and, with --partial, the JSON of what was read before the
// failure to out. Returns the exit code.
int Dump(const Options_t& options, std::ostream& out, std::ostream& err);

// The same with the default options.
int Dump(const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace tool
