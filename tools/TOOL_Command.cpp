#include "tools/TOOL_Command.h"

#include "tools/TOOL_Dump.h"
#include "tools/TOOL_Gpx.h"
#include "tools/TOOL_Options.h"
#include "tools/TOOL_Records.h"

namespace tool {

const char kUsage[] = "usage: trovix COMMAND FILE [OPTIONS]  (trovix --help lists the commands)";

namespace {

const char kDumpHelp[] =
    "trovix dump FILE [--codepage CP] [--partial]\n"
    "    the JSON of what the import reads from FILE\n";
const char kGpxHelp[] =
    "trovix gpx FILE [-o OUT] [--codepage CP] [--partial]\n"
    "    every waypoint, route and track of FILE as GPX 1.1 (UTF-8)\n";
const char kRecordsHelp[] =
    "trovix records FILE [--category TEXT] [--codepage CP]\n"
    "    the JSON of the handheld records the import makes of FILE's waypoints (category Unfiled)\n";
const char kOptionsHelp[] =
    "options:\n"
    "  -o OUT         write to OUT instead of standard output\n"
    "  --codepage CP  the code page of the file's texts: 1252 (default), 874, 1250, 1251, 1253,\n"
    "                 1254, 1255, 1256, 1257, 1258, 932, 936, 949 or 950\n"
    "  --partial      for a refused file, still write what was read before the fault\n"
    "  --category TEXT  the category of the handheld records\n"
    "  --help         this text\n"
    "exit status: 0 written, 1 cannot be opened or wrong arguments, 2 refused\n";

using Command_t = int (*)(const Options_t&, std::ostream&, std::ostream&);

int RunCommand(Command_t command, const char* help, const Accepts_t& accepts, const std::vector<std::string>& args,
               std::ostream& out, std::ostream& err) {
    Options_t options;
    std::string error;
    if (!ParseOptions(std::vector<std::string>(args.begin() + 1, args.end()), accepts, options, error)) {
        err << "trovix " << args[0] << ": " << error << "\n" << kUsage << "\n";
        return kExitNotOpened;
    }
    if (options.help) {
        out << "usage: " << help << kOptionsHelp;
        return kExitOk;
    }
    return command(options, out, err);
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && args[0] == "--help") {
        out << "usage: trovix COMMAND FILE [OPTIONS]\ncommands:\n"
            << kDumpHelp << kGpxHelp << kRecordsHelp << kOptionsHelp;
        return kExitOk;
    }
    if (!args.empty() && args[0] == "dump")
        return RunCommand(Dump, kDumpHelp, Accepts_t{false, true, false}, args, out, err);
    if (!args.empty() && args[0] == "gpx")
        return RunCommand(Gpx, kGpxHelp, Accepts_t{true, true, false}, args, out, err);
    if (!args.empty() && args[0] == "records")
        return RunCommand(Records, kRecordsHelp, Accepts_t{false, false, true}, args, out, err);
    if (!args.empty()) err << "trovix: unknown command " << args[0] << "\n";
    err << kUsage << "\n";
    return kExitNotOpened;
}

}  // namespace tool
