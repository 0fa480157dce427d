#include "tools/cli/TOOL_Output.h"

#include "tools/cli/TOOL_Exit.h"
#include "tools/cli/TOOL_OutputTarget.h"

namespace tool {

Output_t::Output_t(const std::string& path, std::ostream& standard)
    : path_(path), standard_(standard), buffer_(file_), stream_(&buffer_) {}

bool Output_t::Open(std::string& why) {
    if (Standard()) return true;
    const OutputTarget_t target = ExamineOutput(path_);
    switch (target.kind) {
        case TargetKind_t::Folder:
            why = "a folder";
            return false;
        case TargetKind_t::ReadOnlyFile:
            why = "the file is read-only";
            return false;
        case TargetKind_t::Special:
            return file_.OpenInPlace(target.path);
        case TargetKind_t::Missing:
        case TargetKind_t::File:
            break;
    }
    return file_.CreateBeside(target.path);
}

bool Output_t::Commit() {
    if (Standard()) {
        standard_.flush();
        return !standard_.fail();
    }
    stream_.flush();
    if (stream_.fail()) {
        file_.Discard();
        return false;
    }
    return file_.Finish();
}

std::string Output_t::Name() const {
    return Standard() ? std::string("standard output") : path_;
}

int WriteOutput(const std::string& path, std::ostream& standard, std::ostream& err,
                const std::function<void(std::ostream&)>& write) {
    Output_t output(path, standard);
    std::string why;
    if (!output.Open(why)) {
        err << "trovix: " << output.Name() << ": cannot be written" << (why.empty() ? "" : ": ") << why
            << "\n";
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
