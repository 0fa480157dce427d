#include "tools/formats/TOOL_Json.h"

#include <charconv>
#include <cmath>

#include "base/BASE_DoubleChars.h"
#include "base/BASE_Exception.h"

namespace tool {

void AppendJsonString(std::string& text, std::string_view bytes) {
    text += '"';
    // A byte at a time: the texts are mostly short, and copying their runs of plain bytes whole
    // costs more in the copy's mispredicted choices of length than it saves.
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (PlainInJson(static_cast<unsigned char>(bytes[at]), JsonText_t::Bytes)) {
            text += bytes[at];
        } else {
            EscapeJson(bytes.substr(at, 1), JsonText_t::Bytes,
                       [&text](std::string_view piece) { text += piece; });
        }
    }
    text += '"';
}

std::string JsonString(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + 2);
    AppendJsonString(text, bytes);
    return text;
}

void AppendJsonReal(std::string& text, double value) {
    if (std::isnan(value)) {
        text += "\"NaN\"";
    } else if (std::isinf(value)) {
        text += value > 0 ? "\"Infinity\"" : "\"-Infinity\"";
    } else {
        char buffer[32];
        const std::to_chars_result r = base::ShortestChars(buffer, buffer + sizeof buffer, value);
        BASE_ASSERT(r.ec == std::errc());
        text.append(buffer, r.ptr);
    }
}

std::string JsonReal(double value) {
    std::string text;
    AppendJsonReal(text, value);
    return text;
}

namespace {

template <class Integer>
void AppendInteger(std::string& text, Integer value) {
    char buffer[24];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, r.ptr);
}

}  // namespace

void JsonWriter_t::String(std::string_view bytes) {
    BeforeValue();
    AppendJsonString(buffer_, bytes);
    FlushIfFull();
}

void JsonWriter_t::Int(std::int64_t value) {
    BeforeValue();
    AppendInteger(buffer_, value);
}

void JsonWriter_t::UInt(std::uint64_t value) {
    BeforeValue();
    AppendInteger(buffer_, value);
}

void JsonWriter_t::Real(double value) {
    BeforeValue();
    AppendJsonReal(buffer_, value);
}

void JsonWriter_t::Null() {
    BeforeValue();
    buffer_ += "null";
}

void JsonWriter_t::Flush() {
    if (buffer_.empty()) return;
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

void JsonWriter_t::Key(const char* key) {
    BASE_ASSERT(!levels_.empty() && !after_key_);
    BeforeValue();
    AppendJsonString(buffer_, key);
    buffer_ += ": ";
    after_key_ = true;
}

void JsonWriter_t::Open(char bracket, Layout layout) {
    BeforeValue();
    buffer_ += bracket;
    const bool outer_block = levels_.empty() || levels_.back().block;
    levels_.push_back(Level_t{outer_block && layout == Layout::block, true});
}

void JsonWriter_t::Close(char bracket) {
    BASE_ASSERT(!levels_.empty() && !after_key_);
    const Level_t level = levels_.back();
    levels_.pop_back();
    if (level.block && !level.empty) NewLine();
    buffer_ += bracket;
    if (levels_.empty()) {
        buffer_ += '\n';
        Flush();
    } else {
        FlushIfFull();
    }
}

void JsonWriter_t::BeforeValue() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    if (levels_.empty()) return;
    Level_t& level = levels_.back();
    if (!level.empty) buffer_ += level.block ? "," : ", ";
    level.empty = false;
    if (level.block) NewLine();
}

void JsonWriter_t::NewLine() {
    buffer_ += '\n';
    buffer_.append(2 * levels_.size(), ' ');
}

}  // namespace tool
