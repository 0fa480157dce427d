#pragma once
// Output of little-endian binary values, the mirror of bin::basic_istream. Writes do nothing
// once the stream is no longer good; a buffer that takes fewer bytes than offered sets bad.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ios>
#include <streambuf>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "base/BASE_Optional.h"
#include "geo/GEO_Position.h"

namespace bin {

template <class C, class Tr = std::char_traits<C>>
class basic_ostream : virtual public std::basic_ios<C, Tr> {
    static_assert(sizeof(C) == 1, "binary streams move bytes");

public:
    explicit basic_ostream(std::basic_streambuf<C, Tr>* sb) { this->init(sb); }
    basic_ostream(const basic_ostream&) = delete;
    basic_ostream& operator=(const basic_ostream&) = delete;

    basic_ostream& WriteRaw(const void* src, std::size_t n);
    basic_ostream& PutByte(std::uint8_t value);
    template <class T>
    basic_ostream& Write(T value);
    // The text's bytes and one zero byte; a text holding a zero byte could not be read back.
    basic_ostream& WriteText(std::string_view text);
    basic_ostream& WriteBlock(const std::vector<std::uint8_t>& block);
    basic_ostream& WriteOptionalReal(const base::Optional_t<double>& value);
    basic_ostream& WritePosition(const geo::Position_t& position);
    basic_ostream& WritePositions(const std::vector<geo::Position_t>& positions);

protected:
    // For derived streams that own their buffer and call init() themselves.
    basic_ostream() = default;
};

template <class C, class Tr>
template <class T>
basic_ostream<C, Tr>& basic_ostream<C, Tr>::Write(T value) {
    static_assert(
        (std::is_integral<T>::value && !std::is_same<T, bool>::value) || std::is_same<T, double>::value,
        "Write takes integers or double");
    std::uint8_t bytes[sizeof(T)];
    if constexpr (std::is_same<T, double>::value) {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        for (std::size_t i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    } else {
        using U = std::make_unsigned_t<T>;
        const U u = static_cast<U>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<std::uint8_t>(u >> (8 * i));
    }
    return WriteRaw(bytes, sizeof bytes);
}

using ostream = basic_ostream<char>;

extern template class basic_ostream<char>;

}  // namespace bin
