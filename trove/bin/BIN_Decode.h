#pragma once
// Little-endian values decoded from bytes already at hand (reads that take a whole
// fixed-size group of fields at once).
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/BASE_Optional.h"

namespace bin {

constexpr std::size_t kPositionBytes = 17;
constexpr std::size_t kOptionalRealBytes = 9;

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
