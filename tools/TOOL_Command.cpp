#include "tools/TOOL_Command.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <new>
#include <sstream>

#include "tools/TOOL_Dump.h"
#include "tools/TOOL_ExceptionName.h"
#include "tools/TOOL_Export.h"
#include "tools/TOOL_Load.h"
#include "tools/TOOL_Options.h"
#include "tools/TOOL_Records.h"
#include "tools/TOOL_WrittenOutputs.h"

namespace tool {

const char kUsage[] = "usage: trovix COMMAND FILE [OPTIONS]  (trovix --help lists the commands)";

namespace {

const char kOptionsHelp[] =
    "options:\n"
    "  -o OUT         write to OUT instead of standard output (OUT - is standard output)\n"
    "  -d DIR         write DIR/NAME.EXT for each FILE (several FILEs may be given)\n"
    "  FILE -         read the data file from standard input\n"
    "  --codepage CP  the code page of the file's texts: 1252 (default), 874, 1250, 1251, 1253,\n"
    "                 1254, 1255, 1256, 1257, 1258, 932, 936, 949 or 950\n"
    "  --partial      for a refused file, still write what was read before the fault\n"
    "  --category TEXT  the category of the handheld records\n"
    "  --track-points   one row per track point instead of per waypoint (csv)\n"
    "  --keep-formulas  texts starting with = + - @ as they are, not as text (csv)\n"
    "  --help         this text\n"
    "exit status: 0 written, 1 cannot be opened (or a folder or device) or wrong arguments, 2 refused,\n"
    "  3 the output cannot be written (nothing is left in OUT's place), 4 out of memory\n";

struct Command_t {
    const char* name;
    const char* help;
    const char* extension;  // of the outputs -d DIR writes
    Accepts_t accepts;
    // Exactly one of the two: a command of its own, or a writer for Export.
    int (*run)(const Options_t&, std::ostream&, std::ostream&);
    ExportWriter_t writer;
};

const Command_t kCommands[] = {
    {"dump",
     "trovix dump FILE [--codepage CP] [--partial]\n"
     "    the JSON of what the import reads from FILE\n",
     ".json", Accepts_t{false, true, false}, Dump, nullptr},
    {"gpx",
     "trovix gpx FILE [-o OUT] [--codepage CP] [--partial]\n"
     "    every waypoint, route and track of FILE as GPX 1.1 (UTF-8)\n",
     ".gpx", Accepts_t{true, true, false}, nullptr, WriteGpxDocument},
    {"kml",
     "trovix kml FILE [-o OUT] [--codepage CP] [--partial]\n"
     "    every waypoint, route and track of FILE as KML 2.2 (UTF-8)\n",
     ".kml", Accepts_t{true, true, false}, nullptr, WriteKmlDocument},
    {"geojson",
     "trovix geojson FILE [-o OUT] [--codepage CP] [--partial]\n"
     "    every waypoint, route and track of FILE as a GeoJSON FeatureCollection (RFC 7946)\n",
     ".geojson", Accepts_t{true, true, false}, nullptr, WriteGeoJsonDocument},
    {"csv",
     "trovix csv FILE [-o OUT] [--codepage CP] [--partial] [--track-points] [--keep-formulas]\n"
     "    FILE's waypoints as CSV (RFC 4180, UTF-8), or with --track-points its track points\n",
     ".csv", Accepts_t{true, true, false, true, true}, nullptr, WriteCsvDocument},
    {"html",
     "trovix html FILE [-o OUT] [--codepage CP] [--partial]\n"
     "    one HTML page of FILE: a map, elevation profiles and tables, needing no network\n",
     ".html", Accepts_t{true, true, false}, nullptr, WriteHtmlDocument},
    {"records",
     "trovix records FILE [--category TEXT] [--codepage CP]\n"
     "    the JSON of the handheld records the import makes of FILE's waypoints (category Unfiled)\n",
     ".records.json", Accepts_t{false, false, true}, Records, nullptr},
};

int RunOne(const Command_t& command, const Options_t& options, std::ostream& out, std::ostream& err) {
    return command.writer ? Export(command.writer, options, out, err) : command.run(options, out, err);
}

// FILE... -d DIR: one output per FILE, each as if written alone with -o; a file that fails
// leaves no output of its own and the others are still written. The highest exit status wins.
int RunMany(const Command_t& command, const Options_t& options, std::ostream& out, std::ostream& err,
            bool progress) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::create_directories(options.directory, ignored);
    int status = kExitOk;
    WrittenOutputs_t outputs;
    const std::size_t count = options.files.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& file = options.files[i];
        if (progress) err << "\r[" << i << "/" << count << "] " << file << "\x1b[K" << std::flush;
        Options_t one = options;
        one.file = file;
        one.directory.clear();
        one.output = (fs::path(options.directory) / (fs::path(FileName(file)).stem().string() + command.extension))
                         .string();
        // The messages of a file wait until it is done, so that none lands on the progress line.
        std::ostringstream messages;
        int code = kExitNotWritten;
        if (!outputs.Taken(one.output)) {
            code = RunOne(command, one, out, messages);
            outputs.Note(one.output);
        } else {
            messages << "trovix: " << file << ": " << one.output << " is written from an earlier FILE\n";
        }
        status = std::max(status, code);
        if (progress) err << "\r\x1b[K";
        err << messages.str() << std::flush;
    }
    if (progress) err << "[" << count << "/" << count << "] done\n";
    return status;
}

int RunCommand(const Command_t& command, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err, bool progress) {
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
    if (!options.directory.empty()) return RunMany(command, options, out, err, progress);
    return RunOne(command, options, out, err);
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool progress) {
    if (args.size() == 1 && args[0] == "--help") {
        out << "usage: trovix COMMAND FILE [OPTIONS]\ncommands:\n";
        for (const Command_t& command : kCommands) out << command.help;
        out << kOptionsHelp;
        return kExitOk;
    }
    for (const Command_t& command : kCommands) {
        if (!args.empty() && args[0] == command.name) return RunCommand(command, args, out, err, progress);
    }
    if (!args.empty()) err << "trovix: unknown command " << args[0] << "\n";
    err << kUsage << "\n";
    return kExitNotOpened;
}

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool progress) {
    try {
        return Run(args, out, err, progress);
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
