#pragma once
// The exit codes of the tool's commands.

namespace tool {

constexpr int kExitOk = 0;
constexpr int kExitNotOpened = 1;    // also wrong arguments, a folder or a device for FILE
constexpr int kExitRefused = 2;      // read but refused: bad structure, newer version, any exception
constexpr int kExitNotWritten = 3;   // the output could not be written whole
constexpr int kExitOutOfMemory = 4;  // memory ran out

}  // namespace tool
