#include "tools/TOOL_Options.h"

#include <set>

#include "base/BASE_CodePageUnicode.h"

namespace tool {

const char kDefaultCategory[] = "Unfiled";

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
        if (arg == "--help") {
            options.help = true;
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
            const unsigned long number = value.find_first_not_of("0123456789") == std::string::npos &&
                                                 !value.empty() && value.size() < 6
                                             ? std::stoul(value)
                                             : 0;
            if (!base::HasUnicodeTable(static_cast<unsigned>(number))) {
                error = "unknown code page " + value +
                        " (874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 932, 936, 949 or 950)";
                return false;
            }
            options.code_page = static_cast<unsigned>(number);
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return false;
        } else {
            options.files.push_back(arg);
        }
    }
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
