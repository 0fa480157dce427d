#pragma once
// Where a command writes: standard output, or the file OUT. A file is written beside OUT under a
// temporary name and put in OUT's place only once it is whole, so a failure leaves OUT as it was.
#include <fstream>
#include <functional>
#include <ostream>
#include <string>

namespace tool {

class Output_t {
public:
    // path empty: the standard output stream given.
    Output_t(const std::string& path, std::ostream& standard);
    // A file not committed is removed.
    ~Output_t();
    Output_t(const Output_t&) = delete;
    Output_t& operator=(const Output_t&) = delete;

    // Makes the temporary file; false when it cannot be made. Standard output needs nothing.
    bool Open();
    std::ostream& Stream() { return path_.empty() ? standard_ : file_; }
    // Flushes, and for a file closes it and moves it over OUT. False when any write, the flush,
    // the close or the move failed; a file is then removed.
    bool Commit();
    // "standard output" or the path, for messages.
    std::string Name() const;

private:
    void Discard();

    std::string path_;
    std::ostream& standard_;
    std::string temporary_;
    std::ofstream file_;
};

// Opens path (empty: standard), lets write fill the stream and commits it. kExitOk, or
// kExitNotWritten with a line naming the output on err. Exceptions of write propagate, and
// a file begun is removed.
int WriteOutput(const std::string& path, std::ostream& standard, std::ostream& err,
                const std::function<void(std::ostream&)>& write);

}  // namespace tool
