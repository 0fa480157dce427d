#include "tools/cli/TOOL_Output.h"

#include <cstdio>

#include "tools/cli/TOOL_Exit.h"
#include "tools/cli/TOOL_TempFile.h"

namespace tool {

Output_t::Output_t(const std::string& path, std::ostream& standard) : path_(path), standard_(standard) {}

Output_t::~Output_t() { Discard(); }

bool Output_t::Open() {
    if (path_.empty()) return true;
    temporary_ = MakeFileBeside(path_);
    if (temporary_.empty()) return false;
    file_.open(temporary_, std::ios_base::binary | std::ios_base::trunc);
    if (file_) return true;
    Discard();
    return false;
}

bool Output_t::Commit() {
    if (path_.empty()) {
        standard_.flush();
        return !standard_.fail();
    }
    file_.close();
    if (file_.fail() || !MoveOver(temporary_, path_)) {
        Discard();
        return false;
    }
    temporary_.clear();
    return true;
}

std::string Output_t::Name() const { return path_.empty() ? std::string("standard output") : path_; }

void Output_t::Discard() {
    if (temporary_.empty()) return;
    if (file_.is_open()) file_.close();
    std::remove(temporary_.c_str());
    temporary_.clear();
}

int WriteOutput(const std::string& path, std::ostream& standard, std::ostream& err,
                const std::function<void(std::ostream&)>& write) {
    Output_t output(path, standard);
    if (!output.Open()) {
        err << "trovix: " << output.Name() << ": cannot be written\n";
        return kExitNotWritten;
    }
    write(output.Stream());
    if (!output.Commit()) {
        err << "trovix: " << output.Name() << ": cannot be written\n";
        return kExitNotWritten;
    }
    return kExitOk;
}

}  // namespace tool
