#pragma once
// Text of a code page as UTF-8, with tables of our own for every code page the portable seam
// knows (874, 1250..1258, 932, 936, 949, 950), so both builds convert alike whatever the
// system has.
// The sequences are those of the seam: a lead byte followed by a byte outside the trail range
// stands alone, and the byte after it is read on its own.
#include <cstddef>
#include <string>
#include <string_view>

namespace base {

// True for the code pages ToUtf8 converts.
bool HasUnicodeTable(unsigned code_page);

// Appends text, read in code_page, to out as UTF-8. Every byte sequence that is not a
// character of the code page (a lone lead byte, an unassigned byte or pair) becomes U+FFFD;
// returns how many did. A zero byte is copied as it is. Raises base::Assert_t for a code page
// without a table.
std::size_t AppendUtf8(std::string& out, std::string_view text, unsigned code_page);

// The same as UTF-16 (every character of the tables is one unit).
std::size_t AppendUtf16(std::u16string& out, std::string_view text, unsigned code_page);

}  // namespace base
