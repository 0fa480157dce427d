#pragma once
// Loading a data file into a database, without any user interface: the caller (the add-in's
// import command, the command-line tool) decides what to show for each outcome.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "trove/TROVE_DocInfo.h"
#include "trove/TROVE_Exception.h"
#include "trove/TROVE_LoadNote.h"
#include "trove/TROVE_WaypointId.h"
#include "trove/bin/BIN_IStream.h"

namespace trove {

class Database_t;

enum class LoadOutcome_t {
    NotOpened,     // the file could not be opened as a stream
    Newer,         // current format, but format version above 100 or data version above 105
    BadStructure,  // trove::BadStream_t from the header or a reader; `error` holds it
    Loaded,        // a reader ran to its end and the change set was closed
};

enum class FileFormat_t { Unknown, Current, Legacy };

struct LoadResult_t {
    LoadOutcome_t outcome = LoadOutcome_t::NotOpened;
    FileFormat_t format = FileFormat_t::Unknown;  // known once the header was read
    std::optional<BadStream_t> error;             // set for BadStructure
    // Waypoints the current-format reader filed under new names, old -> new, in order.
    std::vector<std::pair<WaypointId_t, WaypointId_t>> renamed;
};

// The header into doc, then the reader it calls for, over any stream of a file's bytes: the
// load without its outcomes. Sets result.format and result.renamed, and the outcome Newer (with
// no reader run) for a newer file; trove::BadStream_t propagates and the change set stays open.
void ReadDataFile(bin::istream& file, Database_t& db, DocInfo_t& doc, LoadNotes_t* notes, LoadResult_t& result);

// Opens path as a binary file stream, reads the header into doc, refuses newer versions, runs
// the current-format or the legacy reader and closes the database's change set.
// Whatever a reader inserted before a failure stays in db. Exceptions other than
// trove::BadStream_t (key clashes, base::OutOfRange_t, base::Assert_t, ...) propagate.
// With notes, the readers note there each record they drop without failing, also when they
// fail later.
LoadResult_t LoadFile(const std::string& path, Database_t& db, DocInfo_t& doc = TheDocInfo(),
                      LoadNotes_t* notes = nullptr);

// The same over any stream of a file's bytes (standard input read in pieces).
LoadResult_t LoadStream(bin::istream& file, Database_t& db, DocInfo_t& doc = TheDocInfo(),
                        LoadNotes_t* notes = nullptr);

// The same for a file's bytes already in memory (standard input, a fuzzer's input), read in
// place. Never NotOpened.
LoadResult_t LoadBytes(std::string_view bytes, Database_t& db, DocInfo_t& doc = TheDocInfo(),
                       LoadNotes_t* notes = nullptr);

}  // namespace trove
