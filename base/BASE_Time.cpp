#include "base/BASE_Time.h"

#include <cstdlib>
#include <iomanip>
#include <locale>
#include <sstream>

#include "base/BASE_Exception.h"

namespace base {

namespace {

// The run-time's gmtime covers 0..2147483647 in every build (time_t may be 32 bits wide);
// later values are converted by calendar arithmetic up to the end of year 9999, the last one
// a SYSTEMTIME can hold.
constexpr std::int64_t kLastRunTime = 2147483647;
constexpr std::int64_t kLastConvertible = 253402300799;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}
std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
    return a - FloorDiv(a, b) * b;
}

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

}  // namespace

std::tm CalendarTime(std::int64_t seconds) {
    const std::int64_t days = FloorDiv(seconds, 86400);
    const std::int64_t rest = seconds - days * 86400;
    const std::int64_t z = days + 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);

    std::tm t{};
    t.tm_sec = static_cast<int>(rest % 60);
    t.tm_min = static_cast<int>(rest / 60 % 60);
    t.tm_hour = static_cast<int>(rest / 3600);
    t.tm_mday = day;
    t.tm_mon = month - 1;
    t.tm_year = static_cast<int>(year - 1900);
    t.tm_wday = static_cast<int>(FloorMod(days + 4, 7));  // 1970-01-01 was a Thursday
    t.tm_yday = static_cast<int>(days - DaysFromCivil(year, 1, 1));
    t.tm_isdst = 0;
    return t;
}

std::int64_t Now() {
#ifdef _WIN32
    const std::int64_t now = ::_time64(nullptr);  // time_t may be 32 bits wide here
#else
    const std::int64_t now = std::time(nullptr);
#endif
    BASE_ASSERT(now != -1);
    return now;
}

std::tm UtcTime(std::int64_t seconds) {
    if (seconds < 0 || seconds > kLastConvertible) throw OutOfRange_t("BASE_Time", 167);
    if (seconds > kLastRunTime) return CalendarTime(seconds);
    const std::time_t value = static_cast<std::time_t>(seconds);
    const std::tm* converted = std::gmtime(&value);
    if (converted == nullptr) throw OutOfRange_t("BASE_Time", 167);
    return *converted;
}

std::tm UtcTime(std::int64_t seconds, std::int32_t offset) {
    const std::int64_t sum = seconds + offset;
    if (sum >= 0 && sum <= kLastRunTime) return UtcTime(sum);
    UtcTime(seconds);  // the unshifted value must be convertible
    return CalendarTime(sum);
}

SYSTEMTIME ToSystemTime(const std::tm& time) {
    SYSTEMTIME st{};
    st.wYear = static_cast<std::uint16_t>(time.tm_year + 1900);
    st.wMonth = static_cast<std::uint16_t>(time.tm_mon + 1);
    st.wDayOfWeek = static_cast<std::uint16_t>(time.tm_wday);
    st.wDay = static_cast<std::uint16_t>(time.tm_mday);
    st.wHour = static_cast<std::uint16_t>(time.tm_hour);
    st.wMinute = static_cast<std::uint16_t>(time.tm_min);
    st.wSecond = static_cast<std::uint16_t>(time.tm_sec);
    st.wMilliseconds = 0;
    return st;
}

std::string ZoneText(std::int32_t offset_seconds) {
    if (offset_seconds == 0) return "(UTC)";
    const double hours = offset_seconds / 3600.0;
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << "(UTC" << std::showpos << std::showpoint << std::setprecision(std::abs(hours) >= 10 ? 4 : 3)
        << hours << ")";
    return out.str();
}

}  // namespace base
