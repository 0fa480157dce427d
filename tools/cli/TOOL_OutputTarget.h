#pragma once
// What stands at OUT before a command writes there, and so how it is written.
#include <string>

namespace tool {

enum class TargetKind_t {
    Missing,       // nothing: a new file is made
    File,          // a file, replaced whole
    ReadOnlyFile,  // a file marked read-only: left alone
    Folder,        // left alone
    Special,       // a device, a pipe, a socket: written in place, as the shell's `>` does
};

struct OutputTarget_t {
    TargetKind_t kind = TargetKind_t::Missing;
    std::string path;  // OUT with its symbolic links followed: the file replaced
};

OutputTarget_t ExamineOutput(const std::string& path);

}  // namespace tool
