#include "tools/cli/TOOL_WrittenOutputs.h"

#include <optional>

namespace tool {

bool WrittenOutputs_t::Taken(const std::string& path) const {
    const std::optional<FileId_t> id = IdentityOf(path);
    return id && files_.count(*id) != 0;
}

void WrittenOutputs_t::Note(const std::string& path) {
    if (const std::optional<FileId_t> id = IdentityOf(path)) files_.insert(*id);
}

}  // namespace tool
