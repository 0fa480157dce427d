#pragma once
// The options of the tool's commands: FILE [-o OUT] [--codepage CP] [--partial] [--category TEXT]
// [--track-points], or FILE... -d DIR, in any order. FILE "-" is standard input.
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tool {

constexpr unsigned kDefaultCodePage = 1252;
extern const char kDefaultCategory[];  // "Unfiled", the host's first category

struct Options_t {
    std::string file;
    std::vector<std::string> files;  // every FILE given; `file` is the one a command works on
    std::string output;              // empty: standard output
    std::string directory;           // -d DIR: one output per FILE there
    unsigned code_page = kDefaultCodePage;
    bool code_page_given = false;  // --codepage: no warning of another likely page
    bool code_page_auto = false;   // --codepage auto: chosen from the file's texts
    bool partial = false;
    bool help = false;
    std::string category = kDefaultCategory;
    bool track_points = false;
    std::istream* input = nullptr;  // where FILE "-" is read from; null: std::cin
    // The data file's bytes, already in memory (the browser's page hands them over): FILE then
    // only names it, and nothing is read from the file system.
    std::optional<std::string_view> bytes;
};

// Which options beside FILE, --codepage and --help a command takes.
struct Accepts_t {
    bool output = false;        // -o OUT
    bool partial = false;       // --partial
    bool category = false;      // --category TEXT
    bool track_points = false;  // --track-points
};

// Parses the arguments after the command's name. False with a one-line reason for options the
// command does not accept, an option given twice, a missing value, an unknown code page (a number, a name or auto), no
// FILE, more than one FILE without -d, or -o with -d (--help needs no FILE). Every command that
// writes takes -d DIR.
bool ParseOptions(const std::vector<std::string>& args, const Accepts_t& accepts, Options_t& options,
                  std::string& error);

}  // namespace tool
