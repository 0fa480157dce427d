#pragma once
// Little-endian byte strings for building test data by hand.
#include <cstdint>
#include <cstring>
#include <string>

namespace test {

inline std::string LeBytes(std::uint64_t value, int width) {
    std::string out;
    for (int i = 0; i < width; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}
inline std::string Le16(std::uint16_t v) {
    return LeBytes(v, 2);
}
inline std::string Le32(std::uint32_t v) {
    return LeBytes(v, 4);
}
inline std::string Le64(std::uint64_t v) {
    return LeBytes(v, 8);
}
inline std::string Real(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return Le64(bits);
}
// A text as stored: its bytes and one zero byte.
inline std::string Text(const std::string& s) {
    return s + std::string(1, '\0');
}

// A record in the current framing: 32-bit length, type letter, payload.
inline std::string Record(char type, const std::string& payload) {
    return Le32(static_cast<std::uint32_t>(payload.size())) + std::string(1, type) + payload;
}
// A record in the legacy framing: type letter, 16-bit length, payload.
inline std::string OldRecord(char type, const std::string& payload) {
    return std::string(1, type) + Le16(static_cast<std::uint16_t>(payload.size())) + payload;
}

}  // namespace test
