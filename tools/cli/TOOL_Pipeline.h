#pragma once
// The one way every command goes: open the data file (FILE, or "-" for standard input) into the
// model, the load's notes, the format's write into the output, then commit it or remove it.
// With FILE... -d DIR the same for each FILE, N at a time.
#include <ostream>
#include <string>

#include "tools/cli/TOOL_Exit.h"
#include "tools/cli/TOOL_Options.h"
#include "tools/formats/TOOL_Registry.h"

namespace tool {

// Writes the file's document to out (or options.output). On standard error: one line per note
// of what the load dropped (for formats that do not write them into the document), the count
// of characters replaced by U+FFFD when there were any, and for a failure the one line naming
// the reason; with --partial a refused file still gives the document of what was read before
// the fault. Returns the exit code.
int Convert(const Format_t& format, const Options_t& options, std::ostream& out, std::ostream& err);

// FILE... -d DIR: one output per FILE, each as if written alone with -o, options.jobs (0: one
// per core) at a time; a file that fails leaves no output of its own and the others are still
// written. Each file's messages go to err whole, in the order of the FILEs; with progress (err
// is a terminal) one line shows the files done. The highest exit status wins.
int ConvertMany(const Format_t& format, const Options_t& options, std::ostream& err, bool progress);

// `trovix dump FILE` with the default options, or with options (options.file the FILE).
int Dump(const std::string& path, std::ostream& out, std::ostream& err);
int Dump(const Options_t& options, std::ostream& out, std::ostream& err);

}  // namespace tool
