#include "tools/cli/TOOL_SameFile.h"

#include <optional>
#include <string>
#include <vector>

#include "tools/cli/TOOL_Exit.h"
#include "tools/cli/TOOL_FileId.h"

namespace tool {

namespace {

// The file that input names; none for a stream of the caller's or what is no file.
std::optional<FileId_t> InputIdentity(const std::string& input, const Options_t& options) {
    if (input != "-") return IdentityOf(input);
    return options.input ? std::nullopt : IdentityOfStandardInput();
}

}  // namespace

int RefuseOutputOverInput(const Options_t& options, std::ostream& err) {
    if (options.output.empty() || options.output == "-") return kExitOk;
    const std::optional<FileId_t> output = IdentityOf(options.output);
    if (!output) return kExitOk;
    // With -d, every FILE of the run is an input, also those read after this one.
    std::vector<std::string> inputs = options.files;
    inputs.push_back(options.file);
    for (const std::string& input : inputs) {
        const std::optional<FileId_t> id = InputIdentity(input, options);
        if (!id || !(*id == *output)) continue;
        err << "trovix: " << options.output << ": is the data file "
            << (input == "-" ? std::string("on standard input") : input)
            << "; nothing was written, choose another output\n";
        return kExitNotOpened;
    }
    return kExitOk;
}

}  // namespace tool
