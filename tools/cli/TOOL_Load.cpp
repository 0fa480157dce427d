#include "tools/cli/TOOL_Load.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <new>

#include "tools/formats/TOOL_ExceptionName.h"

namespace tool {

std::string FileName(const std::string& file) {
    return file == "-" ? std::string("stdin") : std::filesystem::path(file).filename().string();
}

int LoadForTool(const Options_t& options, model::File_t& loaded, std::ostream& err) {
    const std::string& path = options.file;
    const unsigned code_page = options.code_page;
    const std::string prefix = "trovix: " + path + ": ";
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
    if (!loaded.CodePageAvailable()) {
        err << prefix << "code page " << code_page << " is not available\n";
        return kExitNotOpened;
    }
    try {
        if (path == "-") {
            // Standard input may be a pipe: it is read whole, then loaded from memory.
            std::istream& in = options.input ? *options.input : std::cin;
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (in.bad()) {
                err << prefix << "cannot be opened\n";
                return kExitNotOpened;
            }
            loaded.LoadBytes(bytes);
        } else {
            loaded.LoadPath(path);
        }
        switch (loaded.Result().outcome) {
            case trove::LoadOutcome_t::NotOpened:
                err << prefix << "cannot be opened\n";
                return kExitNotOpened;
            case trove::LoadOutcome_t::Newer:
                err << prefix << "refused: format version " << loaded.Header().format_version
                    << ", data version " << loaded.Header().data_version << " is newer than this reader ("
                    << trove::kFormatVersion << ", " << trove::kDataVersion << ")\n";
                return kExitRefused;
            case trove::LoadOutcome_t::BadStructure:
                err << prefix << "bad structure: " << DescribeException(*loaded.Result().error) << "\n";
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
