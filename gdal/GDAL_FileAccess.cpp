#include "gdal/GDAL_FileAccess.h"

namespace gdal {

std::mutex& FileLock() {
    static std::mutex lock;
    return lock;
}

}  // namespace gdal
