#pragma once
// Multibyte-aware operations on narrow text in the current code page (see BASE_CodePage.h).
// An invalid or incomplete character raises base::InvalidMBCharacter_t unless stated otherwise.
// A zero byte inside a std::string counts as a one-byte character.
#include <cstddef>
#include <locale>
#include <string>

namespace base {

// The number of characters.
std::size_t CharCount(const std::string& text);

// The longest prefix made of whole valid characters; never raises.
std::string ValidPrefix(const std::string& text);

// Cuts text to at most limit bytes, never inside a multibyte character (an invalid byte counts
// as a character of its own); never raises.
void CutToWholeChars(std::string& text, std::size_t limit);

// Skips `skip` characters, then collects up to `count` characters, leaving out (and not
// counting) single-byte characters that the locale classifies as white space.
std::string CharSubstring(const std::string& text, std::size_t skip, std::size_t count,
                          const std::locale& locale);

// Upper-cases single-byte characters with the locale; multibyte characters stay as they are.
std::string ToUpper(const std::string& text, const std::locale& locale);

}  // namespace base
