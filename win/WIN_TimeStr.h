#pragma once
// Time and date texts as the system formats them for a locale.
#include <windows.h>

#include <string>

namespace win {

// GetTimeFormatA with the given flags; a failure raises win::Error_t.
std::string TimeText(LCID locale, DWORD flags, const SYSTEMTIME& time);

// GetDateFormatA with the short-date format; a failure raises win::Error_t.
std::string DateText(LCID locale, const SYSTEMTIME& time);

}  // namespace win
