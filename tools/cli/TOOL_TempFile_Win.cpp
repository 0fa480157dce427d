#include "tools/cli/TOOL_TempFile.h"

#include <windows.h>

#include <string>

namespace tool {

std::string MakeFileBeside(const std::string& target) {
    const std::string::size_type slash = target.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string path = folder + "~" + name + "." + std::to_string(GetCurrentProcessId()) + "." +
                                 std::to_string(attempt) + ".tmp";
        // CREATE_NEW: a name some other file has is never taken over.
        const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return path;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) break;
    }
    return std::string();
}

bool MoveOver(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace tool
