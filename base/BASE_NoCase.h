#pragma once
// The order of names: without regard to letter case, with the multibyte characters of the
// current code page kept whole. Single-byte characters compare by their upper-case forms as
// signed 8-bit values; any other pair compares by character code (lead * 256 + trail).
// A text holding an invalid multibyte character raises base::InvalidMBCharacter_t.
#include <array>
#include <cstddef>
#include <cstdint>
#include <locale>
#include <string>

namespace base {

// The rule bound to one locale's case mapping, taken once: for comparing many names.
class NoCase_t {
public:
    explicit NoCase_t(const std::locale& locale);

    bool Less(const std::string& a, const std::string& b) const;
    bool Equal(const std::string& a, const std::string& b) const;

    // A summary of a name for sorting many names quickly: its first 16 characters, upper-cased,
    // as two big-endian numbers. Only names made wholly of the bytes 0x01 to 0x7F get one
    // (plain); of two plain names, the one with the smaller key sorts first, and equal keys of
    // names no longer than 16 bytes and of the same length mean equal names. Any other pair
    // needs Less.
    struct SortKey_t {
        std::uint64_t high = 0;
        std::uint64_t low = 0;
        std::size_t length = 0;
        bool plain = false;
    };
    SortKey_t SortKey(const std::string& text) const;

private:
    // Negative when a sorts first, positive when b does, 0 when the first n characters match.
    int CompareChars(const std::string& a, const std::string& b, std::size_t n) const;

    std::array<signed char, 256> upper_;
    // Whether 0x01 to 0x7F upper-case as in ASCII (a to z only): then eight plain bytes are
    // upper-cased at once.
    bool ascii_case_ = false;
};

bool NameLess(const std::string& a, const std::string& b, const std::locale& locale);
bool NameEqual(const std::string& a, const std::string& b, const std::locale& locale);

}  // namespace base
