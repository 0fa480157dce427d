#pragma once
// Buffered UTF-8 output for the exports: markup as it stands, and texts of the data file
// converted from its code page, where a byte sequence that is no character of it becomes
// U+FFFD and is counted. Each format escapes the converted text its own way.
#include <cstddef>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "model/MODEL_Number.h"
#include "model/MODEL_Text.h"

namespace tool {

// The model's texts and numbers, as every writer names them.
using model::Decimal;
using model::Degrees;
using model::Integer;
using model::IsFinite;
using model::IsoTime;
using model::kReplacementUtf8;
using model::PutDegrees;
using model::PutIsoTime;
using model::Real;
using model::Unsigned;
using model::View;

class TextOut_t {
public:
    TextOut_t(std::ostream& out, unsigned code_page);
    TextOut_t(const TextOut_t&) = delete;
    TextOut_t& operator=(const TextOut_t&) = delete;

    TextOut_t& Raw(std::string_view markup) {
        if (markup.size() > static_cast<std::size_t>(end_ - at_)) return RawSlow(markup);
        if (markup.empty()) return *this;  // an empty view may hold no pointer at all
        std::memcpy(at_, markup.data(), markup.size());
        at_ += markup.size();
        return *this;
    }

    // Markup from a block of at least N readable bytes: when it fits, N bytes are copied and
    // the markup's length counted, a copy of one length, without the choices by length that a
    // copy of the markup's own makes (and mispredicts, field after field).
    template <std::size_t N>
    TextOut_t& RawFromBlock(std::string_view markup) {
        if (markup.size() > N || N > static_cast<std::size_t>(end_ - at_)) return Raw(markup);
        std::memcpy(at_, markup.data(), N);
        at_ += markup.size();
        return *this;
    }

    // bytes of the file's code page as UTF-8; valid until the next call. Printable ASCII comes
    // back as it is, without a copy.
    std::string_view Utf8(std::string_view bytes) { return utf8_.Convert(bytes); }
    // Text that should be UTF-8 already (a file name); when it is not, it is read in the
    // file's code page instead.
    std::string_view Utf8Name(std::string_view text) { return utf8_.ConvertName(text); }

    // A character the format has no place for, replaced by the caller.
    void CountReplaced() { utf8_.CountReplaced(); }
    // Characters replaced by U+FFFD so far.
    std::size_t Replaced() const { return utf8_.Replaced(); }

    // Hands everything buffered to the stream.
    void Flush();

private:
    static constexpr std::size_t kCapacity = 1 << 16;

    TextOut_t& RawSlow(std::string_view markup);

    std::ostream& out_;
    model::Utf8_t utf8_;
    std::unique_ptr<char[]> buffer_;
    char* at_;
    char* end_;
};

}  // namespace tool
