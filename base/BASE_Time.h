#pragma once
// Calendar time: the current time, broken-down UTC time and the system's time structure.
#include <cstdint>
#include <ctime>
#include <string>

#include "base/BASE_SystemTime.h"

namespace base {

// Seconds since 1970-01-01 00:00 UTC; a failing clock raises base::Assert_t.
std::int64_t Now();

// Broken-down UTC time of any time value by calendar arithmetic (proleptic Gregorian), without
// the run-time's range: what the checked forms below and the ISO time texts are made from.
std::tm CalendarTime(std::int64_t seconds);

// Broken-down UTC time of a time value. Negative values and values beyond the year 9999
// cannot be converted and raise base::OutOfRange_t.
std::tm UtcTime(std::int64_t seconds);

// Broken-down UTC time of seconds + offset. Sums outside 0..2147483647 are formed from the
// broken-down time of the unshifted value, so seconds itself must be convertible.
std::tm UtcTime(std::int64_t seconds, std::int32_t offset);

// Year, month 1..12, day of week 0..6 from Sunday, day, hour, minute, second; milliseconds 0.
SYSTEMTIME ToSystemTime(const std::tm& time);

// "(UTC)" for offset 0, else "(UTC", the signed offset in hours to three significant digits
// (four from 10 hours on), ")": 19800 seconds give "(UTC+5.50)".
std::string ZoneText(std::int32_t offset_seconds);

}  // namespace base
