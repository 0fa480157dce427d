#include <windows.h>

#include <string>

#include "tools/cli/TOOL_TempFile.h"

namespace tool {

namespace {

// The new file to remove should the console end the run (Ctrl+C, Ctrl+Break, closing it). The
// handler runs on a thread of its own; the file is opened for deletion by others, so deleting
// it here takes effect as the process ends.
char g_pending[MAX_PATH * 4];
volatile LONG g_has_pending = 0;

BOOL WINAPI RemovePending(DWORD) {
    if (g_has_pending) DeleteFileA(g_pending);
    return FALSE;  // and the process ends as it would have
}

void SetPending(const std::string& path) {
    InterlockedExchange(&g_has_pending, 0);
    if (path.size() >= sizeof g_pending) return;
    path.copy(g_pending, path.size());
    g_pending[path.size()] = '\0';
    InterlockedExchange(&g_has_pending, 1);
}

HANDLE Handle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

OutFile_t::~OutFile_t() {
    Discard();
}

bool OutFile_t::OpenInPlace(const std::string& path) {
    Discard();
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    handle_ = reinterpret_cast<std::intptr_t>(file);
    return true;
}

bool OutFile_t::CreateBeside(const std::string& target) {
    Discard();
    static bool watching = false;
    if (!watching) watching = SetConsoleCtrlHandler(RemovePending, TRUE) != 0;
    const std::string::size_type slash = target.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string path = folder + "~" + name + "." + std::to_string(GetCurrentProcessId()) + "." +
                                 std::to_string(attempt) + ".tmp";
        // CREATE_NEW: a name some other file has is never taken over.
        const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            handle_ = reinterpret_cast<std::intptr_t>(file);
            temporary_ = path;
            target_ = target;
            SetPending(path);
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) break;
    }
    return false;
}

bool OutFile_t::Write(const char* data, std::size_t size) {
    while (size > 0) {
        const DWORD piece = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(Handle(handle_), data, piece, &written, nullptr) || written == 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

bool OutFile_t::Finish() {
    if (handle_ == -1) return false;
    const HANDLE file = Handle(handle_);
    handle_ = -1;
    if (temporary_.empty()) return CloseHandle(file) != 0;
    bool ok = FlushFileBuffers(file) != 0;
    ok = CloseHandle(file) != 0 && ok;
    if (!ok || !MoveFileExA(temporary_.c_str(), target_.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Discard();
        return false;
    }
    InterlockedExchange(&g_has_pending, 0);
    temporary_.clear();
    return true;
}

void OutFile_t::Discard() {
    if (handle_ != -1) CloseHandle(Handle(handle_));
    handle_ = -1;
    if (temporary_.empty()) return;
    InterlockedExchange(&g_has_pending, 0);
    DeleteFileA(temporary_.c_str());
    temporary_.clear();
}

}  // namespace tool
