#pragma once
// The load behind the tool's commands: the file read into a database made as the import makes
// it, under the code page asked for, with one line on the error stream when it fails.
#include <optional>
#include <ostream>
#include <string>

#include "tools/TOOL_CodePageScope.h"
#include "tools/TOOL_Exit.h"
#include "tools/TOOL_Options.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_DocInfo.h"
#include "trove/TROVE_Load.h"
#include "trove/TROVE_LoadNote.h"

namespace tool {

struct Loaded_t {
    Loaded_t();

    // First, so that it goes last: the tables were ordered under this code page, and every
    // lookup and every text written after the load needs it too.
    std::optional<CodePageScope_t> code_page;
    unsigned code_page_used = kDefaultCodePage;  // the page the texts are read in
    trove::Database_t db;
    trove::DocInfo_t& doc;
    trove::LoadResult_t result;
    trove::LoadNotes_t notes;
};

// Loads options.file ("-": standard input, options.input or std::cin, read in pieces) into
// loaded with options.code_page selected for as long as loaded lives (with --codepage auto, the
// page chosen from the file's texts; without --codepage, a warning when another page looks
// likely). Returns kExitOk
// when it loaded; otherwise writes one line naming the path and the reason (the exception's
// class, source and line) to err and returns kExitNotOpened (also for a folder or a device, for
// standard input that is closed, a folder or a terminal, and, before anything is read, for an
// output that is an input file) or kExitRefused. After a refusal loaded holds whatever was read before it. Exhausted memory
// propagates as std::bad_alloc.
int LoadForTool(const Options_t& options, Loaded_t& loaded, std::ostream& err);

// The data file's name without its folder ("stdin" for "-"), for documents and output names.
std::string FileName(const std::string& file);

}  // namespace tool
