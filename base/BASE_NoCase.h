#pragma once
// The order of names: without regard to letter case, with the multibyte characters of the
// current code page kept whole. Single-byte characters compare by their upper-case forms as
// signed 8-bit values; any other pair compares by character code (lead * 256 + trail).
// A text holding an invalid multibyte character raises base::InvalidMBCharacter_t.
#include <array>
#include <locale>
#include <string>

namespace base {

// The rule bound to one locale's case mapping, taken once: for comparing many names.
class NoCase_t {
public:
    explicit NoCase_t(const std::locale& locale);

    bool Less(const std::string& a, const std::string& b) const;
    bool Equal(const std::string& a, const std::string& b) const;

private:
    // Negative when a sorts first, positive when b does, 0 when the first n characters match.
    int CompareChars(const std::string& a, const std::string& b, std::size_t n) const;

    std::array<signed char, 256> upper_;
};

bool NameLess(const std::string& a, const std::string& b, const std::locale& locale);
bool NameEqual(const std::string& a, const std::string& b, const std::locale& locale);

}  // namespace base
