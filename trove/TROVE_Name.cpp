#include "trove/TROVE_Name.h"

#include <utility>

namespace trove {

std::string TrimTrailingBlanks(const std::string& text) {
    std::string trimmed = text;
    TrimTrailingBlanksInPlace(trimmed);
    return trimmed;
}

void TrimTrailingBlanksInPlace(std::string& text) {
    const std::string::size_type last = text.find_last_not_of(' ');
    text.erase(last == std::string::npos ? 0 : last + 1);
}

void Name_t::Write(bin::ostream& out) const {
    out.WriteText(text);
}

void Name_t::Read(bin::istream& in) {
    std::string read;
    in.ReadText(read);
    if (in.fail()) return;
    TrimTrailingBlanksInPlace(read);
    text = std::move(read);
}

}  // namespace trove
