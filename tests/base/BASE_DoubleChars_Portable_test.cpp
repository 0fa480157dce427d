#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "base/BASE_DoubleChars.h"

// Outside Windows only: the texts made with printf and strtod need C libraries that round them
// exactly (glibc's, emscripten's); the fallback serves only builds whose library lacks to_chars.
namespace {

std::string Text(std::to_chars_result (*write)(char*, char*, double), double value) {
    char buffer[400];
    const std::to_chars_result r = write(buffer, buffer + sizeof buffer, value);
    EXPECT_EQ(r.ec, std::errc()) << value;
    return std::string(buffer, r.ptr);
}

std::string Library(double value, bool fixed) {
    char buffer[400];
    const std::to_chars_result r =
        fixed ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

// Doubles of every kind: any bit pattern, whole numbers around 2^53 and 10^22, values with few
// decimals as altitudes and distances have, powers of two and ten and their neighbours.
std::vector<double> Samples() {
    std::mt19937_64 random(20261209);
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  -1.0,
                                  0.1,
                                  0.5,
                                  1e22,
                                  1e23,
                                  9007199254740993.0,
                                  5e-324,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::min(),
                                  123456789012345680000.0,
                                  1e-7,
                                  100000.0,
                                  1000000.0,
                                  0.001,
                                  0.0001};
    for (int i = 0; i < 20000; ++i) {
        std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) values.push_back(value);
    }
    for (int i = 0; i < 10000; ++i) {
        const double whole = static_cast<double>(random() >> (random() % 64));
        values.push_back(whole * std::pow(10.0, static_cast<int>(random() % 12)));
        values.push_back(static_cast<double>(static_cast<std::int64_t>(random() % 20000000) - 10000000) /
                         std::pow(10.0, static_cast<int>(random() % 8)));
        values.push_back(static_cast<double>(random() >> (11 + random() % 40)) /
                         std::pow(10.0, static_cast<int>(random() % 10)));
    }
    for (int e = -1074; e <= 1023; ++e) {
        const double power = std::ldexp(1.0, e);
        values.insert(values.end(), {power, std::nextafter(power, 0.0), std::nextafter(power, 2 * power)});
    }
    for (int e = -323; e <= 308; ++e) {
        const double power = std::pow(10.0, e);
        values.insert(values.end(), {power, std::nextafter(power, 0.0), std::nextafter(power, 2 * power)});
    }
    return values;
}

TEST(DoubleChars, PrintfAndStrtodGiveTheLibrarysBytes) {
    int failures = 0;
    for (const double value : Samples()) {
        for (const bool fixed : {false, true}) {
            const std::string ours =
                Text(fixed ? base::FixedCharsByPrintf : base::ShortestCharsByPrintf, value);
            if (ours != Library(value, fixed) && ++failures <= 10) {
                ADD_FAILURE() << (fixed ? "fixed " : "shortest ") << Library(value, true) << ": " << ours
                              << " instead of " << Library(value, fixed);
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(DoubleChars, TooSmallABufferIsSaidSo) {
    char buffer[4];
    EXPECT_EQ(base::ShortestCharsByPrintf(buffer, buffer + sizeof buffer, 0.125).ec,
              std::errc::value_too_large);
    EXPECT_EQ(base::FixedCharsByPrintf(buffer, buffer + sizeof buffer, 1e10).ec, std::errc::value_too_large);
}

}  // namespace
