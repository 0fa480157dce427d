#include "base/BASE_StringReplace.h"

#include <set>

#include "base/BASE_Exception.h"

namespace base {

void StringReplace(std::string& text, const std::vector<std::string>& args, const char* file, int line) {
    std::set<std::size_t> used;
    std::size_t pos = 0;
    while ((pos = text.find('%', pos)) != std::string::npos) {
        if (pos + 1 == text.size()) throw Assert_t(file, line);
        const char c = text[pos + 1];
        if (c == '%') {
            text.erase(pos, 1);
            pos += 1;
            continue;
        }
        const std::size_t index = static_cast<std::size_t>(c - '0');
        if (c < '0' || c > '9' || index >= args.size()) throw Assert_t("BASE_StringReplace", 48);
        text.replace(pos, 2, args[index]);
        pos += args[index].size();
        used.insert(index);
    }
    if (used.size() != args.size()) throw Assert_t(file, line);
}

}  // namespace base
