#pragma once
// The options of the tool's commands: FILE [-o OUT] [--codepage CP] [--partial] [--debug] and the
// format's own options (TOOL_Registry.h), or FILE... -d DIR [-j N], in any order. FILE "-" is
// standard input.
#include <istream>
#include <string>
#include <vector>

#include "tools/formats/TOOL_Registry.h"

namespace tool {

constexpr unsigned kDefaultCodePage = 1252;

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
    bool debug = false;             // --debug: errors name the exception for a bug report
    bool partial_offered = false;   // the command takes --partial, so a refusal may suggest it
    unsigned jobs = 0;              // -j N: files converted at a time with -d; 0: one per core
    FormatOptions_t format;         // the format's own options
    std::istream* input = nullptr;  // where FILE "-" is read from; null: std::cin
};

// The options part of the help: the lines of the options format takes (all of them for the
// tool's own --help: format null), then the exit statuses.
std::string OptionsHelp(const Format_t* format);

// Parses the arguments after the command's name. False with a one-line reason for options the
// format does not take, an option given twice, a missing value, an unknown code page (a number,
// a name or auto), a -j that is no number from 1, no FILE, more than one FILE without -d, or -o
// with -d (--help needs no FILE). Every command takes -d DIR and -j N.
bool ParseOptions(const std::vector<std::string>& args, const Format_t& format, Options_t& options,
                  std::string& error);

}  // namespace tool
