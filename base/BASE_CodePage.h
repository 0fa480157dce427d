#pragma once
// The seam to the system's ANSI code page. Multibyte text is measured character by character
// through here; the Windows build asks the C run-time in its current locale, the portable build
// uses a code page table of its own (Windows-1252 by default; every other Windows ANSI code page,
// 874, 1250..1258, 932, 936, 949 and 950, selectable).
#include <cstddef>
#include <locale>

namespace base {

// Length in bytes of the character starting at p, given n bytes remain (the run-time's mblen):
// 1 or 2 for a valid character, 0 for a zero byte, -1 for an invalid or incomplete character
// (a lead byte as the last byte of the text is incomplete).
int MBCharLength(const char* p, std::size_t n);

// Resets the multibyte conversion state (mblen with no text).
void ResetMBState();

// True when the byte is a lead byte of a double-byte character in the current code page.
bool IsLeadByte(unsigned char c);

// The current code page number (e.g. 1252, 932).
unsigned CurrentCodePage();

// Switches the current code page: the portable build selects its table, the Windows build
// sets the C run-time locale to ".<cp>" (0, the "C" locale's answer, selects "C").
// Returns false when the code page is not available.
bool SelectCodePage(unsigned code_page);

// A locale whose std::ctype<char> upper-cases and classifies bytes as the current code page does.
// The reference stays valid until the next SelectCodePage.
const std::locale& CodePageLocale();

}  // namespace base
