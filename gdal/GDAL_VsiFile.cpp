#include "gdal/GDAL_VsiFile.h"

#include <algorithm>

#include "base/BASE_Exception.h"

namespace gdal {

std::string ReadWhole(VSILFILE* file, const std::string& name) {
    if (VSIFSeekL(file, 0, SEEK_SET) != 0) throw base::Exception_t(TROVIX_SOURCE, __LINE__, "cannot be read");
    std::string bytes;
    // Where the file system knows the size, the file is read at once; a stream (standard input)
    // is read until a read gives nothing.
    VSIStatBufL stat;
    if (!STARTS_WITH(name.c_str(), "/vsistdin/") &&
        VSIStatExL(name.c_str(), &stat, VSI_STAT_SIZE_FLAG) == 0 && stat.st_size > 0) {
        bytes.resize(static_cast<std::size_t>(stat.st_size));
        if (VSIFReadL(&bytes[0], 1, bytes.size(), file) != bytes.size())
            throw base::Exception_t(TROVIX_SOURCE, __LINE__, "cannot be read");
        return bytes;
    }
    constexpr std::size_t kChunk = 1 << 20;
    for (;;) {
        const std::size_t at = bytes.size();
        const std::size_t want = std::max(bytes.capacity() - at, kChunk);
        bytes.resize(at + want);
        const std::size_t got = VSIFReadL(&bytes[at], 1, want, file);
        bytes.resize(at + got);
        if (got == 0) break;
    }
    return bytes;
}

}  // namespace gdal
