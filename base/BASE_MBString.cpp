#include "base/BASE_MBString.h"

#include "base/BASE_CodePage.h"
#include "base/BASE_Exception.h"

namespace base {

namespace {

// Length of the character at pos, or -1 when it is not a valid character.
int LengthAt(const std::string& text, std::size_t pos) {
    const int length = MBCharLength(text.data() + pos, text.size() - pos);
    return length == 0 ? 1 : length;
}

std::size_t CheckedLengthAt(const std::string& text, std::size_t pos) {
    const int length = LengthAt(text, pos);
    if (length < 0) throw InvalidMBCharacter_t("BASE_MBString", 122);
    return static_cast<std::size_t>(length);
}

}  // namespace

std::size_t CharCount(const std::string& text) {
    ResetMBState();
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) pos += CheckedLengthAt(text, pos);
    return count;
}

std::string ValidPrefix(const std::string& text) {
    ResetMBState();
    std::size_t pos = 0;
    while (pos < text.size()) {
        const int length = LengthAt(text, pos);
        if (length < 0) break;
        pos += static_cast<std::size_t>(length);
    }
    return text.substr(0, pos);
}

void CutToWholeChars(std::string& text, std::size_t limit) {
    if (text.size() <= limit) return;
    ResetMBState();
    std::size_t pos = 0;
    for (;;) {
        const int length = LengthAt(text, pos);
        const std::size_t step = length < 0 ? 1 : static_cast<std::size_t>(length);
        if (pos + step > limit) break;
        pos += step;
    }
    text.resize(pos);
}

std::string CharSubstring(const std::string& text, std::size_t skip, std::size_t count,
                          const std::locale& locale) {
    const auto& ctype = std::use_facet<std::ctype<char>>(locale);
    ResetMBState();
    std::size_t pos = 0;
    for (; skip > 0 && pos < text.size(); --skip) pos += CheckedLengthAt(text, pos);
    std::string result;
    while (count > 0 && pos < text.size()) {
        const std::size_t length = CheckedLengthAt(text, pos);
        if (length > 1 || !ctype.is(std::ctype_base::space, text[pos])) {
            result.append(text, pos, length);
            --count;
        }
        pos += length;
    }
    return result;
}

std::string ToUpper(const std::string& text, const std::locale& locale) {
    const auto& ctype = std::use_facet<std::ctype<char>>(locale);
    ResetMBState();
    std::string result = text;
    for (std::size_t pos = 0; pos < result.size();) {
        const std::size_t length = CheckedLengthAt(result, pos);
        if (length == 1) result[pos] = ctype.toupper(result[pos]);
        pos += length;
    }
    return result;
}

}  // namespace base
