#pragma once
// SYSTEMTIME: the system's own structure on Windows, the same layout elsewhere.
#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>

struct SYSTEMTIME {
    std::uint16_t wYear;
    std::uint16_t wMonth;
    std::uint16_t wDayOfWeek;
    std::uint16_t wDay;
    std::uint16_t wHour;
    std::uint16_t wMinute;
    std::uint16_t wSecond;
    std::uint16_t wMilliseconds;
};
#endif
