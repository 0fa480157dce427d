#include "tools/cli/TOOL_Command.h"

#include <algorithm>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "tools/cli/TOOL_Options.h"
#include "tools/cli/TOOL_Pipeline.h"
#include "tools/formats/TOOL_ExceptionName.h"

namespace tool {

const char kUsage[] = "usage: trovix COMMAND FILE [OPTIONS]  (trovix --help lists the commands)";

namespace {

const char kOptionsHelp[] =
    "options:\n"
    "  -o OUT         write to OUT instead of standard output\n"
    "  -d DIR         write DIR/NAME.EXT for each FILE (several FILEs may be given)\n"
    "  -j N           with -d, convert N files at a time (default: one per core)\n"
    "  FILE -         read the data file from standard input\n"
    "  --codepage CP  the code page of the file's texts: 1252 (default), 874, 1250, 1251, 1253,\n"
    "                 1254, 1255, 1256, 1257, 1258, 932, 936, 949 or 950\n"
    "  --partial      for a refused file, still write what was read before the fault\n";
const char kHelpHelp[] =
    "  --help         this text\n"
    "exit status: 0 written, 1 cannot be opened (or a folder or device) or wrong arguments, 2 refused,\n"
    "  3 the output cannot be written (nothing is left in OUT's place), 4 out of memory\n";

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

// The options every command takes, then every format's own, by name, then --help.
void WriteOptionsHelp(std::ostream& out) {
    std::vector<const FormatOption_t*> own;
    for (const Format_t* format : Formats())
        for (const FormatOption_t& option : format->options) own.push_back(&option);
    std::sort(own.begin(), own.end(), [](const FormatOption_t* a, const FormatOption_t* b) {
        return std::string(a->name) < b->name;
    });
    out << kOptionsHelp;
    for (const FormatOption_t* option : own) {
        std::string left = std::string("  ") + option->name;
        if (option->value_name) left += std::string(" ") + option->value_name;
        out << left << std::string(left.size() < 19 ? 19 - left.size() : 1, ' ') << option->help << "\n";
    }
    out << kHelpHelp;
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
        WriteOptionsHelp(out);
        return kExitOk;
    }
    if (!options.directory.empty()) return ConvertMany(format, options, err, progress);
    return Convert(format, options, out, err);
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool progress) {
    if (args.size() == 1 && args[0] == "--help") {
        out << "usage: trovix COMMAND FILE [OPTIONS]\ncommands:\n";
        for (const Format_t* format : Formats()) WriteUsage(out, *format);
        WriteOptionsHelp(out);
        return kExitOk;
    }
    if (!args.empty())
        if (const Format_t* format = FindFormat(args[0]))
            return RunCommand(*format, args, out, err, progress);
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
