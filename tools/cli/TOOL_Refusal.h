#pragma once
// A refused data file and a dropped record in the user's words: what is wrong in terms of the
// file (not a data file, empty, cut short at byte N, damaged at byte N), never the code's.
#include <exception>
#include <ostream>
#include <string>

#include "tools/cli/TOOL_FileFacts.h"
#include "tools/cli/TOOL_Load.h"
#include "trove/TROVE_Load.h"
#include "trove/TROVE_LoadNote.h"

namespace tool {

// What is wrong with a file whose load ended in error (the load's bad structure or another
// exception of the readers), for example "not a Terrabook data file (.tbk): its first bytes
// are those of a GPX file" or "damaged at byte 210 (record 3, W): a waypoint that cannot be
// read". notes: the load's notes, with the place of the fault.
std::string ExplainRefusal(const std::exception& error, trove::FileFormat_t format,
                           const trove::LoadNotes_t& notes, const FileFacts_t& facts);

// One line for a record the load dropped; a record cut short by the end of the file says
// where the file ends, as a refusal does.
std::string ExplainNote(const trove::LoadNote_t& note, trove::FileFormat_t format);

// " [<class> at <source> line <line>]": the exception's identity for a bug report (--debug).
std::string DebugIdentity(const std::exception& error);

// The one line of a refused load on err: "trovix: FILE: " and what is wrong, a hint to --partial
// where something was read before the fault and the command takes it, and with --debug the
// exception. facts: the file's size and first bytes.
void ReportRefusal(const Options_t& options, const model::File_t& loaded, const std::exception& error,
                   const FileFacts_t& facts, std::ostream& err);

// A line on err for each record the load dropped, its texts as UTF-8 of the options' code page;
// none for a refused file without the data file's header.
void ReportNotes(const Options_t& options, const model::File_t& loaded, std::ostream& err);

}  // namespace tool
