#include "trove/TROVE_Name.h"

#include <algorithm>
#include <utility>

namespace trove {

std::string TrimTrailingBlanks(const std::string& text) {
    const std::string::size_type last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

void Name_t::Write(bin::ostream& out) const {
    out.WriteText(text);
}

void Name_t::Read(bin::istream& in) {
    std::string read;
    in.ReadText(read);
    if (in.fail()) return;
    read.erase(std::min(read.size(), read.find_last_not_of(' ') + 1));
    text = std::move(read);
}

}  // namespace trove
