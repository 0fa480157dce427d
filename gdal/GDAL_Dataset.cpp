#include "gdal/GDAL_Dataset.h"

#include <exception>
#include <new>
#include <string>

#include "base/BASE_CodePageUnicode.h"
#include "gdal/GDAL_FileAccess.h"
#include "gdal/GDAL_OpenError.h"
#include "gdal/GDAL_VsiFile.h"
#include "tools/formats/TOOL_ExceptionName.h"

namespace gdal {

namespace {

// Why a load did not end well, as the tool says it; empty when it did.
std::string Refusal(const trove::LoadResult_t& result, const trove::DocInfo_t& header) {
    switch (result.outcome) {
        case trove::LoadOutcome_t::Loaded:
            return std::string();
        case trove::LoadOutcome_t::NotOpened:
            return "cannot be opened";
        case trove::LoadOutcome_t::Newer:
            return "refused: format version " + std::to_string(header.format_version) + ", data version " +
                   std::to_string(header.data_version) + " is newer than this reader (" +
                   std::to_string(trove::kFormatVersion) + ", " + std::to_string(trove::kDataVersion) + ")";
        case trove::LoadOutcome_t::BadStructure:
            return "bad structure: " + tool::DescribeException(*result.error);
    }
    return "cannot be opened";
}

// A note of the load as one line of UTF-8: names are the file's bytes and may hold line breaks.
std::string NoteLine(const trove::LoadNote_t& note, unsigned code_page) {
    std::string line;
    base::AppendUtf8(line, trove::DescribeNote(note), code_page);
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return line;
}

}  // namespace

std::unique_ptr<Dataset_t> Dataset_t::Open(GDALOpenInfo& info, const OpenOptions_t& options) {
    const std::string name = info.pszFilename;
    std::string bytes;
    try {
        bytes = ReadWhole(info.fpL, name);
    } catch (const base::Exception_t& e) {
        throw OpenError_t(TROVIX_SOURCE, __LINE__, e.what());
    }

    std::lock_guard<std::mutex> lock(FileLock());
    auto file = std::make_unique<model::File_t>(options.code_page);
    if (!file->CodePageAvailable())
        throw OpenError_t(TROVIX_SOURCE, __LINE__,
                          "code page " + std::to_string(options.code_page) + " is not available");
    std::string refusal;
    try {
        refusal = Refusal(file->LoadBytes(bytes), file->Header());
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        refusal = "failed: " + tool::DescribeException(e);
    }
    bytes = std::string();
    if (!refusal.empty() && !options.partial) throw OpenError_t(TROVIX_SOURCE, __LINE__, refusal);
    if (!refusal.empty())
        CPLError(CE_Warning, CPLE_AppDefined, "%s: %s; opened with what was read before it", name.c_str(),
                 refusal.c_str());
    for (const trove::LoadNote_t& note : file->Notes())
        CPLError(CE_Warning, CPLE_AppDefined, "%s: %s", name.c_str(),
                 NoteLine(note, options.code_page).c_str());

    std::unique_ptr<Dataset_t> dataset(new Dataset_t(std::move(file)));
    dataset->SetDescription(name.c_str());
    return dataset;
}

Dataset_t::Dataset_t(std::unique_ptr<model::File_t> file)
    : file_(std::move(file)), srs_(new OGRSpatialReference()) {
    srs_->SetWellKnownGeogCS("WGS84");
    // Longitude first, as GDAL's GPX driver has it.
    srs_->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    for (model::LayerId_t layer : model::kLayers)
        layers_.push_back(std::make_unique<Layer_t>(*this, *file_, layer, srs_.get()));
}

Dataset_t::~Dataset_t() {
    layers_.clear();
    srs_.reset();
    // The file restores the code page it found: under the lock, as every selection.
    std::lock_guard<std::mutex> lock(FileLock());
    file_.reset();
}

OGRLayer* Dataset_t::GetLayer(int index) {
    if (index < 0 || index >= GetLayerCount()) return nullptr;
    return layers_[static_cast<std::size_t>(index)].get();
}

}  // namespace gdal
