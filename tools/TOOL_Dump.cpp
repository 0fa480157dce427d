#include "tools/TOOL_Dump.h"

#include <sstream>

#include "tools/TOOL_DumpJson.h"
#include "tools/TOOL_Load.h"
#include "tools/TOOL_Output.h"

namespace tool {

int Dump(const Options_t& options, std::ostream& out, std::ostream& err) {
    Loaded_t loaded;
    const int code = LoadForTool(options.file, options.code_page, loaded, err);
    if (code == kExitNotOpened || (code != kExitOk && !options.partial)) return code;
    // Built completely before anything is printed, so a failure leaves stdout empty.
    std::ostringstream json;
    WriteDumpJson(json, loaded.db, loaded.doc, loaded.result, loaded.notes);
    const int written = WriteOutput(std::string(), out, err, [&json](std::ostream& s) { s << json.str(); });
    return written != kExitOk ? written : code;
}

int Dump(const std::string& path, std::ostream& out, std::ostream& err) {
    Options_t options;
    options.file = path;
    return Dump(options, out, err);
}

}  // namespace tool
