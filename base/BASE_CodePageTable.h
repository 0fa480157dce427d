#pragma once
// Portable build only: the locale of any code page the seam knows, without selecting it.
#include <locale>

namespace base {

// The locale whose ctype<char> follows the given code page, or null when it is not supported.
// The locale lives as long as the process.
const std::locale* CodePageLocaleFor(unsigned code_page);

}  // namespace base
