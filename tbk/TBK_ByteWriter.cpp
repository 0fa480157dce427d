#include "tbk/TBK_ByteWriter.h"

#include <cstring>
#include <utility>

namespace tbk {

void ByteWriter_t::U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v));
    U8(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter_t::U32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) U8(static_cast<std::uint8_t>(v >> shift));
}

void ByteWriter_t::Real(double v) {
    static_assert(sizeof(double) == 8, "binary64 expected");
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    for (int shift = 0; shift < 64; shift += 8) U8(static_cast<std::uint8_t>(bits >> shift));
}

void ByteWriter_t::Text(const std::string& text) {
    bytes_ += text;
    U8(0);
}

std::string ByteWriter_t::Take() {
    std::string out = std::move(bytes_);
    bytes_.clear();
    return out;
}

}  // namespace tbk
