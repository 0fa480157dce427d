#include "base/BASE_Exception.h"
#include "win/WIN_Exception.h"
#include "win/WIN_MappedFile.h"
#include "win/WIN_MappedFileView.h"

namespace win {

MappedFileView_t::~MappedFileView_t() {
    if (base_ != nullptr) ::UnmapViewOfFile(base_);
}

void MappedFileView_t::Map(const MappedFile_t& mapping, DWORD desired_access, DWORD offset_high,
                           DWORD offset_low, std::size_t bytes_to_map) {
    BASE_ASSERT(base_ == nullptr);
    void* base = ::MapViewOfFile(mapping.Handle(), desired_access, offset_high, offset_low, bytes_to_map);
    if (base == nullptr) throw Error_t(TROVIX_SOURCE, __LINE__);
    base_ = base;
}

void MappedFileView_t::Unmap() {
    if (base_ == nullptr) return;
    if (!::UnmapViewOfFile(base_)) throw Error_t(TROVIX_SOURCE, __LINE__);
    base_ = nullptr;
}

std::size_t MappedFileView_t::Extent() const {
    if (base_ == nullptr) return 0;
    MEMORY_BASIC_INFORMATION info = {};
    if (::VirtualQuery(base_, &info, sizeof info) != sizeof info) throw Error_t(TROVIX_SOURCE, __LINE__);
    return info.RegionSize;
}

}  // namespace win
