#include "trove/bin/BIN_OStream.h"

#include <algorithm>

namespace bin {

template <class C, class Tr>
basic_ostream<C, Tr>& basic_ostream<C, Tr>::WriteRaw(const void* src, std::size_t n) {
    if (!this->good()) return *this;
    try {
        const auto* p = static_cast<const C*>(src);
        std::size_t put = 0;
        while (put < n) {
            const std::size_t want = std::min<std::size_t>(n - put, 1u << 30);
            const std::streamsize r = this->rdbuf()->sputn(p + put, static_cast<std::streamsize>(want));
            if (r < static_cast<std::streamsize>(want)) {
                this->setstate(std::ios_base::badbit);
                break;
            }
            put += want;
        }
    } catch (...) {
        try {
            this->setstate(std::ios_base::badbit);
        } catch (const std::ios_base::failure&) {
        }
        if (this->exceptions() & std::ios_base::badbit) throw;
    }
    return *this;
}

template <class C, class Tr>
basic_ostream<C, Tr>& basic_ostream<C, Tr>::PutByte(std::uint8_t value) {
    return WriteRaw(&value, 1);
}

template <class C, class Tr>
basic_ostream<C, Tr>& basic_ostream<C, Tr>::WriteText(std::string_view text) {
    BASE_ASSERT(text.find('\0') == std::string_view::npos);
    WriteRaw(text.data(), text.size());
    return PutByte(0);
}

template <class C, class Tr>
basic_ostream<C, Tr>& basic_ostream<C, Tr>::WriteBlock(const std::vector<std::uint8_t>& block) {
    return WriteRaw(block.data(), block.size());
}

template <class C, class Tr>
basic_ostream<C, Tr>& basic_ostream<C, Tr>::WriteOptionalReal(const base::Optional_t<double>& value) {
    // The real's eight bytes are always there; absent writes zeros after the presence byte.
    PutByte(value.Has() ? 1 : 0);
    return Write(value.Has() ? value.Value() : 0.0);
}

template <class C, class Tr>
basic_ostream<C, Tr>& basic_ostream<C, Tr>::WritePosition(const geo::Position_t& position) {
    Write(position.latitude);
    Write(position.longitude);
    return WriteOptionalReal(position.altitude);
}

template <class C, class Tr>
basic_ostream<C, Tr>& basic_ostream<C, Tr>::WritePositions(const std::vector<geo::Position_t>& positions) {
    BASE_RANGE_CHECK(static_cast<std::uint64_t>(positions.size()) <= UINT32_MAX);
    Write(static_cast<std::uint32_t>(positions.size()));
    for (const geo::Position_t& p : positions) WritePosition(p);
    return *this;
}

template class basic_ostream<char>;

}  // namespace bin
