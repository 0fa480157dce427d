#include "win/WIN_Exception.h"
#include "win/WIN_File.h"
#include "win/WIN_MappedFile.h"

namespace win {

MappedFile_t::~MappedFile_t() {
    Close();
}

void MappedFile_t::Create(const File_t& file, SECURITY_ATTRIBUTES* security, DWORD protection,
                          DWORD maximum_size_high, DWORD maximum_size_low, const char* name) {
    HANDLE handle =
        ::CreateFileMappingA(file.Handle(), security, protection, maximum_size_high, maximum_size_low, name);
    if (handle == nullptr) throw MappedFileError_t(TROVIX_SOURCE, __LINE__);
    if (handle != handle_) {
        Close();
        handle_ = handle;
    }
}

void MappedFile_t::Close() {
    if (!IsOpen()) return;
    ::CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

}  // namespace win
