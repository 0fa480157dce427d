#pragma once
// The system's default locale as the system reports it.
#include <cstdint>
#include <string>

#include "base/BASE_Locale.h"

namespace win {

// From GetSystemDefaultLCID: abbreviated language name, English country name and ANSI code
// page. A failing query raises win::Error_t; a code page that is not a decimal number raises
// base::Assert_t.
base::LocaleKey_t SystemLocaleKey();

// The code page text as a number: decimal digits only, at most 32 bits, else base::Assert_t.
std::uint32_t ParseCodePage(const std::string& text);

}  // namespace win
