#pragma once
// `trovix dump FILE`: loads the file into a database made as the import makes it and prints
// the JSON of what was read.
#include <functional>
#include <ostream>
#include <string>

// Declared only: the database's header must not reach files that include <cmath> after this one
// (glibc's jnl() clashes with the journal's namespace).
namespace trove {
class Database_t;
class DocInfo_t;
struct LoadResult_t;
}  // namespace trove

namespace tool {

constexpr int kExitOk = 0;
constexpr int kExitNotOpened = 1;  // also wrong arguments
constexpr int kExitRefused = 2;    // read but refused: bad structure, newer version, any exception

// Writes the JSON to out on success; on failure one line naming the path (and the exception's
// class, source and line) to err. Returns the exit code.
int Dump(const std::string& path, std::ostream& out, std::ostream& err);

// What a command prints of a loaded file, written to a buffer first.
using LoadedWriter_t = std::function<void(std::ostream& out, const trove::Database_t& db,
                                          const trove::DocInfo_t& doc, const trove::LoadResult_t& result)>;

// Dump's loading and error reporting with another writer: the commands that read a file all
// answer a bad one alike.
int LoadAndWrite(const std::string& path, std::ostream& out, std::ostream& err, const LoadedWriter_t& write);

}  // namespace tool
