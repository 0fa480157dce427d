#pragma once
// The code pages the portable tables cover, by number and by the name a user knows them by
// ("cyrillic" for 1251).
#include <cstddef>
#include <string>
#include <string_view>

namespace base {

struct CodePageName_t {
    unsigned code_page;
    const char* name;
};

// Every supported code page with its name, Western first.
extern const CodePageName_t kCodePageNames[];
extern const std::size_t kCodePageNameCount;

// The code page a number ("1251") or a name ("cyrillic") gives; 0 for anything else.
unsigned CodePageFromText(std::string_view text);

// The name of a supported code page; empty for any other number.
std::string_view CodePageName(unsigned code_page);

// "1251 (cyrillic)", or the bare number for a page without a name.
std::string DescribeCodePage(unsigned code_page);

}  // namespace base
