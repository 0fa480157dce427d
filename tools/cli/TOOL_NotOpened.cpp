#include "tools/cli/TOOL_NotOpened.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace tool {

std::string WhyNotOpened(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code code;
    const fs::file_status status = fs::status(path, code);
    if (status.type() == fs::file_type::not_found) return "no such file";
    if (fs::is_directory(status)) return "a folder, not a file";
    // A device may never end, and is refused before anything is read.
    if (fs::is_character_file(status) || fs::is_block_file(status)) return "a device, not a data file";
    return std::string();
}

std::string WhyOpeningFailed(const std::string& path) {
    const std::string named = WhyNotOpened(path);
    if (!named.empty()) return named;
    errno = 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    const int error = file ? 0 : errno;
    if (error == ENOENT) return "no such file";
    if (error == EACCES || error == EPERM) return "permission denied";
    if (error == EISDIR) return "a folder, not a file";
    if (error != 0) return std::strerror(error);
    return "the system refused to open it";
}

}  // namespace tool
