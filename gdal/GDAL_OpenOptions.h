#pragma once
// The driver's open options: PARTIAL=YES opens what a damaged file still holds, CODEPAGE names
// the code page of the file's texts as the tool's --codepage does.
#include "gdal/GDAL_Api.h"

namespace gdal {

struct OpenOptions_t {
    bool partial = false;
    unsigned code_page = 1252;
};

// The options as GDAL lists them in its metadata (GDAL_DMD_OPENOPTIONLIST).
extern const char kOpenOptionList[];

// Reads the options given to an open; an unknown code page raises gdal::OpenError_t with the
// tool's message.
OpenOptions_t ReadOpenOptions(CSLConstList options);

}  // namespace gdal
