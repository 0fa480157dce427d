#pragma once
// The outputs one run of -d DIR has made, known by their files' identities: two FILEs whose
// output names the file system does not tell apart (by case, on Windows) never share one file.
#include <set>
#include <string>

#include "tools/cli/TOOL_FileId.h"

namespace tool {

class WrittenOutputs_t {
public:
    // True when path reaches a file noted before.
    bool Taken(const std::string& path) const;
    // Notes the file at path, when there is one.
    void Note(const std::string& path);

private:
    std::set<FileId_t> files_;
};

}  // namespace tool
