#pragma once
// Owner of one open file handle.
#include <windows.h>

#include <cstdint>
#include <string>

namespace win {

class File_t {
public:
    File_t() = default;
    ~File_t();
    File_t(const File_t&) = delete;
    File_t& operator=(const File_t&) = delete;

    // CreateFileA with these values. Raises FileError_t when the system gives no handle; the object
    // then stays as it was. A file already open is closed once the new one is open.
    void Open(const std::string& path, DWORD desired_access, DWORD creation_disposition,
              DWORD flags_and_attributes, DWORD share_mode, SECURITY_ATTRIBUTES* security = nullptr,
              HANDLE template_file = nullptr);

    // Low 32 bits of the size; files of 4 GB and more are not supported.
    std::uint32_t Size() const;

    // Only for files opened with GENERIC_WRITE (else Assert_t).
    void Flush();

    // Flushes a file opened for writing, then closes it. Does nothing when not open.
    void Close();

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Handle() const { return handle_; }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    DWORD desired_access_ = 0;
};

}  // namespace win
