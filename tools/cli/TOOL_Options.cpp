#include "tools/cli/TOOL_Options.h"

#include <set>

#include "base/BASE_CodePageUnicode.h"

namespace tool {

namespace {

// The format's own option of that name; null when it has none.
const FormatOption_t* OwnOption(const Format_t& format, const std::string& name) {
    for (const FormatOption_t& option : format.options)
        if (name == option.name) return &option;
    return nullptr;
}

}  // namespace

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
        if (arg == "--help") {
            options.help = true;
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
