#include "tools/TOOL_Load.h"

#include <exception>
#include <filesystem>

#include "base/BASE_CodePage.h"
#include "tools/TOOL_ExceptionName.h"

namespace tool {

namespace {

// The import's own database: no name and the shortest allowed generated waypoint names.
constexpr std::uint32_t kImportMaxNameLength = 3;

class CodePageScope_t {
public:
    explicit CodePageScope_t(unsigned code_page) : ok_(base::SelectCodePage(code_page)) {}
    ~CodePageScope_t() { base::SelectCodePage(saved_); }
    CodePageScope_t(const CodePageScope_t&) = delete;
    CodePageScope_t& operator=(const CodePageScope_t&) = delete;

    bool Ok() const { return ok_; }

private:
    unsigned saved_ = base::CurrentCodePage();
    bool ok_;
};

}  // namespace

Loaded_t::Loaded_t() : db(trove::Name_t(), kImportMaxNameLength), doc(trove::TheDocInfo()) {}

int LoadForTool(const std::string& path, unsigned code_page, Loaded_t& loaded, std::ostream& err) {
    const std::string prefix = "trovix: " + path + ": ";
    // Linux opens a folder as a file that fails on the first read; Windows refuses to open it.
    // Both say the same here: it cannot be opened.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        err << prefix << "cannot be opened\n";
        return kExitNotOpened;
    }
    const CodePageScope_t scope(code_page);
    if (!scope.Ok()) {
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
    } catch (const std::exception& e) {
        err << prefix << "failed: " << DescribeException(e) << "\n";
    }
    return kExitRefused;
}

}  // namespace tool
