#include "tools/TOOL_Dump.h"

#include <exception>
#include <filesystem>
#include <sstream>

#include "tools/TOOL_DumpJson.h"
#include "tools/TOOL_ExceptionName.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_DocInfo.h"
#include "trove/TROVE_Load.h"

namespace tool {

namespace {

// The import's own database: no name and the shortest allowed generated waypoint names.
constexpr std::uint32_t kImportMaxNameLength = 3;

}  // namespace

int Dump(const std::string& path, std::ostream& out, std::ostream& err) {
    return LoadAndWrite(path, out, err, WriteDumpJson);
}

int LoadAndWrite(const std::string& path, std::ostream& out, std::ostream& err, const LoadedWriter_t& write) {
    const std::string prefix = "trovix: " + path + ": ";
    // Linux opens a folder as a file that fails on the first read; Windows refuses to open it.
    // Both say the same here: it cannot be opened.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        err << prefix << "cannot be opened\n";
        return kExitNotOpened;
    }
    try {
        trove::Database_t db{trove::Name_t(), kImportMaxNameLength};
        trove::DocInfo_t& doc = trove::TheDocInfo();
        const trove::LoadResult_t result = trove::LoadFile(path, db, doc);
        switch (result.outcome) {
            case trove::LoadOutcome_t::NotOpened:
                err << prefix << "cannot be opened\n";
                return kExitNotOpened;
            case trove::LoadOutcome_t::Newer:
                err << prefix << "refused: format version " << doc.format_version << ", data version "
                    << doc.data_version << " is newer than this reader (" << trove::kFormatVersion << ", "
                    << trove::kDataVersion << ")\n";
                return kExitRefused;
            case trove::LoadOutcome_t::BadStructure:
                err << prefix << "bad structure: " << DescribeException(*result.error) << "\n";
                return kExitRefused;
            case trove::LoadOutcome_t::Loaded:
                break;
        }
        // Built completely before anything is printed, so a failure leaves stdout empty.
        std::ostringstream json;
        write(json, db, doc, result);
        out << json.str();
        out.flush();
        return kExitOk;
    } catch (const std::exception& e) {
        err << prefix << "failed: " << DescribeException(e) << "\n";
        return kExitRefused;
    }
}

}  // namespace tool
