#include <sys/stat.h>
#include <unistd.h>

#include "tools/cli/TOOL_FileId.h"

namespace tool {

namespace {

FileId_t IdentityFrom(const struct stat& status) {
    return FileId_t{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace

std::optional<FileId_t> IdentityOf(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0) return std::nullopt;
    return IdentityFrom(status);
}

std::optional<FileId_t> IdentityOfStandardInput() {
    struct stat status;
    if (fstat(STDIN_FILENO, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return IdentityFrom(status);
}

}  // namespace tool
