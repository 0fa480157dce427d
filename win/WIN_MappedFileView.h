#pragma once
// Owner of one mapped view of a file mapping.
#include <windows.h>

#include <cstddef>

namespace win {

class MappedFile_t;

class MappedFileView_t {
public:
    MappedFileView_t() = default;
    ~MappedFileView_t();
    MappedFileView_t(const MappedFileView_t&) = delete;
    MappedFileView_t& operator=(const MappedFileView_t&) = delete;

    // MapViewOfFile; a view already mapped raises Assert_t, a refused view Error_t.
    void Map(const MappedFile_t& mapping, DWORD desired_access, DWORD offset_high, DWORD offset_low,
             std::size_t bytes_to_map);

    // UnmapViewOfFile when mapped; failure raises Error_t.
    void Unmap();

    // The mapped bytes, null when nothing is mapped.
    const void* Base() const { return base_; }
    void* Base() { return base_; }

    // Bytes that may be read from Base(): the view's extent in whole pages (0 when not mapped).
    std::size_t Extent() const;

private:
    void* base_ = nullptr;
};

}  // namespace win
