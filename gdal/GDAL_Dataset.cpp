#include "gdal/GDAL_Dataset.h"

#include <exception>
#include <new>
#include <sstream>
#include <string>
#include <string_view>

#include "base/BASE_CodePageUnicode.h"
#include "gdal/GDAL_FileAccess.h"
#include "gdal/GDAL_OpenError.h"
#include "gdal/GDAL_VsiFile.h"
#include "tools/cli/TOOL_CodePageChoice.h"
#include "tools/cli/TOOL_FileFacts.h"
#include "tools/cli/TOOL_Options.h"
#include "tools/cli/TOOL_Refusal.h"

namespace gdal {

namespace {

// The tool's lines about the code page as GDAL says them: a warning where the tool warns, a
// debug message otherwise, the tool's option named as the open option.
void ReportCodePage(const std::string& name, const std::string& lines) {
    std::istringstream in(lines);
    std::string line;
    while (std::getline(in, line)) {
        for (std::size_t at; (at = line.find("--codepage ")) != std::string::npos;)
            line.replace(at, 11, "-oo CODEPAGE=");
        constexpr std::string_view kWarning = "warning: ";
        if (line.compare(0, kWarning.size(), kWarning) == 0) {
            CPLError(CE_Warning, CPLE_AppDefined, "%s: %s", name.c_str(), line.c_str() + kWarning.size());
        } else {
            CPLDebug("Terrabook", "%s: %s", name.c_str(), line.c_str());
        }
    }
}

// The file's bytes loaded under code_page; refusal says in the tool's words why the load did not
// end well, and stays empty when it did.
std::unique_ptr<model::File_t> Load(const std::string& bytes, unsigned code_page, std::string& refusal) {
    auto file = std::make_unique<model::File_t>(code_page);
    if (!file->CodePageAvailable())
        throw OpenError_t(TROVIX_SOURCE, __LINE__,
                          "code page " + std::to_string(code_page) + " is not available");
    try {
        file->LoadBytes(bytes);
        switch (file->Result().outcome) {
            case trove::LoadOutcome_t::Loaded:
                break;
            case trove::LoadOutcome_t::NotOpened:
                refusal = "cannot be opened";
                break;
            case trove::LoadOutcome_t::Newer:
                refusal = "made by a newer program: format version " +
                          std::to_string(file->Header().format_version) + ", data version " +
                          std::to_string(file->Header().data_version) +
                          "; this driver reads up to format version " +
                          std::to_string(trove::kFormatVersion) + ", data version " +
                          std::to_string(trove::kDataVersion);
                break;
            case trove::LoadOutcome_t::BadStructure:
                refusal = tool::ExplainRefusal(*file->Result().error, file->Result().format, file->Notes(),
                                               tool::FactsOfBytes(bytes));
                break;
        }
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        refusal = tool::ExplainRefusal(e, file->Result().format, file->Notes(), tool::FactsOfBytes(bytes));
    }
    return file;
}

bool ReadSome(const trove::Database_t& db) {
    return !db.waypoints.empty() || !db.routes.empty() || !db.tracks.empty() || !db.maps.empty();
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
    unsigned code_page = options.code_page;
    if (options.code_page_auto) {
        // The texts are the same bytes under any page: a first load under the default finds them.
        std::string ignored;
        const std::unique_ptr<model::File_t> probe = Load(bytes, tool::kDefaultCodePage, ignored);
        std::ostringstream lines;
        code_page = tool::ChooseCodePage(probe->Database(), probe->Header(), std::string(), lines);
        ReportCodePage(name, lines.str());
    }
    std::string refusal;
    std::unique_ptr<model::File_t> file = Load(bytes, code_page, refusal);
    if (!options.code_page_given) {
        std::ostringstream lines;
        tool::WarnOfCodePage(file->Database(), file->Header(), std::string(), lines);
        ReportCodePage(name, lines.str());
    }
    bytes = std::string();
    if (!refusal.empty() && !options.partial) {
        if (ReadSome(file->Database())) refusal += "; PARTIAL=YES opens what was read before it";
        throw OpenError_t(TROVIX_SOURCE, __LINE__, refusal);
    }
    if (!refusal.empty())
        CPLError(CE_Warning, CPLE_AppDefined, "%s: %s; opened with what was read before it", name.c_str(),
                 refusal.c_str());
    // What the legacy reader drops of a refused file is most often a file of another kind read as
    // records: the refusal has said so, and notes of it would only mislead (as the tool has it).
    const trove::LoadResult_t& result = file->Result();
    if (result.outcome == trove::LoadOutcome_t::Loaded || result.format == trove::FileFormat_t::Current) {
        for (const trove::LoadNote_t& note : file->Notes()) {
            std::string line;
            base::AppendUtf8(line, tool::ExplainNote(note, result.format), code_page);
            // A name may hold line breaks; the warning stays one line.
            for (char& c : line)
                if (static_cast<unsigned char>(c) < 0x20) c = ' ';
            CPLError(CE_Warning, CPLE_AppDefined, "%s: %s", name.c_str(), line.c_str());
        }
    }

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
