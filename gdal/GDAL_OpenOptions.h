#pragma once
// The driver's open options: PARTIAL=YES opens what a damaged file still holds, CODEPAGE names
// the code page of the file's texts as the tool's --codepage does (a number, a name or auto).
#include <string>

#include "gdal/GDAL_Api.h"

namespace gdal {

struct OpenOptions_t {
    bool partial = false;
    unsigned code_page = 1252;
    bool code_page_given = false;  // CODEPAGE: no warning of another likely page
    bool code_page_auto = false;   // CODEPAGE=auto: chosen from the file's texts
};

// The options as GDAL lists them in the driver's metadata (GDAL_DMD_OPENOPTIONLIST).
std::string OpenOptionList();

// Reads the options given to an open; an unknown code page raises gdal::OpenError_t with the
// tool's words.
OpenOptions_t ReadOpenOptions(CSLConstList options);

}  // namespace gdal
