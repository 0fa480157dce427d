#include "model/MODEL_Number.h"

#include <charconv>
#include <cmath>
#include <ctime>

#include "base/BASE_DoubleChars.h"
#include "base/BASE_Exception.h"
#include "base/BASE_Time.h"

namespace model {

std::string_view Degrees(std::int32_t semicircles, char (&buffer)[32]) {
    return std::string_view(buffer, static_cast<std::size_t>(PutDegrees(buffer, semicircles) - buffer));
}

char* PutDegrees(char* p, std::int32_t semicircles) {
    // x * 180 / 2^31 = x * 45 / 2^29, in units of 1e-8 degrees rounded half up: exact in 64
    // bits, since 2^31 * 45 * 10^8 < 2^64.
    const bool negative = semicircles < 0;
    const std::uint64_t magnitude =
        negative ? std::uint64_t(-std::int64_t(semicircles)) : std::uint64_t(semicircles);
    const std::uint64_t units = (magnitude * 4500000000ull + (1ull << 28)) >> 29;
    if (negative && units != 0) *p++ = '-';
    p = std::to_chars(p, p + 4, units / 100000000).ptr;
    std::uint64_t fraction = units % 100000000;
    if (fraction != 0) {
        char digits[8];
        for (int i = 7; i >= 0; --i) {
            digits[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        int last = 7;
        while (digits[last] == '0') --last;
        *p++ = '.';
        for (int i = 0; i <= last; ++i) *p++ = digits[i];
    }
    return p;
}

std::string_view Integer(std::int64_t value, char (&buffer)[32]) {
    return std::string_view(buffer,
                            static_cast<std::size_t>(std::to_chars(buffer, buffer + 32, value).ptr - buffer));
}

std::string_view Unsigned(std::uint64_t value, char (&buffer)[32]) {
    return std::string_view(buffer,
                            static_cast<std::size_t>(std::to_chars(buffer, buffer + 32, value).ptr - buffer));
}

std::string_view Decimal(double value, char (&buffer)[400]) {
    BASE_ASSERT(std::isfinite(value));
    const std::to_chars_result r = base::FixedChars(buffer, buffer + sizeof buffer, value);
    BASE_ASSERT(r.ec == std::errc());
    return std::string_view(buffer, static_cast<std::size_t>(r.ptr - buffer));
}

std::string_view Real(double value, char (&buffer)[400]) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    const std::to_chars_result r = base::ShortestChars(buffer, buffer + sizeof buffer, value);
    BASE_ASSERT(r.ec == std::errc());
    return std::string_view(buffer, static_cast<std::size_t>(r.ptr - buffer));
}

double DegreesOf(std::int64_t semicircles) {
    return static_cast<double>(semicircles) * (180.0 / 2147483648.0);
}

char* PutHex(char* p, const std::uint8_t* bytes, std::size_t count) {
    static const char kHex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < count; ++i) {
        *p++ = kHex[bytes[i] >> 4];
        *p++ = kHex[bytes[i] & 0xF];
    }
    return p;
}

bool IsFinite(double value) {
    return std::isfinite(value);
}

std::string_view IsoTime(std::int64_t seconds, char (&buffer)[32]) {
    return std::string_view(buffer, static_cast<std::size_t>(PutIsoTime(buffer, seconds) - buffer));
}

char* PutIsoTime(char* p, std::int64_t seconds) {
    const std::tm t = base::CalendarTime(seconds);
    const int fields[] = {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
    const int widths[] = {4, 2, 2, 2, 2, 2};
    const char after[] = {'-', '-', 'T', ':', ':', 'Z'};
    for (int f = 0; f < 6; ++f) {
        int v = fields[f];
        for (int i = widths[f] - 1; i >= 0; --i) {
            p[i] = static_cast<char>('0' + v % 10);
            v /= 10;
        }
        p += widths[f];
        *p++ = after[f];
    }
    return p;
}

}  // namespace model
