#include "tools/TOOL_Json.h"

#include <charconv>
#include <cmath>

#include "base/BASE_Exception.h"

namespace tool {

std::string JsonString(std::string_view bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() + 2);
    text += '"';
    for (char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b == '"' || b == '\\') {
            text += '\\';
            text += c;
        } else if (b >= 0x20 && b <= 0x7E) {
            text += c;
        } else {
            text += "\\u00";
            text += kHex[b >> 4];
            text += kHex[b & 0xF];
        }
    }
    text += '"';
    return text;
}

std::string JsonReal(double value) {
    if (std::isnan(value)) return "\"NaN\"";
    if (std::isinf(value)) return value > 0 ? "\"Infinity\"" : "\"-Infinity\"";
    char buffer[32];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
    BASE_ASSERT(r.ec == std::errc());
    return std::string(buffer, r.ptr);
}

void JsonWriter_t::Key(const char* key) {
    BASE_ASSERT(!levels_.empty() && !after_key_);
    BeforeValue();
    out_ << JsonString(key) << ": ";
    after_key_ = true;
}

void JsonWriter_t::Open(char bracket, Layout layout) {
    BeforeValue();
    out_ << bracket;
    const bool outer_block = levels_.empty() || levels_.back().block;
    levels_.push_back(Level_t{outer_block && layout == Layout::block, true});
}

void JsonWriter_t::Close(char bracket) {
    BASE_ASSERT(!levels_.empty() && !after_key_);
    const Level_t level = levels_.back();
    levels_.pop_back();
    if (level.block && !level.empty) NewLine();
    out_ << bracket;
    if (levels_.empty()) out_ << '\n';
}

void JsonWriter_t::Scalar(const std::string& text) {
    BeforeValue();
    out_ << text;
}

void JsonWriter_t::BeforeValue() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    if (levels_.empty()) return;
    Level_t& level = levels_.back();
    if (!level.empty) out_ << (level.block ? "," : ", ");
    level.empty = false;
    if (level.block) NewLine();
}

void JsonWriter_t::NewLine() {
    out_ << '\n';
    for (std::size_t i = 0; i < levels_.size(); ++i) out_ << "  ";
}

}  // namespace tool
