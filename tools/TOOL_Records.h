#pragma once
// `trovix records FILE [--category TEXT]`: loads the file as `dump` does and prints the JSON of
// the handheld records the import would make of its class-0 waypoints, in table order.
#include <ostream>
#include <string>
#include <vector>

namespace tool {

extern const char kDefaultCategory[];  // "Unfiled"

struct RecordsArgs_t {
    std::string path;
    std::string category = kDefaultCategory;
};

// True when args (without the program name) are "records FILE", with "--category TEXT" before
// or after FILE at most once.
bool ParseRecordsArgs(const std::vector<std::string>& args, RecordsArgs_t& parsed);

// Exit codes and error lines as Dump's.
int Records(const RecordsArgs_t& args, std::ostream& out, std::ostream& err);

}  // namespace tool
