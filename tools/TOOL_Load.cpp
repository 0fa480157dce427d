#include "tools/TOOL_Load.h"

#include <exception>
#include <filesystem>
#include <new>

#include "tools/TOOL_ExceptionName.h"

namespace tool {

namespace {

// The import's own database: no name and the shortest allowed generated waypoint names.
constexpr std::uint32_t kImportMaxNameLength = 3;

}  // namespace

Loaded_t::Loaded_t() : db(trove::Name_t(), kImportMaxNameLength), doc(trove::TheDocInfo()) {}

int LoadForTool(const std::string& path, unsigned code_page, Loaded_t& loaded, std::ostream& err) {
    const std::string prefix = "trovix: " + path + ": ";
    // Only a file holds a data file: a folder fails on the first read on Linux and a device may
    // never end. Both are refused before anything is read.
    std::error_code ignored;
    const std::filesystem::file_status status = std::filesystem::status(path, ignored);
    if (std::filesystem::is_directory(status)) {
        err << prefix << "cannot be opened\n";
        return kExitNotOpened;
    }
    if (std::filesystem::is_character_file(status) || std::filesystem::is_block_file(status)) {
        err << prefix << "cannot be opened: a device, not a data file\n";
        return kExitNotOpened;
    }
    loaded.code_page.emplace(code_page);
    if (!loaded.code_page->Ok()) {
        err << prefix << "code page " << code_page << " is not available\n";
        return kExitNotOpened;
    }
    try {
        loaded.result = trove::LoadFile(path, loaded.db, loaded.doc, &loaded.notes);
        switch (loaded.result.outcome) {
            case trove::LoadOutcome_t::NotOpened:
                err << prefix << "cannot be opened\n";
                return kExitNotOpened;
            case trove::LoadOutcome_t::Newer:
                err << prefix << "refused: format version " << loaded.doc.format_version << ", data version "
                    << loaded.doc.data_version << " is newer than this reader (" << trove::kFormatVersion
                    << ", " << trove::kDataVersion << ")\n";
                return kExitRefused;
            case trove::LoadOutcome_t::BadStructure:
                err << prefix << "bad structure: " << DescribeException(*loaded.result.error) << "\n";
                return kExitRefused;
            case trove::LoadOutcome_t::Loaded:
                return kExitOk;
        }
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        err << prefix << "failed: " << DescribeException(e) << "\n";
    }
    return kExitRefused;
}

}  // namespace tool
