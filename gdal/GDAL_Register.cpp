// The plugin's entry point, called by GDAL once when it loads gdal_Terrabook.so.

#include "gdal/GDAL_Api.h"
#include "gdal/GDAL_Driver.h"

// The tests build a second plugin that claims another GDAL, to see the check refuse it.
#ifndef TROVIX_GDAL_BUILT_FOR_MINOR
#define TROVIX_GDAL_BUILT_FOR_MINOR GDAL_VERSION_MINOR
#endif

extern "C" __attribute__((visibility("default"))) void GDALRegister_Terrabook() {
    // The classes the driver derives from change their layout between GDAL versions: loaded into
    // another one it would misread them. GDAL's check reports the mismatch as an error.
    if (!GDALCheckVersion(GDAL_VERSION_MAJOR, TROVIX_GDAL_BUILT_FOR_MINOR,
                          "Terrabook driver (gdal_Terrabook.so)"))
        return;
    gdal::RegisterDriver();
}
