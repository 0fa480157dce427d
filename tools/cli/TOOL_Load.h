#pragma once
// The load behind the tool's commands: the file read into the model of a loaded file (a database
// made as the import makes it), under the code page asked for, with one line on the error
// stream when it fails.
#include <optional>
#include <ostream>
#include <string>

#include "model/MODEL_File.h"
#include "tools/cli/TOOL_Exit.h"
#include "tools/cli/TOOL_Options.h"

namespace tool {

// Loads options.file ("-": standard input, options.input or std::cin, read in pieces) into
// loaded, made with options.code_page, which stays selected for as long as loaded lives (with
// --codepage auto, the page chosen from the file's texts; without --codepage, a warning when
// another page looks likely). Returns kExitOk when it loaded; otherwise writes one line naming
// the path and the reason to err and returns kExitNotOpened (also for a folder or a device, for
// standard input that is closed, a folder or a terminal, and, before anything is read, for an
// output that is an input file; loaded may then be empty) or kExitRefused. After a refusal
// loaded holds whatever was read before it. Exhausted memory propagates as std::bad_alloc.
int LoadForTool(const Options_t& options, std::optional<model::File_t>& loaded, std::ostream& err);

// The data file's name without its folder ("stdin" for "-"), for documents and output names.
std::string FileName(const std::string& file);

}  // namespace tool
