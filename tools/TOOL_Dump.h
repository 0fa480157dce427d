#pragma once
// `trovix dump FILE`: loads the file into a database made as the import makes it and prints
// the JSON of what was read.
#include <ostream>
#include <string>

namespace tool {

constexpr int kExitOk = 0;
constexpr int kExitNotOpened = 1;  // also wrong arguments
constexpr int kExitRefused = 2;    // read but refused: bad structure, newer version, any exception

// Writes the JSON to out on success; on failure one line naming the path (and the exception's
// class, source and line) to err. Returns the exit code.
int Dump(const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace tool
