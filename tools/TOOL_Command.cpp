#include "tools/TOOL_Command.h"

#include "tools/TOOL_Dump.h"
#include "tools/TOOL_Records.h"

namespace tool {

const char kUsage[] = "usage: trovix dump FILE | trovix records FILE [--category TEXT]";

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 2 && args[0] == "dump") return Dump(args[1], out, err);
    if (RecordsArgs_t records; ParseRecordsArgs(args, records)) return Records(records, out, err);
    err << kUsage << "\n";
    return kExitNotOpened;
}

}  // namespace tool
