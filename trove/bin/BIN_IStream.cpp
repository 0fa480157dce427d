#include "trove/bin/BIN_IStream.h"

#include <algorithm>

#include "trove/bin/BIN_Decode.h"
#include "trove/bin/BIN_OutOfMemory.h"
#include "trove/bin/BIN_StreamDecode.h"

namespace bin {

template <class C, class Tr>
bool basic_istream<C, Tr>::Enter() {
    if (this->good()) return true;
    this->setstate(std::ios_base::failbit);
    return false;
}

template <class C, class Tr>
void basic_istream<C, Tr>::SetBad() {
    RethrowOutOfMemory();
    // The buffer's own exception is what the caller should see, if it asked for any.
    try {
        this->setstate(std::ios_base::badbit);
    } catch (const std::ios_base::failure&) {
    }
    if (this->exceptions() & std::ios_base::badbit) throw;
}

template <class C, class Tr>
bool basic_istream<C, Tr>::Pull(void* dst, std::size_t n) {
    if (!Enter()) return false;
    std::size_t got = 0;
    try {
        auto* out = static_cast<C*>(dst);
        while (got < n) {
            // sgetn takes a signed count; large requests go in slices.
            const std::size_t want = std::min<std::size_t>(n - got, 1u << 30);
            const std::streamsize r = this->rdbuf()->sgetn(out + got, static_cast<std::streamsize>(want));
            if (r <= 0) break;
            got += static_cast<std::size_t>(r);
            if (static_cast<std::size_t>(r) < want) break;
        }
    } catch (...) {
        SetBad();
        return false;
    }
    if (got == n) return true;
    this->setstate(std::ios_base::eofbit | std::ios_base::failbit);
    return false;
}

template <class C, class Tr>
basic_istream<C, Tr>& basic_istream<C, Tr>::ReadRaw(void* dst, std::size_t n) {
    constexpr std::size_t kSmall = 64;
    if (n <= kSmall) {
        std::uint8_t local[kSmall];
        if (Pull(local, n) && n > 0) std::memcpy(dst, local, n);
        return *this;
    }
    // Stage in bounded steps: the scratch grows only as bytes actually arrive.
    if (!Enter()) return *this;
    constexpr std::size_t kChunk = 64 * 1024;
    scratch_.clear();
    while (scratch_.size() < n) {
        const std::size_t at = scratch_.size();
        const std::size_t want = std::min(kChunk, n - at);
        scratch_.resize(at + want);
        if (!Pull(scratch_.data() + at, want)) {
            scratch_.clear();
            return *this;
        }
    }
    std::memcpy(dst, scratch_.data(), n);
    scratch_.clear();
    return *this;
}

template <class C, class Tr>
basic_istream<C, Tr>& basic_istream<C, Tr>::ReadByte(std::uint8_t& dst) {
    if (!Enter()) return *this;
    try {
        const auto c = this->rdbuf()->sbumpc();
        if (Tr::eq_int_type(c, Tr::eof())) {
            this->setstate(std::ios_base::eofbit | std::ios_base::failbit);
        } else {
            dst = static_cast<std::uint8_t>(Tr::to_char_type(c));
        }
    } catch (...) {
        SetBad();
    }
    return *this;
}

template <class C, class Tr>
basic_istream<C, Tr>& basic_istream<C, Tr>::ReadText(std::string& dst) {
    dst.clear();
    if (!Enter()) return *this;
    try {
        std::basic_streambuf<C, Tr>* sb = this->rdbuf();
        for (;;) {
            const auto c = sb->sbumpc();
            if (Tr::eq_int_type(c, Tr::eof())) {
                // A text cut off by the end of the data keeps what was read.
                this->setstate(std::ios_base::eofbit | std::ios_base::failbit);
                break;
            }
            const char ch = static_cast<char>(Tr::to_char_type(c));
            if (ch == '\0') break;
            dst.push_back(ch);
        }
    } catch (...) {
        SetBad();
    }
    return *this;
}

template <class C, class Tr>
basic_istream<C, Tr>& basic_istream<C, Tr>::ReadBlock(std::vector<std::uint8_t>& dst, std::size_t n) {
    DecodeStream(*this, [&](SpanReader_t& in) { in.ReadBlock(dst, n); });
    return *this;
}

template <class C, class Tr>
basic_istream<C, Tr>& basic_istream<C, Tr>::ReadOptionalReal(base::Optional_t<double>& dst) {
    std::uint8_t bytes[kOptionalRealBytes];
    if (Pull(bytes, sizeof bytes)) dst = OptionalRealAt(bytes);
    return *this;
}

template <class C, class Tr>
basic_istream<C, Tr>& basic_istream<C, Tr>::ReadEnum(std::int32_t& dst, std::int32_t lo, std::int32_t hi) {
    std::int32_t value = 0;
    if (!Read(value)) return *this;
    if (value < lo || value > hi) {
        this->setstate(std::ios_base::failbit);
    } else {
        dst = value;
    }
    return *this;
}

template <class C, class Tr>
basic_istream<C, Tr>& basic_istream<C, Tr>::ReadPosition(geo::Position_t& dst) {
    std::uint8_t bytes[kPositionBytes];
    if (Pull(bytes, sizeof bytes))
        dst = geo::Position_t(Int32At(bytes), Int32At(bytes + 4), OptionalRealAt(bytes + 8));
    return *this;
}

template <class C, class Tr>
basic_istream<C, Tr>& basic_istream<C, Tr>::ReadPositions(std::vector<geo::Position_t>& dst) {
    DecodeStream(*this, [&](SpanReader_t& in) { in.ReadPositions(dst); });
    return *this;
}

template <class C, class Tr>
typename basic_istream<C, Tr>::pos_type basic_istream<C, Tr>::tellg() {
    if (this->fail()) return pos_type(off_type(-1));
    return this->rdbuf()->pubseekoff(0, std::ios_base::cur, std::ios_base::in);
}

template <class C, class Tr>
basic_istream<C, Tr>& basic_istream<C, Tr>::seekg(pos_type pos) {
    // As the standard streams do: a seek forgets the end of data, but not a failure.
    this->clear(this->rdstate() & ~std::ios_base::eofbit);
    if (this->fail()) return *this;
    if (this->rdbuf()->pubseekpos(pos, std::ios_base::in) == pos_type(off_type(-1))) {
        this->setstate(std::ios_base::failbit);
    }
    return *this;
}

template class basic_istream<char>;

}  // namespace bin
