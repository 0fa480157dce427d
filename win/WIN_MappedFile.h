#pragma once
// Owner of one file-mapping handle.
#include <windows.h>

namespace win {

class File_t;

class MappedFile_t {
public:
    MappedFile_t() = default;
    ~MappedFile_t();
    MappedFile_t(const MappedFile_t&) = delete;
    MappedFile_t& operator=(const MappedFile_t&) = delete;

    // CreateFileMappingA on the file's handle. Raises MappedFileError_t when the system gives no
    // mapping (an empty file cannot be mapped); the mapping held before then stays.
    void Create(const File_t& file, SECURITY_ATTRIBUTES* security, DWORD protection, DWORD maximum_size_high,
                DWORD maximum_size_low, const char* name);

    // Releases the mapping, if any.
    void Close();

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Handle() const { return handle_; }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace win
