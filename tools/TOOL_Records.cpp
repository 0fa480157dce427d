#include "tools/TOOL_Records.h"

#include <new>
#include <vector>

#include "addin/ADDIN_HandheldRecord.h"
#include "tools/TOOL_ExceptionName.h"
#include "tools/TOOL_Load.h"
#include "tools/TOOL_Output.h"
#include "tools/TOOL_RecordsJson.h"

namespace tool {

int Records(const Options_t& options, std::ostream& out, std::ostream& err) {
    Loaded_t loaded;
    const int code = LoadForTool(options.file, options.code_page, loaded, err);
    if (code != kExitOk) return code;
    std::vector<addin::HandheldRecord_t> records;
    try {
        for (const auto& entry : loaded.db.waypoints) {
            if (entry.first.id_class != 0) continue;
            records.push_back(addin::MakeHandheldRecord(entry.first, entry.second, options.category));
        }
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        // A label text that cannot be loaded, as the import would meet it.
        err << "trovix: " << options.file << ": failed: " << DescribeException(e) << "\n";
        return kExitRefused;
    }
    // Every record is made before anything is printed, so a failure leaves stdout empty.
    return WriteOutput(std::string(), out, err,
                       [&records](std::ostream& s) { WriteRecordsJson(records, s); });
}

}  // namespace tool
