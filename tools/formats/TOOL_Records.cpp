// The records format: the JSON of the handheld records the import makes of a file's class-0
// waypoints, in table order (TOOL_RecordsJson.h).
#include <algorithm>

#include "addin/record/ADDIN_HandheldRecord.h"
#include "model/MODEL_File.h"
#include "tools/formats/TOOL_RecordsJson.h"
#include "tools/formats/TOOL_Registry.h"

namespace tool {

namespace {

const FormatOption_t kCategory = {"--category", "TEXT", "the category of the handheld records (records)",
                                  "Unfiled"};

trove::WaypointTable_t::const_iterator FirstRecord(const trove::WaypointTable_t& waypoints) {
    return std::find_if(waypoints.begin(), waypoints.end(),
                        [](const auto& entry) { return entry.first.id_class == 0; });
}

// A label text that cannot be loaded fails every record alike: the first is made before
// anything is written, so that such a failure leaves the output untouched.
void CheckRecords(const WriteInput_t& input) {
    const trove::WaypointTable_t& waypoints = input.file.Database().waypoints;
    const auto first = FirstRecord(waypoints);
    if (first != waypoints.end())
        (void)addin::MakeHandheldRecord(first->first, first->second, input.options.Value(kCategory));
}

// Each record is written as it is made: the list of a big file is never held whole.
std::size_t WriteRecords(std::ostream& out, const WriteInput_t& input) {
    const trove::WaypointTable_t& waypoints = input.file.Database().waypoints;
    const std::string category = input.options.Value(kCategory);
    RecordsJson_t json(out);
    for (auto entry = FirstRecord(waypoints); entry != waypoints.end(); ++entry) {
        if (entry->first.id_class == 0)
            json.Add(addin::MakeHandheldRecord(entry->first, entry->second, category));
    }
    json.End();
    return 0;
}

const char kHelp[] =
    "the JSON of the handheld records the import makes of FILE's waypoints (category Unfiled)";

}  // namespace

const Format_t kRecordsFormat = {"records", ".records.json", kHelp,        false,
                                 false,     {kCategory},     CheckRecords, WriteRecords};

}  // namespace tool
