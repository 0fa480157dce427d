#pragma once
// Where a command writes: standard output (no OUT, or OUT "-"), or the file OUT. A file is
// written beside OUT under a temporary name and put in OUT's place only once it is whole and on
// the disk, so a failure leaves OUT as it was; a symbolic link is followed and the file it
// points to replaced. A device, a pipe or a socket at OUT is written in place, as the shell's
// `>` writes it. A folder and a file marked read-only are left alone.
#include <functional>
#include <ostream>
#include <string>

#include "tools/cli/TOOL_OutBuf.h"
#include "tools/cli/TOOL_TempFile.h"

namespace tool {

class Output_t {
public:
    Output_t(const std::string& path, std::ostream& standard);
    Output_t(const Output_t&) = delete;
    Output_t& operator=(const Output_t&) = delete;

    // Opens what is written. False when it cannot be, with the reason (may be empty) in why.
    bool Open(std::string& why);
    std::ostream& Stream() { return Standard() ? standard_ : stream_; }
    // Flushes, and for a file finishes it. False when any write or step failed; a new file
    // is then removed. Destroyed without a commit, a new file is removed too.
    bool Commit();
    // "standard output" or the path, for messages.
    std::string Name() const;

private:
    bool Standard() const { return path_.empty() || path_ == "-"; }

    std::string path_;
    std::ostream& standard_;
    OutFile_t file_;
    OutBuf_t buffer_;
    std::ostream stream_;
};

// Opens path (empty or "-": standard), lets write fill the stream and commits it. kExitOk, or
// kExitNotWritten with a line naming the output on err. Exceptions of write propagate, and
// a file begun is removed.
int WriteOutput(const std::string& path, std::ostream& standard, std::ostream& err,
                const std::function<void(std::ostream&)>& write);

}  // namespace tool
