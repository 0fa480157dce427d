#pragma once
// The driver: its metadata, and the two calls GDAL makes of it for every file it tries.
#include "gdal/GDAL_Api.h"

namespace gdal {

// Registers the driver with GDAL's driver manager, once.
void RegisterDriver();

// TRUE when the file's first bytes make it a data file (GDAL_Identify.h).
int Identify(GDALOpenInfo* info);

// The data file as a dataset of five layers; null, with an error, when it is not one or cannot
// be read.
GDALDataset* Open(GDALOpenInfo* info);

}  // namespace gdal
