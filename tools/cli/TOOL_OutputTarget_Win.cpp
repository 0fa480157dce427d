#include <windows.h>

#include "tools/cli/TOOL_OutputTarget.h"

namespace tool {

OutputTarget_t ExamineOutput(const std::string& path) {
    OutputTarget_t target;
    target.path = path;
    // Opened for no access at all: enough to tell a disk file from a device or a pipe.
    const HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return target;
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileType(file) != FILE_TYPE_DISK) {
        target.kind = TargetKind_t::Special;
    } else if (!GetFileInformationByHandle(file, &info)) {
        target.kind = TargetKind_t::File;
    } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        target.kind = TargetKind_t::Folder;
    } else {
        target.kind =
            info.dwFileAttributes & FILE_ATTRIBUTE_READONLY ? TargetKind_t::ReadOnlyFile : TargetKind_t::File;
    }
    CloseHandle(file);
    return target;
}

}  // namespace tool
