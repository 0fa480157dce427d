#include "tools/cli/TOOL_Options.h"

#include <algorithm>
#include <set>

#include "base/BASE_CodePageNames.h"
#include "base/BASE_CodePageUnicode.h"
#include "tools/cli/TOOL_Nearest.h"

namespace tool {

namespace {

std::vector<std::string> TakenOptions(const Format_t& format) {
    std::vector<std::string> taken = {"-d", "-j", "--codepage", "--debug", "--help"};
    if (format.takes_output) taken.push_back("-o");
    if (format.takes_partial) taken.push_back("--partial");
    for (const FormatOption_t& option : format.options) taken.push_back(option.name);
    return taken;
}

// The format's own option of that name; null when it has none.
const FormatOption_t* OwnOption(const Format_t& format, const std::string& name) {
    for (const FormatOption_t& option : format.options)
        if (name == option.name) return &option;
    return nullptr;
}

// An option some command takes: named as one this command does not take.
bool AnyCommandTakes(const std::string& name) {
    if (name == "-o" || name == "--partial") return true;
    for (const Format_t* format : Formats())
        if (OwnOption(*format, name)) return true;
    return false;
}

// "  --category TEXT  the category ...": the format's own options, aligned with the others.
std::string OwnOptionLine(const FormatOption_t& option) {
    std::string left = std::string("  ") + option.name;
    if (option.value_name) left += std::string(" ") + option.value_name;
    return left + std::string(left.size() < 19 ? 19 - left.size() : 1, ' ') + option.help + "\n";
}

}  // namespace

std::string OptionsHelp(const Format_t* format) {
    const bool all = format == nullptr;
    std::string text = "options:\n";
    if (all || format->takes_output)
        text += "  -o OUT           write to OUT instead of standard output (OUT - is standard output)\n";
    text +=
        "  -d DIR           write DIR/NAME.EXT for each FILE (several FILEs may be given)\n"
        "  -j N             with -d, convert N files at a time (default: one per core)\n"
        "  FILE -           read the data file from standard input\n"
        "  --codepage CP    the code page of the file's texts, by number or name (default 1252):\n"
        "                   1252 western, 1250 central-european, 1251 cyrillic, 1253 greek,\n"
        "                   1254 turkish, 1255 hebrew, 1256 arabic, 1257 baltic, 1258 vietnamese,\n"
        "                   874 thai, 932 japanese, 936 chinese-simplified, 949 korean,\n"
        "                   950 chinese-traditional; auto chooses one from the file's texts\n";
    if (all || format->takes_partial)
        text += "  --partial        for a refused file, still write what was read before the fault\n";
    // Every format's own options for the tool's help, in the order of the formats' list.
    for (const Format_t* each : Formats()) {
        if (!all && each != format) continue;
        for (const FormatOption_t& option : each->options) text += OwnOptionLine(option);
    }
    text +=
        "  --debug          errors also name the program's exception, for a bug report\n"
        "  -h, --help       this text\n"
        "exit status: 0 written (a record cut short by the end of the file is skipped with a note),\n"
        "  1 cannot be opened (no such file, a folder, a device, no permission) or wrong arguments,\n"
        "  2 refused (not a data file, empty, cut short before any record, damaged, newer),\n"
        "  3 the output cannot be written (nothing is left in OUT's place), 4 out of memory\n";
    return text;
}

bool ParseOptions(const std::vector<std::string>& args, const Format_t& format, Options_t& options,
                  std::string& error) {
    std::set<std::string> seen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const FormatOption_t* own = OwnOption(format, arg);
        const bool takes_value = arg == "--codepage" || arg == "-d" || arg == "-j" ||
                                 (format.takes_output && arg == "-o") || (own && own->value_name);
        if (takes_value && i + 1 == args.size()) {
            error = "option " + arg + " needs a value";
            return false;
        }
        if (takes_value && !seen.insert(arg).second) {
            error = "option " + arg + " given twice";
            return false;
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--debug") {
            options.debug = true;
        } else if (format.takes_partial && arg == "--partial") {
            options.partial = true;
        } else if (own) {
            options.format.Set(arg, own->value_name ? args[++i] : std::string());
        } else if (format.takes_output && arg == "-o") {
            options.output = args[++i];
        } else if (arg == "-d") {
            options.directory = args[++i];
        } else if (arg == "-j") {
            const std::string& value = args[++i];
            const bool number = !value.empty() && value.size() < 5 &&
                                value.find_first_not_of("0123456789") == std::string::npos &&
                                std::stoul(value) > 0;
            if (!number) {
                error = "-j takes a number of files from 1 up, not " + value;
                return false;
            }
            options.jobs = static_cast<unsigned>(std::stoul(value));
        } else if (arg == "--codepage") {
            const std::string& value = args[++i];
            const unsigned number = base::CodePageFromText(value);
            if (number == 0 && value != "auto") {
                error = "unknown code page " + value + " (auto, a number or a name that --help lists)";
                return false;
            }
            options.code_page = number == 0 ? kDefaultCodePage : number;
            options.code_page_given = true;
            options.code_page_auto = number == 0;
        } else if (AnyCommandTakes(arg)) {
            error = "option " + arg + " is not one this command takes (its --help lists them)";
            return false;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            const std::string nearest = NearestName(arg, TakenOptions(format));
            if (!nearest.empty()) error += " (did you mean " + nearest + "?)";
            return false;
        } else {
            options.files.push_back(arg);
        }
    }
    options.partial_offered = format.takes_partial;
    if (options.help) return true;
    if (options.files.empty()) {
        error = "no FILE";
        return false;
    }
    if (options.files.size() > 1 && options.directory.empty()) {
        error = "more than one FILE (-d DIR writes one output per FILE)";
        return false;
    }
    if (!options.directory.empty() && !options.output.empty()) {
        error = "-o and -d together";
        return false;
    }
    options.file = options.files.front();
    return true;
}

}  // namespace tool
