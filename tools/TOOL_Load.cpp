#include "tools/TOOL_Load.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <new>

#include "tools/TOOL_ExceptionName.h"
#include "tools/TOOL_InputPieces.h"
#include "tools/TOOL_SameFile.h"
#include "tools/TOOL_StandardInput.h"
#include "trove/bin/BIN_IStream.h"

namespace tool {

namespace {

// The import's own database: no name and the shortest allowed generated waypoint names.
constexpr std::uint32_t kImportMaxNameLength = 3;

}  // namespace

Loaded_t::Loaded_t() : db(trove::Name_t(), kImportMaxNameLength), doc(trove::TheDocInfo()) {}

std::string FileName(const std::string& file) {
    return file == "-" ? std::string("stdin") : std::filesystem::path(file).filename().string();
}

int LoadForTool(const Options_t& options, Loaded_t& loaded, std::ostream& err) {
    const std::string& path = options.file;
    const unsigned code_page = options.code_page;
    const std::string prefix = "trovix: " + path + ": ";
    const int same = RefuseOutputOverInput(options, err);
    if (same != kExitOk) return same;
    // Only a file holds a data file: a folder fails on the first read on Linux and a device may
    // never end. Both are refused before anything is read.
    std::error_code ignored;
    const std::filesystem::file_status status =
        path == "-" ? std::filesystem::file_status() : std::filesystem::status(path, ignored);
    if (std::filesystem::is_directory(status)) {
        err << prefix << "cannot be opened\n";
        return kExitNotOpened;
    }
    if (std::filesystem::is_character_file(status) || std::filesystem::is_block_file(status)) {
        err << prefix << "cannot be opened: a device, not a data file\n";
        return kExitNotOpened;
    }
    const std::string input_problem = path == "-" && !options.input ? StandardInputProblem() : std::string();
    if (!input_problem.empty()) {
        err << prefix << "cannot be opened: " << input_problem << "\n";
        return kExitNotOpened;
    }
    loaded.code_page.emplace(code_page);
    if (!loaded.code_page->Ok()) {
        err << prefix << "code page " << code_page << " is not available\n";
        return kExitNotOpened;
    }
    try {
        if (path == "-") {
            // Standard input may be a pipe: it is read in pieces, as a named file is.
            InputPieces_t pieces(options.input ? *options.input : std::cin);
            bin::istream in(&pieces);
            loaded.result = trove::LoadStream(in, loaded.db, loaded.doc, &loaded.notes);
            if (pieces.Failed()) {
                err << prefix << "cannot be opened: reading standard input failed\n";
                return kExitNotOpened;
            }
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

}  // namespace tool
