#include "tools/TOOL_Records.h"

#include "addin/ADDIN_HandheldRecord.h"
#include "tools/TOOL_Dump.h"
#include "tools/TOOL_RecordsJson.h"
#include "trove/TROVE_Database.h"

namespace tool {

const char kDefaultCategory[] = "Unfiled";

bool ParseRecordsArgs(const std::vector<std::string>& args, RecordsArgs_t& parsed) {
    if (args.empty() || args[0] != "records") return false;
    RecordsArgs_t result;
    bool have_path = false;
    bool have_category = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--category") {
            if (have_category || i + 1 == args.size()) return false;
            result.category = args[++i];
            have_category = true;
        } else {
            if (have_path) return false;
            result.path = args[i];
            have_path = true;
        }
    }
    if (!have_path) return false;
    parsed = result;
    return true;
}

int Records(const RecordsArgs_t& args, std::ostream& out, std::ostream& err) {
    return LoadAndWrite(
        args.path, out, err,
        [&](std::ostream& json, const trove::Database_t& db, const trove::DocInfo_t&,
            const trove::LoadResult_t&) {
            std::vector<addin::HandheldRecord_t> records;
            for (const auto& entry : db.waypoints) {
                if (entry.first.id_class != 0) continue;
                records.push_back(addin::MakeHandheldRecord(entry.first, entry.second, args.category));
            }
            WriteRecordsJson(records, json);
        });
}

}  // namespace tool
