#include "base/BASE_DoubleChars.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/BASE_Exception.h"

namespace base {

namespace {

// A finite, positive double as its shortest digits d[0].d[1]... times 10^exponent, no trailing
// zeros.
struct Digits_t {
    char digits[20];
    int count = 0;
    int exponent = 0;
};

// The digits of mantissa (count of them) at exponent, as "d.ddde+X" for strtod.
bool RoundTrips(std::uint64_t mantissa, int count, int exponent, double value, Digits_t& out) {
    char text[40];
    char digits[21];
    std::snprintf(digits, sizeof digits, "%0*llu", count, static_cast<unsigned long long>(mantissa));
    std::snprintf(text, sizeof text, "%c.%se%d", digits[0], digits + 1, exponent);
    if (std::strtod(text, nullptr) != value) return false;
    int n = count;
    while (n > 1 && digits[n - 1] == '0') --n;
    std::memcpy(out.digits, digits, static_cast<std::size_t>(n));
    out.count = n;
    out.exponent = exponent;
    return true;
}

constexpr double kTwoTo53 = 9007199254740992.0;

// The digits of a whole number below 2^53, trailing zeros cut, as a value of decimals decimals.
Digits_t FromWhole(std::uint64_t whole, int decimals) {
    Digits_t out;
    char reversed[20];
    int n = 0;
    do {
        reversed[n++] = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    out.exponent = n - 1 - decimals;
    int first = 0;
    while (first < n - 1 && reversed[first] == '0') ++first;
    for (int i = n - 1; i >= first; --i) out.digits[out.count++] = reversed[i];
    return out;
}

// Most values of a data file have a few decimals (altitudes, depths, distances): the number of
// k decimals nearest to value reads back as value, and numbers of k decimals lie further apart
// than doubles there, so that it is the only one and no shorter one does. Found without printf,
// which is slow where it computes in software quadruple precision (the WebAssembly build).
bool FewDecimals(double value, Digits_t& out) {
    const double ulp = std::nextafter(value, 2 * value) - value;
    double scale = 1.0;
    for (int k = 0; k <= 8; ++k, scale *= 10) {
        const double scaled = value * scale;
        if (scaled >= kTwoTo53 || 1.0 / scale <= 2 * ulp) return false;
        const double whole = std::floor(scaled + 0.5);
        if (whole / scale == value) {
            out = FromWhole(static_cast<std::uint64_t>(whole), k);
            return true;
        }
    }
    return false;
}

// Of the numbers of p significant digits, the one nearest to value when it reads back as value,
// else its neighbour on value's other side: the shortest text's digits, as the shortest
// round-trip algorithms choose them.
Digits_t Shortest(double value) {
    Digits_t out;
    if (FewDecimals(value, out)) return out;
    for (int p = 1; p <= 17; ++p) {
        char text[40];
        std::snprintf(text, sizeof text, "%.*e", p - 1, value);
        // text is "d[.ddd]e±X".
        std::uint64_t mantissa = 0;
        const char* c = text;
        for (; *c != 'e'; ++c)
            if (*c != '.') mantissa = mantissa * 10 + static_cast<std::uint64_t>(*c - '0');
        int exponent = std::atoi(c + 1);
        if (RoundTrips(mantissa, p, exponent, value, out)) return out;
        std::uint64_t power = 1;
        for (int i = 1; i < p; ++i) power *= 10;
        if (std::strtod(text, nullptr) < value) {
            if (++mantissa == power * 10) mantissa = power, ++exponent;
        } else if (mantissa == power) {
            mantissa = power * 10 - 1, --exponent;
        } else {
            --mantissa;
        }
        if (RoundTrips(mantissa, p, exponent, value, out)) return out;
    }
    // Seventeen digits always read back.
    BASE_ASSERT(false);
    return out;
}

std::to_chars_result Put(char* first, char* last, const std::string& text) {
    if (text.size() > static_cast<std::size_t>(last - first)) return {last, std::errc::value_too_large};
    std::memcpy(first, text.data(), text.size());
    return {first + text.size(), std::errc()};
}

std::string Scientific(const Digits_t& d) {
    std::string text(1, d.digits[0]);
    if (d.count > 1) text.append(".").append(d.digits + 1, static_cast<std::size_t>(d.count - 1));
    text += d.exponent < 0 ? "e-" : "e+";
    const int exponent = std::abs(d.exponent);
    if (exponent >= 100) text += static_cast<char>('0' + exponent / 100);
    text += static_cast<char>('0' + exponent / 10 % 10);
    text += static_cast<char>('0' + exponent % 10);
    return text;
}

// A whole number is written with all its digits, not the shortest ones padded with zeros.
std::string Fixed(const Digits_t& d, double value) {
    if (d.exponent >= d.count - 1 && value < kTwoTo53) {
        // Below 2^53 the shortest digits of a whole number are all of its digits.
        return std::string(d.digits, static_cast<std::size_t>(d.count)) +
               std::string(static_cast<std::size_t>(d.exponent - d.count + 1), '0');
    }
    if (d.exponent >= d.count - 1) {
        char text[400];
        std::snprintf(text, sizeof text, "%.0f", value);
        return text;
    }
    const std::string digits(d.digits, static_cast<std::size_t>(d.count));
    if (d.exponent >= 0) {
        const std::size_t whole = static_cast<std::size_t>(d.exponent) + 1;
        return digits.substr(0, whole) + "." + digits.substr(whole);
    }
    return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + digits;
}

// Zero, infinities and NaN as to_chars writes them; false for any other value.
bool Special(double value, std::string& text) {
    const char* sign = std::signbit(value) ? "-" : "";
    if (value == 0) {
        text = std::string(sign) + "0";
    } else if (std::isinf(value)) {
        text = std::string(sign) + "inf";
    } else if (std::isnan(value)) {
        text = std::string(sign) + "nan";
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::to_chars_result ShortestCharsByPrintf(char* first, char* last, double value) {
    std::string text;
    if (Special(value, text)) return Put(first, last, text);
    const double magnitude = std::fabs(value);
    const Digits_t d = Shortest(magnitude);
    std::string fixed = Fixed(d, magnitude);
    std::string scientific = Scientific(d);
    text = fixed.size() <= scientific.size() ? fixed : scientific;
    return Put(first, last, (value < 0 ? "-" : "") + text);
}

std::to_chars_result FixedCharsByPrintf(char* first, char* last, double value) {
    std::string text;
    if (Special(value, text)) return Put(first, last, text);
    const double magnitude = std::fabs(value);
    return Put(first, last, (value < 0 ? "-" : "") + Fixed(Shortest(magnitude), magnitude));
}

#if defined(__cpp_lib_to_chars)

std::to_chars_result ShortestChars(char* first, char* last, double value) {
    return std::to_chars(first, last, value);
}

std::to_chars_result FixedChars(char* first, char* last, double value) {
    return std::to_chars(first, last, value, std::chars_format::fixed);
}

#else

std::to_chars_result ShortestChars(char* first, char* last, double value) {
    return ShortestCharsByPrintf(first, last, value);
}

std::to_chars_result FixedChars(char* first, char* last, double value) {
    return FixedCharsByPrintf(first, last, value);
}

#endif

}  // namespace base
