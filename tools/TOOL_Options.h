#pragma once
// The options of the tool's commands: FILE [-o OUT] [--codepage CP] [--partial], in any order.
#include <string>
#include <vector>

namespace tool {

constexpr unsigned kDefaultCodePage = 1252;

struct Options_t {
    std::string file;
    std::string output;  // empty: standard output
    unsigned code_page = kDefaultCodePage;
    bool partial = false;
    bool help = false;
};

// Parses the arguments after the command's name; -o only where with_output. False with a
// one-line reason for unknown options, a missing value, an unknown code page or not exactly
// one FILE (--help needs no FILE).
bool ParseOptions(const std::vector<std::string>& args, bool with_output, Options_t& options,
                  std::string& error);

}  // namespace tool
