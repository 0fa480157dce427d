#include "base/BASE_Exception.h"
#include "win/WIN_Exception.h"
#include "win/WIN_File.h"

namespace win {

File_t::~File_t() {
    try {
        Close();
    } catch (...) {
        // A destructor never raises; the handle is released below all the same.
    }
    if (IsOpen()) ::CloseHandle(handle_);
}

void File_t::Open(const std::string& path, DWORD desired_access, DWORD creation_disposition,
                  DWORD flags_and_attributes, DWORD share_mode, SECURITY_ATTRIBUTES* security,
                  HANDLE template_file) {
    HANDLE handle = ::CreateFileA(path.c_str(), desired_access, share_mode, security, creation_disposition,
                                  flags_and_attributes, template_file);
    if (handle == INVALID_HANDLE_VALUE) throw FileError_t(TROVIX_SOURCE, __LINE__);
    if (IsOpen()) {
        // The file open before goes to a temporary owner that closes it (flushing what was written)
        // at the end of this block, so that its handle cannot leak.
        File_t previous;
        previous.handle_ = handle_;
        previous.desired_access_ = desired_access_;
    }
    handle_ = handle;
    desired_access_ = desired_access;
}

std::uint32_t File_t::Size() const {
    DWORD size = ::GetFileSize(handle_, nullptr);
    if (size == INVALID_FILE_SIZE) throw FileError_t(TROVIX_SOURCE, __LINE__);
    return size;
}

void File_t::Flush() {
    BASE_ASSERT(IsOpen() && (desired_access_ & GENERIC_WRITE) != 0);
    if (!::FlushFileBuffers(handle_)) throw FileError_t(TROVIX_SOURCE, __LINE__);
}

void File_t::Close() {
    if (!IsOpen()) return;
    if (desired_access_ & GENERIC_WRITE) Flush();
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (!::CloseHandle(handle)) throw FileError_t(TROVIX_SOURCE, __LINE__);
}

}  // namespace win
