#pragma once
// The exit codes of the tool's commands.

namespace tool {

constexpr int kExitOk = 0;
constexpr int kExitNotOpened = 1;  // also wrong arguments
constexpr int kExitRefused = 2;    // read but refused: bad structure, newer version, any exception

}  // namespace tool
