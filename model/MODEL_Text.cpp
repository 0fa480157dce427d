#include "model/MODEL_Text.h"

#include "base/BASE_CodePageUnicode.h"

namespace model {

const char kReplacementUtf8[] = "\xEF\xBF\xBD";

namespace {

bool IsAscii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) > 0x7E) return false;
    return true;
}

}  // namespace

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t length = c < 0x80                 ? 1
                             : c >= 0xC2 && c <= 0xDF ? 2
                             : c >= 0xE0 && c <= 0xEF ? 3
                             : c >= 0xF0 && c <= 0xF4 ? 4
                                                      : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        const unsigned char d = length > 1 ? static_cast<unsigned char>(text[i + 1]) : 0;
        if ((c == 0xE0 && d < 0xA0) || (c == 0xED && d >= 0xA0) || (c == 0xF0 && d < 0x90) ||
            (c == 0xF4 && d >= 0x90)) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string_view Utf8_t::Convert(std::string_view bytes) {
    if (IsAscii(bytes)) return bytes;
    converted_.clear();
    replaced_ += base::AppendUtf8(converted_, bytes, code_page_);
    return converted_;
}

std::string_view Utf8_t::ConvertName(std::string_view text) {
    return IsUtf8(text) ? text : Convert(text);
}

}  // namespace model
