#include "tools/TOOL_Load.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <new>
#include <sstream>

#include "tools/TOOL_CodePageChoice.h"
#include "tools/TOOL_ExceptionName.h"

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

// The load itself, under code_page: of bytes when in_memory (standard input, or bytes handed
// over), else of the file at path.
int LoadUnder(const std::string& path, std::string_view bytes, bool in_memory, unsigned code_page,
              Loaded_t& loaded, std::ostream& err) {
    const std::string prefix = "trovix: " + path + ": ";
    loaded.code_page.emplace(code_page);
    loaded.code_page_used = code_page;
    if (!loaded.code_page->Ok()) {
        err << prefix << "code page " << code_page << " is not available\n";
        return kExitNotOpened;
    }
    try {
        if (in_memory) {
            loaded.result = trove::LoadBytes(bytes, loaded.db, loaded.doc, &loaded.notes);
        } else {
            loaded.result = trove::LoadFile(path, loaded.db, loaded.doc, &loaded.notes);
        }
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

}  // namespace

int LoadForTool(const Options_t& options, Loaded_t& loaded, std::ostream& err) {
    const std::string& path = options.file;
    const std::string prefix = "trovix: " + path + ": ";
    // Only a file holds a data file: a folder fails on the first read on Linux and a device may
    // never end. Both are refused before anything is read.
    std::error_code ignored;
    const bool in_memory = path == "-" || options.bytes;
    const std::filesystem::file_status status =
        in_memory ? std::filesystem::file_status() : std::filesystem::status(path, ignored);
    if (std::filesystem::is_directory(status)) {
        err << prefix << "cannot be opened\n";
        return kExitNotOpened;
    }
    if (std::filesystem::is_character_file(status) || std::filesystem::is_block_file(status)) {
        err << prefix << "cannot be opened: a device, not a data file\n";
        return kExitNotOpened;
    }
    // Standard input may be a pipe: it is read whole, then loaded from memory.
    std::string input;
    if (path == "-" && !options.bytes) {
        std::istream& in = options.input ? *options.input : std::cin;
        input.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad()) {
            err << prefix << "cannot be opened\n";
            return kExitNotOpened;
        }
    }
    const std::string_view bytes = options.bytes ? *options.bytes : std::string_view(input);
    unsigned code_page = options.code_page;
    if (options.code_page_auto) {
        // The texts are the same bytes under any page: a first load under the default finds them.
        Loaded_t probe;
        std::ostringstream faults;  // the load that counts reports them
        if (LoadUnder(path, bytes, in_memory, kDefaultCodePage, probe, faults) == kExitNotOpened) {
            err << faults.str();
            return kExitNotOpened;
        }
        code_page = ChooseCodePage(probe.db, probe.doc, prefix, err);
    }
    const int code = LoadUnder(path, bytes, in_memory, code_page, loaded, err);
    if (!options.code_page_given && code != kExitNotOpened)
        WarnOfCodePage(loaded.db, loaded.doc, prefix, err);
    return code;
}

}  // namespace tool
