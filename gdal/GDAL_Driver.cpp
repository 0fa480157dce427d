#include "gdal/GDAL_Driver.h"

#include <exception>
#include <new>
#include <string>

#include "gdal/GDAL_Dataset.h"
#include "gdal/GDAL_Identify.h"
#include "gdal/GDAL_OpenError.h"
#include "gdal/GDAL_OpenOptions.h"
#include "tools/formats/TOOL_ExceptionName.h"

namespace gdal {

namespace {

constexpr char kShortName[] = "Terrabook";

std::uint64_t SizeOf(const char* name) {
    VSIStatBufL stat;
    return VSIStatExL(name, &stat, VSI_STAT_SIZE_FLAG) == 0 ? static_cast<std::uint64_t>(stat.st_size) : 0;
}

}  // namespace

int Identify(GDALOpenInfo* info) {
    if (info->fpL == nullptr || info->nHeaderBytes == 0) return FALSE;
    const std::string_view first(reinterpret_cast<const char*>(info->pabyHeader), info->nHeaderBytes);
    // The whole file's size only matters for a legacy candidate; most files stop at the name.
    Claim_t claim = ClaimOf(info->pszFilename, first, UINT64_MAX);
    if (claim == Claim_t::Legacy) claim = ClaimOf(info->pszFilename, first, SizeOf(info->pszFilename));
    return claim != Claim_t::None;
}

GDALDataset* Open(GDALOpenInfo* info) {
    if (!Identify(info)) return nullptr;
    const std::string name = info->pszFilename;
    if (info->eAccess == GA_Update) {
        // Clients (QGIS, ogrinfo) try to open for update first and then for reading: an error
        // here would be noise on every open. GDAL says itself when nothing could open a file.
        CPLDebug(kShortName, "%s: data files are opened for reading only", name.c_str());
        return nullptr;
    }
    try {
        return Dataset_t::Open(*info, ReadOpenOptions(info->papszOpenOptions)).release();
    } catch (const std::bad_alloc&) {
        CPLError(CE_Failure, CPLE_OutOfMemory, "%s: out of memory", name.c_str());
    } catch (const OpenError_t& e) {
        CPLError(CE_Failure, CPLE_OpenFailed, "%s: %s", name.c_str(), e.what());
    } catch (const std::exception& e) {
        CPLError(CE_Failure, CPLE_OpenFailed, "%s: failed: %s", name.c_str(),
                 tool::DescribeException(e).c_str());
    }
    return nullptr;
}

void RegisterDriver() {
    if (GDALGetDriverByName(kShortName) != nullptr) return;
    auto driver = std::make_unique<GDALDriver>();
    driver->SetDescription(kShortName);
    driver->SetMetadataItem(GDAL_DCAP_VECTOR, "YES");
    driver->SetMetadataItem(GDAL_DMD_LONGNAME, "Terrabook data file");
    driver->SetMetadataItem(GDAL_DMD_EXTENSIONS, "tbk");
    driver->SetMetadataItem(GDAL_DCAP_VIRTUALIO, "YES");
    driver->SetMetadataItem(GDAL_DMD_OPENOPTIONLIST, OpenOptionList().c_str());
    driver->pfnIdentify = Identify;
    driver->pfnOpen = Open;
    GetGDALDriverManager()->RegisterDriver(driver.release());
}

}  // namespace gdal
