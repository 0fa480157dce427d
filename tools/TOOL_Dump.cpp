#include "tools/TOOL_Dump.h"

#include "tools/TOOL_DumpJson.h"
#include "tools/TOOL_Load.h"
#include "tools/TOOL_Output.h"
#include "tools/TOOL_Refusal.h"

namespace tool {

int Dump(const Options_t& options, std::ostream& out, std::ostream& err) {
    Loaded_t loaded;
    const int code = LoadForTool(options, loaded, err);
    if (code == kExitNotOpened || (code != kExitOk && !options.partial)) return code;
    ReportNotes(options, loaded, err);
    // Written as it is made: the JSON of a big file is never held whole.
    const int written = WriteOutput(options.output, out, err, [&loaded](std::ostream& s) {
        WriteDumpJson(s, loaded.db, loaded.doc, loaded.result, loaded.notes);
    });
    return written != kExitOk ? written : code;
}

int Dump(const std::string& path, std::ostream& out, std::ostream& err) {
    Options_t options;
    options.file = path;
    return Dump(options, out, err);
}

}  // namespace tool
