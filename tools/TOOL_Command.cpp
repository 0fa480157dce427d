#include "tools/TOOL_Command.h"

#include <exception>
#include <new>

#include "tools/TOOL_Dump.h"
#include "tools/TOOL_ExceptionName.h"
#include "tools/TOOL_Export.h"
#include "tools/TOOL_Options.h"
#include "tools/TOOL_Records.h"

namespace tool {

const char kUsage[] = "usage: trovix COMMAND FILE [OPTIONS]  (trovix --help lists the commands)";

namespace {

const char kOptionsHelp[] =
    "options:\n"
    "  -o OUT         write to OUT instead of standard output\n"
    "  --codepage CP  the code page of the file's texts: 1252 (default), 932, 936, 949 or 950\n"
    "  --partial      for a refused file, still write what was read before the fault\n"
    "  --category TEXT  the category of the handheld records\n"
    "  --help         this text\n"
    "exit status: 0 written, 1 cannot be opened (or a folder or device) or wrong arguments, 2 refused,\n"
    "  3 the output cannot be written (nothing is left in OUT's place), 4 out of memory\n";

struct Command_t {
    const char* name;
    const char* help;
    Accepts_t accepts;
    // Exactly one of the two: a command of its own, or a writer for Export.
    int (*run)(const Options_t&, std::ostream&, std::ostream&);
    ExportWriter_t writer;
};

const Command_t kCommands[] = {
    {"dump",
     "trovix dump FILE [--codepage CP] [--partial]\n"
     "    the JSON of what the import reads from FILE\n",
     Accepts_t{false, true, false}, Dump, nullptr},
    {"gpx",
     "trovix gpx FILE [-o OUT] [--codepage CP] [--partial]\n"
     "    every waypoint, route and track of FILE as GPX 1.1 (UTF-8)\n",
     Accepts_t{true, true, false}, nullptr, WriteGpxDocument},
    {"html",
     "trovix html FILE [-o OUT] [--codepage CP] [--partial]\n"
     "    one HTML page of FILE: a map, elevation profiles and tables, needing no network\n",
     Accepts_t{true, true, false}, nullptr, WriteHtmlDocument},
    {"records",
     "trovix records FILE [--category TEXT] [--codepage CP]\n"
     "    the JSON of the handheld records the import makes of FILE's waypoints (category Unfiled)\n",
     Accepts_t{false, false, true}, Records, nullptr},
};

int RunCommand(const Command_t& command, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err) {
    Options_t options;
    std::string error;
    if (!ParseOptions(std::vector<std::string>(args.begin() + 1, args.end()), command.accepts, options, error)) {
        err << "trovix " << args[0] << ": " << error << "\n" << kUsage << "\n";
        return kExitNotOpened;
    }
    if (options.help) {
        out << "usage: " << command.help << kOptionsHelp;
        return kExitOk;
    }
    return command.writer ? Export(command.writer, options, out, err) : command.run(options, out, err);
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && args[0] == "--help") {
        out << "usage: trovix COMMAND FILE [OPTIONS]\ncommands:\n";
        for (const Command_t& command : kCommands) out << command.help;
        out << kOptionsHelp;
        return kExitOk;
    }
    for (const Command_t& command : kCommands) {
        if (!args.empty() && args[0] == command.name) return RunCommand(command, args, out, err);
    }
    if (!args.empty()) err << "trovix: unknown command " << args[0] << "\n";
    err << kUsage << "\n";
    return kExitNotOpened;
}

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        return Run(args, out, err);
    } catch (const std::bad_alloc&) {
        err << "trovix: out of memory\n";
        return kExitOutOfMemory;
    } catch (const std::exception& e) {
        err << "trovix: failed: " << DescribeException(e) << "\n";
    } catch (...) {
        err << "trovix: failed: an unknown exception\n";
    }
    return kExitRefused;
}

}  // namespace tool
