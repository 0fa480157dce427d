#pragma once
// Input of little-endian binary values. A stream never throws for bad data: running out of
// bytes sets eof and fail, and every read does nothing once the stream is no longer good.
// A read leaves its destination untouched unless all of its bytes arrived (ReadText excepted).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ios>
#include <streambuf>
#include <string>
#include <type_traits>
#include <vector>

#include "base/BASE_Optional.h"
#include "geo/GEO_Position.h"
#include "trove/bin/BIN_Decode.h"

namespace bin {

template <class C, class Tr = std::char_traits<C>>
class basic_istream : virtual public std::basic_ios<C, Tr> {
    static_assert(sizeof(C) == 1, "binary streams move bytes");

public:
    using pos_type = typename Tr::pos_type;
    using off_type = typename Tr::off_type;

    explicit basic_istream(std::basic_streambuf<C, Tr>* sb) { this->init(sb); }
    basic_istream(const basic_istream&) = delete;
    basic_istream& operator=(const basic_istream&) = delete;

    basic_istream& ReadRaw(void* dst, std::size_t n);
    basic_istream& ReadByte(std::uint8_t& dst);
    template <class T>
    basic_istream& Read(T& dst);
    basic_istream& ReadText(std::string& dst);
    basic_istream& ReadBlock(std::vector<std::uint8_t>& dst, std::size_t n);
    basic_istream& ReadOptionalReal(base::Optional_t<double>& dst);
    // Out of lo..hi (inclusive) sets the fail bit and keeps dst.
    basic_istream& ReadEnum(std::int32_t& dst, std::int32_t lo, std::int32_t hi);
    // Raises base::OutOfRange_t for a latitude beyond the poles.
    basic_istream& ReadPosition(geo::Position_t& dst);
    basic_istream& ReadPositions(std::vector<geo::Position_t>& dst);

    // Positioning for callers that rewind a file; clears nothing by itself.
    pos_type tellg();
    basic_istream& seekg(pos_type pos);

protected:
    // For derived streams that own their buffer and call init() themselves.
    basic_istream() = default;

private:
    // The stream-level guard of every read: false (with the fail bit set) once not good.
    bool Enter();
    // Pulls exactly n bytes; false (eof and fail set) if fewer arrived. dst may be clobbered.
    bool Pull(void* dst, std::size_t n);
    void SetBad();

    std::vector<std::uint8_t> scratch_;  // staging for large raw reads
};

template <class C, class Tr>
template <class T>
basic_istream<C, Tr>& basic_istream<C, Tr>::Read(T& dst) {
    std::uint8_t bytes[sizeof(T)];
    if (Pull(bytes, sizeof(T))) dst = ValueAt<T>(bytes);
    return *this;
}

using istream = basic_istream<char>;

extern template class basic_istream<char>;

}  // namespace bin
