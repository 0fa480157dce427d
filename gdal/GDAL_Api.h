#pragma once
// GDAL's headers, for every file of the driver: include this first. GDAL's headers bring in the
// C library's <math.h>, which declares a function jnl, the name of the journal's namespace; it
// is declared under another name here, before anything else includes <math.h>.
#if defined(_MATH_H)
#error "gdal/GDAL_Api.h comes before any header that includes <math.h>"
#endif
#define jnl gdal_libc_jnl
#include <math.h>

#include <cmath>
#undef jnl

#include <cpl_conv.h>
#include <cpl_error.h>
#include <cpl_string.h>
#include <cpl_time.h>
#include <cpl_vsi.h>
#include <gdal.h>
#include <gdal_priv.h>
#include <ogr_feature.h>
#include <ogr_geometry.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>
