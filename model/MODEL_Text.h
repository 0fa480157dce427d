#pragma once
// Texts of the data file as UTF-8: bytes of its code page converted, where a byte sequence that
// is no character of it becomes U+FFFD and is counted. Each output escapes the converted text
// its own way.
#include <cstddef>
#include <string>
#include <string_view>

namespace model {

extern const char kReplacementUtf8[];  // U+FFFD

// Texts are read through their plain interface only, whatever type holds them.
template <class Text>
std::string_view View(const Text& text) {
    return std::string_view(text.data(), text.size());
}

class Utf8_t {
public:
    explicit Utf8_t(unsigned code_page) : code_page_(code_page) {}
    Utf8_t(const Utf8_t&) = delete;
    Utf8_t& operator=(const Utf8_t&) = delete;

    // bytes of the file's code page as UTF-8; valid until the next call. Printable ASCII comes
    // back as it is, without a copy.
    std::string_view Convert(std::string_view bytes);
    // Text that should be UTF-8 already (a file name); when it is not, it is read in the
    // file's code page instead.
    std::string_view ConvertName(std::string_view text);

    // A character an output has no place for, replaced by its writer.
    void CountReplaced() { ++replaced_; }
    // Characters replaced by U+FFFD so far.
    std::size_t Replaced() const { return replaced_; }
    unsigned CodePage() const { return code_page_; }

private:
    unsigned code_page_;
    std::string converted_;
    std::size_t replaced_ = 0;
};

// True when text is well-formed UTF-8 without surrogates.
bool IsUtf8(std::string_view text);

}  // namespace model
