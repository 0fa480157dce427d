#include "tools/cli/TOOL_Command.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "base/BASE_ApplicationInfo.h"
#include "tools/cli/TOOL_Nearest.h"
#include "tools/cli/TOOL_Options.h"
#include "tools/cli/TOOL_Pipeline.h"
#include "tools/formats/TOOL_ExceptionName.h"

namespace tool {

const char kUsage[] = "usage: trovix COMMAND FILE [OPTIONS]  (trovix --help lists the commands)";

namespace {

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
    for (const Format_t* format : Formats()) names.push_back(format->name);
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

// "trovix csv FILE [-o OUT] [--codepage CP] [--partial] [--track-points]" and the help line:
// the format's options that take a value before --codepage, its flags last.
void WriteUsage(std::ostream& out, const Format_t& format) {
    out << "trovix " << format.name << " FILE";
    if (format.takes_output) out << " [-o OUT]";
    for (const FormatOption_t& option : format.options)
        if (option.value_name) out << " [" << option.name << " " << option.value_name << "]";
    out << " [--codepage CP]";
    if (format.takes_partial) out << " [--partial]";
    for (const FormatOption_t& option : format.options)
        if (!option.value_name) out << " [" << option.name << "]";
    out << "\n    " << format.help << "\n";
}

int RunCommand(const Format_t& format, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err, bool progress) {
    Options_t options;
    std::string error;
    if (!ParseOptions(std::vector<std::string>(args.begin() + 1, args.end()), format, options, error)) {
        err << "trovix " << args[0] << ": " << error << "\n" << kUsage << "\n";
        return kExitNotOpened;
    }
    if (options.help) {
        out << "usage: ";
        WriteUsage(out, format);
        out << OptionsHelp(&format);
        return kExitOk;
    }
    if (!options.directory.empty()) return ConvertMany(format, options, err, progress);
    return Convert(format, options, out, err);
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool progress) {
    const std::string first = args.empty() ? std::string() : args[0];
    if (args.size() == 1 && (first == "--help" || first == "-h" || first == "help")) {
        out << "usage: trovix COMMAND FILE [OPTIONS]  (trovix help COMMAND: the options it "
               "takes)\ncommands:\n";
        for (const Format_t* format : Formats()) WriteUsage(out, *format);
        out << OptionsHelp(nullptr);
        return kExitOk;
    }
    if (args.size() == 1 && first == "--version") {
        out << VersionLine() << "\n";
        return kExitOk;
    }
    // "help COMMAND" is "COMMAND --help".
    if (args.size() == 2 && first == "help") return Run({args[1], "--help"}, out, err, progress);
    if (const Format_t* format = FindFormat(first)) return RunCommand(*format, args, out, err, progress);
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
