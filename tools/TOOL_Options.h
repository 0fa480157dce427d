#pragma once
// The options of the tool's commands: FILE [-o OUT] [--codepage CP] [--partial] [--category TEXT]
// [--track-points] [--keep-formulas] [--debug], or FILE... -d DIR, in any order. FILE "-" is standard input.
#include <istream>
#include <string>
#include <vector>

namespace tool {

constexpr unsigned kDefaultCodePage = 1252;
extern const char kDefaultCategory[];  // "Unfiled", the host's first category

struct Options_t {
    std::string file;
    std::vector<std::string> files;  // every FILE given; `file` is the one a command works on
    std::string output;              // empty or "-": standard output
    std::string directory;           // -d DIR: one output per FILE there
    unsigned code_page = kDefaultCodePage;
    bool code_page_given = false;  // --codepage: no warning of another likely page
    bool code_page_auto = false;   // --codepage auto: chosen from the file's texts
    bool partial = false;
    bool help = false;
    std::string category = kDefaultCategory;
    bool track_points = false;
    bool debug = false;             // --debug: errors name the exception for a bug report
    bool partial_offered = false;   // the command takes --partial, so a refusal may suggest it
    bool keep_formulas = false;     // csv: texts that look like formulas kept byte for byte
    std::istream* input = nullptr;  // where FILE "-" is read from; null: std::cin
};

// Which options beside FILE, -d, --codepage, --debug and --help a command takes.
struct Accepts_t {
    bool output = false;        // -o OUT
    bool partial = false;       // --partial
    bool category = false;      // --category TEXT
    bool track_points = false;  // --track-points
    bool keep_formulas = false;  // --keep-formulas
};

// The options part of the help: the lines of the options accepts names (all of them for the
// tool's own --help: every member true), then the exit statuses.
std::string OptionsHelp(const Accepts_t& accepts);

// Parses the arguments after the command's name. False with a one-line reason for options the
// command does not accept, an option given twice, a missing value, an unknown code page (a number, a name or auto), no
// FILE, more than one FILE without -d, or -o with -d (--help needs no FILE). Every command that
// writes takes -d DIR.
bool ParseOptions(const std::vector<std::string>& args, const Accepts_t& accepts, Options_t& options,
                  std::string& error);

}  // namespace tool
