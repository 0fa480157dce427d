#include "trove/TROVE_Name.h"

#include <utility>

#include "trove/bin/BIN_StreamDecode.h"

namespace trove {

std::string TrimTrailingBlanks(const std::string& text) {
    std::string trimmed = text;
    TrimTrailingBlanksInPlace(trimmed);
    return trimmed;
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
    const std::string_view::size_type last = text.find_last_not_of(' ');
    return text.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

void TrimTrailingBlanksInPlace(std::string& text) {
    text.erase(WithoutTrailingBlanks(text).size());
}

void Name_t::Write(bin::ostream& out) const {
    out.WriteText(text);
}

void Name_t::Read(bin::istream& in) {
    bin::DecodeStream(in, [this](bin::SpanReader_t& bytes) { Read(bytes); });
}

void Name_t::Read(bin::SpanReader_t& in) {
    std::string_view read;
    in.ReadTextView(read);
    if (in.fail()) return;
    text.assign(WithoutTrailingBlanks(read));
}

}  // namespace trove
