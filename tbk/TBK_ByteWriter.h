#pragma once
// The builder's own little-endian writer. Deliberately independent of the product's stream
// classes, so that files built here state the format on their own.
#include <cstdint>
#include <string>

namespace tbk {

class ByteWriter_t {
public:
    void U8(std::uint8_t v) { bytes_.push_back(static_cast<char>(v)); }
    void U16(std::uint16_t v);
    void U32(std::uint32_t v);
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void Real(double v);  // IEEE 754 binary64
    // The text's bytes as they are, then one zero byte.
    void Text(const std::string& text);
    void Raw(const std::string& bytes) { bytes_ += bytes; }

    const std::string& Bytes() const { return bytes_; }
    std::string Take();  // hands the bytes over and leaves the writer empty

private:
    std::string bytes_;
};

}  // namespace tbk
