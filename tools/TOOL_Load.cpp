#include "tools/TOOL_Load.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <new>
#include <sstream>

#include "tools/TOOL_CodePageChoice.h"
#include "tools/TOOL_NotOpened.h"
#include "tools/TOOL_Refusal.h"

namespace tool {

namespace {

// The import's own database: no name and the shortest allowed generated waypoint names.
constexpr std::uint32_t kImportMaxNameLength = 3;

}  // namespace

Loaded_t::Loaded_t() : db(trove::Name_t(), kImportMaxNameLength), doc(trove::TheDocInfo()) {}

std::string FileName(const std::string& file) {
    return file == "-" ? std::string("stdin") : std::filesystem::path(file).filename().string();
}

namespace {

// The load itself, under code_page; bytes hold the file when it was read whole (whole).
int LoadUnder(const Options_t& options, const std::string& bytes, bool whole, unsigned code_page,
              Loaded_t& loaded, std::ostream& err) {
    const std::string& path = options.file;
    const std::string prefix = "trovix: " + path + ": ";
    loaded.code_page.emplace(code_page);
    loaded.code_page_used = code_page;
    if (!loaded.code_page->Ok()) {
        err << prefix << "code page " << code_page << " is not available\n";
        return kExitNotOpened;
    }
    try {
        if (whole) {
            loaded.result = trove::LoadBytes(bytes, loaded.db, loaded.doc, &loaded.notes);
        } else {
            loaded.result = trove::LoadFile(path, loaded.db, loaded.doc, &loaded.notes);
        }
        switch (loaded.result.outcome) {
            case trove::LoadOutcome_t::NotOpened: {
                err << prefix << "cannot be opened: " << WhyOpeningFailed(path) << "\n";
                return kExitNotOpened;
            }
            case trove::LoadOutcome_t::Newer:
                err << prefix << "made by a newer program: format version " << loaded.doc.format_version
                    << ", data version " << loaded.doc.data_version
                    << "; this tool reads up to format version " << trove::kFormatVersion << ", data version "
                    << trove::kDataVersion << "\n";
                return kExitRefused;
            case trove::LoadOutcome_t::BadStructure:
                ReportRefusal(options, loaded, *loaded.result.error, whole ? &bytes : nullptr, err);
                return kExitRefused;
            case trove::LoadOutcome_t::Loaded:
                return kExitOk;
        }
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        ReportRefusal(options, loaded, e, whole ? &bytes : nullptr, err);
    }
    return kExitRefused;
}

}  // namespace

int LoadForTool(const Options_t& options, Loaded_t& loaded, std::ostream& err) {
    const std::string& path = options.file;
    const std::string prefix = "trovix: " + path + ": ";
    // Only a file holds a data file: a folder fails on the first read on Linux and a device may
    // never end. Both are refused before anything is read.
    const std::string not_opened = path == "-" ? std::string() : WhyNotOpened(path);
    if (!not_opened.empty()) {
        err << prefix << "cannot be opened: " << not_opened << "\n";
        return kExitNotOpened;
    }
    // Standard input, a named pipe or a shell's <(...) can be read once only: it is read whole,
    // then loaded from memory, so that a refusal can still look at its first bytes.
    std::error_code ignored;
    const bool whole = path == "-" || !std::filesystem::is_regular_file(path, ignored);
    std::string bytes;
    if (whole) {
        std::ifstream named;
        if (path != "-") named.open(path, std::ios::binary);
        std::istream& in = path != "-" ? named : options.input ? *options.input : std::cin;
        if (path != "-" && !named) {
            err << prefix << "cannot be opened: " << WhyOpeningFailed(path) << "\n";
            return kExitNotOpened;
        }
        bytes.assign((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad()) {
            err << prefix << "cannot be opened: it cannot be read\n";
            return kExitNotOpened;
        }
    }
    unsigned code_page = options.code_page;
    if (options.code_page_auto) {
        // The texts are the same bytes under any page: a first load under the default finds them.
        Loaded_t probe;
        std::ostringstream faults;  // the load that counts reports them
        if (LoadUnder(options, bytes, whole, kDefaultCodePage, probe, faults) == kExitNotOpened) {
            err << faults.str();
            return kExitNotOpened;
        }
        code_page = ChooseCodePage(probe.db, probe.doc, prefix, err);
    }
    const int code = LoadUnder(options, bytes, whole, code_page, loaded, err);
    if (!options.code_page_given && code != kExitNotOpened)
        WarnOfCodePage(loaded.db, loaded.doc, prefix, err);
    return code;
}

}  // namespace tool
