#pragma once
// Little-endian values decoded from bytes already at hand (reads that take a whole
// fixed-size group of fields at once).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "base/BASE_Optional.h"

namespace bin {

constexpr std::size_t kPositionBytes = 17;
constexpr std::size_t kOptionalRealBytes = 9;

// A little-endian integer, or a double from its eight bytes.
template <class T>
T ValueAt(const std::uint8_t* p) {
    static_assert(
        (std::is_integral<T>::value && !std::is_same<T, bool>::value) || std::is_same<T, double>::value,
        "values are integers or double");
    if constexpr (std::is_same<T, double>::value) {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < 8; ++i) bits |= std::uint64_t(p[i]) << (8 * i);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    } else {
        using U = std::make_unsigned_t<T>;
        U value = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) value |= static_cast<U>(U(p[i]) << (8 * i));
        return static_cast<T>(value);
    }
}

inline std::int32_t Int32At(const std::uint8_t* p) {
    return static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                                     std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24);
}

// A presence byte, then eight bytes of a real that count only when the byte is non-zero.
inline base::Optional_t<double> OptionalRealAt(const std::uint8_t* p) {
    if (p[0] == 0) return base::Optional_t<double>();
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i) bits |= std::uint64_t(p[1 + i]) << (8 * i);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace bin
