#include "tools/cli/TOOL_Load.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <new>
#include <optional>
#include <sstream>

#include "tools/cli/TOOL_CodePageChoice.h"
#include "tools/cli/TOOL_FileFacts.h"
#include "tools/cli/TOOL_InputPieces.h"
#include "tools/cli/TOOL_NotOpened.h"
#include "tools/cli/TOOL_Refusal.h"
#include "tools/cli/TOOL_SameFile.h"
#include "tools/cli/TOOL_StandardInput.h"
#include "trove/bin/BIN_IStream.h"

namespace tool {

std::string FileName(const std::string& file) {
    return file == "-" ? std::string("stdin") : std::filesystem::path(file).filename().string();
}

namespace {

// Where a load reads: a regular file by its name, bytes read whole, or a stream read in pieces.
struct Source_t {
    const std::string* bytes = nullptr;
    std::istream* stream = nullptr;
};

// The load itself, under code_page.
int LoadUnder(const Options_t& options, const Source_t& source, unsigned code_page,
              std::optional<model::File_t>& into, std::ostream& err) {
    const std::string& path = options.file;
    const std::string prefix = "trovix: " + path + ": ";
    model::File_t& loaded = into.emplace(code_page);
    if (!loaded.CodePageAvailable()) {
        err << prefix << "code page " << code_page << " is not available\n";
        return kExitNotOpened;
    }
    // A refusal looks at the file's size and first bytes: a stream can be read only once, so its
    // pieces keep them.
    std::optional<InputPieces_t> pieces;
    auto facts = [&]() {
        if (source.bytes) return FactsOfBytes(*source.bytes);
        if (pieces) return pieces->DrainedFacts();
        return FactsOfFile(path);
    };
    try {
        if (source.bytes) {
            loaded.LoadBytes(*source.bytes);
        } else if (source.stream) {
            pieces.emplace(*source.stream);
            bin::istream in(&*pieces);
            loaded.LoadStream(in);
            if (pieces->Failed()) {
                err << prefix << "cannot be opened: it cannot be read\n";
                return kExitNotOpened;
            }
        } else {
            loaded.LoadPath(path);
        }
        switch (loaded.Result().outcome) {
            case trove::LoadOutcome_t::NotOpened: {
                err << prefix << "cannot be opened: " << WhyOpeningFailed(path) << "\n";
                return kExitNotOpened;
            }
            case trove::LoadOutcome_t::Newer:
                err << prefix << "made by a newer program: format version " << loaded.Header().format_version
                    << ", data version " << loaded.Header().data_version
                    << "; this tool reads up to format version " << trove::kFormatVersion << ", data version "
                    << trove::kDataVersion << "\n";
                return kExitRefused;
            case trove::LoadOutcome_t::BadStructure:
                ReportRefusal(options, loaded, *loaded.Result().error, facts(), err);
                return kExitRefused;
            case trove::LoadOutcome_t::Loaded:
                return kExitOk;
        }
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        ReportRefusal(options, loaded, e, facts(), err);
    }
    return kExitRefused;
}

}  // namespace

int LoadForTool(const Options_t& options, std::optional<model::File_t>& loaded, std::ostream& err) {
    const std::string& path = options.file;
    const std::string prefix = "trovix: " + path + ": ";
    const int same = RefuseOutputOverInput(options, err);
    if (same != kExitOk) return same;
    // Only a file holds a data file: a folder fails on the first read on Linux and a device may
    // never end. Both are refused before anything is read.
    const std::string not_opened = path == "-" ? std::string() : WhyNotOpened(path);
    if (!not_opened.empty()) {
        err << prefix << "cannot be opened: " << not_opened << "\n";
        return kExitNotOpened;
    }
    const std::string input_problem = path == "-" && !options.input ? StandardInputProblem() : std::string();
    if (!input_problem.empty()) {
        err << prefix << "cannot be opened: " << input_problem << "\n";
        return kExitNotOpened;
    }
    // Standard input, a named pipe or a shell's <(...) can be read once only: it is read in pieces,
    // as a named file is.
    std::error_code ignored;
    const bool once = path == "-" || !std::filesystem::is_regular_file(path, ignored);
    std::ifstream named;
    if (once && path != "-") {
        named.open(path, std::ios::binary);
        if (!named) {
            err << prefix << "cannot be opened: " << WhyOpeningFailed(path) << "\n";
            return kExitNotOpened;
        }
    }
    std::istream& in = path != "-" ? named : options.input ? *options.input : std::cin;
    Source_t source;
    if (once) source.stream = &in;

    unsigned code_page = options.code_page;
    std::string bytes;
    if (options.code_page_auto) {
        // The texts are the same bytes under any page: a first load under the default finds them.
        // What can be read only once is read whole for the two loads.
        if (once) {
            InputPieces_t pieces(in);
            std::istream whole(&pieces);
            bytes.assign(std::istreambuf_iterator<char>(whole), std::istreambuf_iterator<char>());
            if (pieces.Failed()) {
                err << prefix << "cannot be opened: it cannot be read\n";
                return kExitNotOpened;
            }
            source = Source_t{&bytes, nullptr};
        }
        std::optional<model::File_t> probe;
        std::ostringstream faults;  // the load that counts reports them
        if (LoadUnder(options, source, kDefaultCodePage, probe, faults) == kExitNotOpened) {
            err << faults.str();
            return kExitNotOpened;
        }
        code_page = ChooseCodePage(probe->Database(), probe->Header(), prefix, err);
    }
    const int code = LoadUnder(options, source, code_page, loaded, err);
    if (!options.code_page_given && code != kExitNotOpened)
        WarnOfCodePage(loaded->Database(), loaded->Header(), prefix, err);
    return code;
}

}  // namespace tool
