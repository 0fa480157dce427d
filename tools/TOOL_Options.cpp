#include "tools/TOOL_Options.h"

#include <set>

#include "base/BASE_CodePageNames.h"
#include "base/BASE_CodePageUnicode.h"
#include "tools/TOOL_Nearest.h"

namespace tool {

const char kDefaultCategory[] = "Unfiled";

namespace {

std::vector<std::string> TakenOptions(const Accepts_t& accepts) {
    std::vector<std::string> taken = {"-d", "--codepage", "--debug", "--help"};
    if (accepts.output) taken.push_back("-o");
    if (accepts.partial) taken.push_back("--partial");
    if (accepts.category) taken.push_back("--category");
    if (accepts.track_points) taken.push_back("--track-points");
    if (accepts.keep_formulas) taken.push_back("--keep-formulas");
    return taken;
}

}  // namespace

std::string OptionsHelp(const Accepts_t& accepts) {
    std::string text = "options:\n";
    if (accepts.output) text += "  -o OUT           write to OUT instead of standard output (OUT - is standard output)\n";
    text +=
        "  -d DIR           write DIR/NAME.EXT for each FILE (several FILEs may be given)\n"
        "  FILE -           read the data file from standard input\n"
        "  --codepage CP    the code page of the file's texts, by number or name (default 1252):\n"
        "                   1252 western, 1250 central-european, 1251 cyrillic, 1253 greek,\n"
        "                   1254 turkish, 1255 hebrew, 1256 arabic, 1257 baltic, 1258 vietnamese,\n"
        "                   874 thai, 932 japanese, 936 chinese-simplified, 949 korean,\n"
        "                   950 chinese-traditional; auto chooses one from the file's texts\n";
    if (accepts.partial)
        text += "  --partial        for a refused file, still write what was read before the fault\n";
    if (accepts.category) text += "  --category TEXT  the category of the handheld records (records)\n";
    if (accepts.track_points)
        text += "  --track-points   one row per track point instead of per waypoint (csv)\n";
    if (accepts.keep_formulas)
        text += "  --keep-formulas  texts starting with = + - @ as they are, not as text (csv)\n";
    text +=
        "  --debug          errors also name the program's exception, for a bug report\n"
        "  -h, --help       this text\n"
        "exit status: 0 written (a record cut short by the end of the file is skipped with a note),\n"
        "  1 cannot be opened (no such file, a folder, a device, no permission) or wrong arguments,\n"
        "  2 refused (not a data file, empty, cut short before any record, damaged, newer),\n"
        "  3 the output cannot be written (nothing is left in OUT's place), 4 out of memory\n";
    return text;
}

bool ParseOptions(const std::vector<std::string>& args, const Accepts_t& accepts, Options_t& options,
                  std::string& error) {
    std::set<std::string> seen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takes_value = arg == "--codepage" || arg == "-d" || (accepts.output && arg == "-o") ||
                                 (accepts.category && arg == "--category");
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
        } else if (accepts.partial && arg == "--partial") {
            options.partial = true;
        } else if (accepts.track_points && arg == "--track-points") {
            options.track_points = true;
        } else if (accepts.keep_formulas && arg == "--keep-formulas") {
            options.keep_formulas = true;
        } else if (accepts.output && arg == "-o") {
            options.output = args[++i];
        } else if (arg == "-d") {
            options.directory = args[++i];
        } else if (accepts.category && arg == "--category") {
            options.category = args[++i];
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
        } else if (arg == "-o" || arg == "--partial" || arg == "--category" || arg == "--track-points" ||
                   arg == "--keep-formulas") {
            error = "option " + arg + " is not one this command takes (its --help lists them)";
            return false;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            const std::string nearest = NearestName(arg, TakenOptions(accepts));
            if (!nearest.empty()) error += " (did you mean " + nearest + "?)";
            return false;
        } else {
            options.files.push_back(arg);
        }
    }
    options.partial_offered = accepts.partial;
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
