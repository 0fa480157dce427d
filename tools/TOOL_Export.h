#pragma once
// The commands that convert a data file into another format (`trovix gpx FILE [-o OUT]
// [--codepage CP] [--partial]`, `trovix html ...`): load, then one writer walks the database
// into the output.
#include <cstddef>
#include <ostream>
#include <string>

#include "tools/TOOL_Exit.h"
#include "tools/TOOL_Options.h"

namespace trove {
class Database_t;
class DocInfo_t;
struct LoadResult_t;
}  // namespace trove

namespace tool {

// What a writer gets: the loaded file and how to write it.
struct ExportInput_t {
    const trove::Database_t& db;
    const trove::DocInfo_t& doc;
    const trove::LoadResult_t& result;
    std::string file_name;  // the data file's name without its folder
    const Options_t& options;
};

// Writes the whole document to out, texts converted from options.code_page to UTF-8. Returns
// how many characters were replaced by U+FFFD.
using ExportWriter_t = std::size_t (*)(std::ostream& out, const ExportInput_t& input);

// Writes the file's document to out (or options.output). On standard error: one line per note
// of what the load dropped, the count of characters replaced by U+FFFD when there were any, and
// for a failure the one line naming the reason; with --partial a refused file still gives the
// document of what was read before the fault. Returns the exit code.
int Export(ExportWriter_t writer, const Options_t& options, std::ostream& out, std::ostream& err);

// The formats.
std::size_t WriteGpxDocument(std::ostream& out, const ExportInput_t& input);
std::size_t WriteKmlDocument(std::ostream& out, const ExportInput_t& input);
std::size_t WriteGeoJsonDocument(std::ostream& out, const ExportInput_t& input);
// One row per waypoint, or with options.track_points one per track point.
std::size_t WriteCsvDocument(std::ostream& out, const ExportInput_t& input);
// One HTML5 page: a map, elevation profiles and tables (TOOL_HtmlWriter.cpp).
std::size_t WriteHtmlDocument(std::ostream& out, const ExportInput_t& input);

}  // namespace tool
