#pragma once
// A file of GDAL's virtual file system (plain files, /vsimem/, /vsizip/, /vsigzip/,
// /vsistdin/, ...), closed when the object goes.

#include <string>

#include "gdal/GDAL_Api.h"

namespace gdal {

class VsiFile_t {
public:
    explicit VsiFile_t(VSILFILE* file) : file_(file) {}
    ~VsiFile_t() {
        if (file_) VSIFCloseL(file_);
    }
    VsiFile_t(const VsiFile_t&) = delete;
    VsiFile_t& operator=(const VsiFile_t&) = delete;

    VSILFILE* Get() const { return file_; }

private:
    VSILFILE* file_;
};

// Every byte of the file from its start. A read that fails before the end raises
// base::Exception_t ("cannot be read").
std::string ReadWhole(VSILFILE* file, const std::string& name);

}  // namespace gdal
