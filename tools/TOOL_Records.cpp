#include "tools/TOOL_Records.h"

#include <algorithm>
#include <new>

#include "addin/record/ADDIN_HandheldRecord.h"
#include "tools/TOOL_ExceptionName.h"
#include "tools/TOOL_Load.h"
#include "tools/TOOL_Output.h"
#include "tools/TOOL_RecordsJson.h"
#include "tools/TOOL_Refusal.h"

namespace tool {

int Records(const Options_t& options, std::ostream& out, std::ostream& err) {
    Loaded_t loaded;
    const int code = LoadForTool(options, loaded, err);
    if (code != kExitOk) return code;
    ReportNotes(options, loaded, err);
    const auto first = std::find_if(loaded.db.waypoints.begin(), loaded.db.waypoints.end(),
                                    [](const auto& entry) { return entry.first.id_class == 0; });
    try {
        // A label text that cannot be loaded fails every record alike: the first is made before
        // anything is written, so that such a failure leaves the output untouched.
        if (first != loaded.db.waypoints.end())
            (void)addin::MakeHandheldRecord(first->first, first->second, options.category);
        // Then each record is written as it is made: the list of a big file is never held whole.
        return WriteOutput(options.output, out, err, [&](std::ostream& s) {
            RecordsJson_t json(s);
            for (auto entry = first; entry != loaded.db.waypoints.end(); ++entry) {
                if (entry->first.id_class == 0)
                    json.Add(addin::MakeHandheldRecord(entry->first, entry->second, options.category));
            }
            json.End();
        });
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        err << "trovix: " << options.file << ": failed: " << FailureInWords(e, options.debug) << "\n";
        return kExitRefused;
    }
}

}  // namespace tool
