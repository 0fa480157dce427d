#include "tools/TOOL_Command.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <new>
#include <sstream>
#include <utility>

#include "base/BASE_ApplicationInfo.h"
#include "tools/TOOL_Dump.h"
#include "tools/TOOL_ExceptionName.h"
#include "tools/TOOL_Export.h"
#include "tools/TOOL_Load.h"
#include "tools/TOOL_Nearest.h"
#include "tools/TOOL_Options.h"
#include "tools/TOOL_Records.h"
#include "tools/TOOL_WrittenOutputs.h"

namespace tool {

const char kUsage[] = "usage: trovix COMMAND FILE [OPTIONS]  (trovix --help lists the commands)";

namespace {

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

// Words users try for a command, beside slips of its name.
const std::pair<const char*, const char*> kAliases[] = {
    {"json", "geojson"}, {"kmz", "kml"},   {"export", "gpx"},
    {"convert", "gpx"},  {"show", "dump"}, {"read", "dump"},
};

// What to say of a first argument that is no command: a data file given without a command
// gets the command that shows it; a slip gets the nearest command.
std::string UnknownCommand(const std::string& given) {
    std::error_code ignored;
    const bool is_file = std::filesystem::is_regular_file(given, ignored) || given == "-";
    if (is_file || std::filesystem::path(given).extension() == ".tbk") {
        return given + " is not a command: give one before the file, for example trovix dump " + given;
    }
    std::vector<std::string> names;
    for (const Command_t& command : kCommands) names.push_back(command.name);
    std::string nearest = NearestName(given, names);
    for (const auto& alias : kAliases) {
        if (nearest.empty() && given == alias.first) nearest = alias.second;
    }
    std::string text = "unknown command " + given;
    if (!nearest.empty()) text += " (did you mean " + nearest + "?)";
    return text;
}

std::string VersionLine() {
    const base::ApplicationInfo_t& info = base::TheApplicationInfo();
    return "trovix " + std::to_string(info.major) + "." + std::to_string(info.minor) + "." +
           std::to_string(info.build) + "." + std::to_string(info.revision) + " (" + info.name + ", built " +
           info.build_date + ")";
}

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
        out << "usage: " << command.help << OptionsHelp(command.accepts);
        return kExitOk;
    }
    if (!options.directory.empty()) return RunMany(command, options, out, err, progress);
    return RunOne(command, options, out, err);
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool progress) {
    const std::string first = args.empty() ? std::string() : args[0];
    if (args.size() == 1 && (first == "--help" || first == "-h" || first == "help")) {
        out << "usage: trovix COMMAND FILE [OPTIONS]  (trovix help COMMAND: the options it takes)\ncommands:\n";
        for (const Command_t& command : kCommands) out << command.help;
        out << OptionsHelp(Accepts_t{true, true, true, true});
        return kExitOk;
    }
    if (args.size() == 1 && first == "--version") {
        out << VersionLine() << "\n";
        return kExitOk;
    }
    // "help COMMAND" is "COMMAND --help".
    if (args.size() == 2 && first == "help") return Run({args[1], "--help"}, out, err, progress);
    for (const Command_t& command : kCommands) {
        if (first == command.name) return RunCommand(command, args, out, err, progress);
    }
    if (!args.empty()) err << "trovix: " << UnknownCommand(first) << "\n";
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
        const bool debug = std::find(args.begin(), args.end(), "--debug") != args.end();
        err << "trovix: failed: " << FailureInWords(e, debug) << "\n";
    } catch (...) {
        err << "trovix: failed: an unknown exception\n";
    }
    return kExitRefused;
}

}  // namespace tool
