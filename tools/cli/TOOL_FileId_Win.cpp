#include <windows.h>

#include "tools/cli/TOOL_FileId.h"

namespace tool {

namespace {

std::optional<FileId_t> IdentityFrom(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info)) return std::nullopt;
    return FileId_t{info.dwVolumeSerialNumber,
                    (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

}  // namespace

std::optional<FileId_t> IdentityOf(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    const std::optional<FileId_t> id = IdentityFrom(file);
    CloseHandle(file);
    return id;
}

std::optional<FileId_t> IdentityOfStandardInput() {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    if (input == nullptr || input == INVALID_HANDLE_VALUE) return std::nullopt;
    return IdentityFrom(input);
}

}  // namespace tool
