#include "gdal/GDAL_VsiFile.h"

#include <algorithm>

#include "base/BASE_Exception.h"

namespace gdal {

std::string ReadWhole(VSILFILE* file, const std::string& name) {
    if (VSIFSeekL(file, 0, SEEK_SET) != 0) throw base::Exception_t(TROVIX_SOURCE, __LINE__, "cannot be read");
    std::string bytes;
    // The size, where the file system knows it, saves the string's growth; a stream (standard
    // input, a compressed file) is read until it ends.
    VSIStatBufL stat;
    if (VSIStatExL(name.c_str(), &stat, VSI_STAT_SIZE_FLAG) == 0 && stat.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(stat.st_size) + 1);
    constexpr std::size_t kChunk = 1 << 20;
    for (;;) {
        const std::size_t at = bytes.size();
        const std::size_t want = bytes.capacity() > at ? std::max(bytes.capacity() - at, kChunk) : kChunk;
        bytes.resize(at + want);
        const std::size_t got = VSIFReadL(&bytes[at], 1, want, file);
        bytes.resize(at + got);
        if (got < want) break;
    }
    if (!VSIFEofL(file)) throw base::Exception_t(TROVIX_SOURCE, __LINE__, "cannot be read");
    return bytes;
}

}  // namespace gdal
