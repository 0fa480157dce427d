#include <windows.h>

#include "base/BASE_Exception.h"
#include "win/WIN_Exception.h"
#include "win/WIN_FileVerInfo.h"

namespace win {

FileVerInfo_t::FileVerInfo_t(const std::string& file_name) : file_name_(file_name) {
    DWORD ignored = 0;
    DWORD size = ::GetFileVersionInfoSizeA(file_name_.c_str(), &ignored);
    if (size == 0) throw Error_t(TROVIX_SOURCE, __LINE__);
    buffer_.resize(size);
    if (!::GetFileVersionInfoA(file_name_.c_str(), 0, size, buffer_.data()))
        throw Error_t(TROVIX_SOURCE, __LINE__);
}

FileVersion_t FileVerInfo_t::FileVersion() const {
    void* value = nullptr;
    UINT length = 0;
    BOOL found = ::VerQueryValueA(buffer_.data(), "\\", &value, &length);
    // A short fixed part would make the reads below run past it.
    BASE_ASSERT(found && value != nullptr && length >= sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    return FileVersion_t{HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                         HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)};
}

}  // namespace win
