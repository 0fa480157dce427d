#pragma once
// Little-endian binary values read from bytes already in memory (a record's payload), with the
// same reads and the same failure rules as bin::istream: running out of bytes sets eof and
// fail and leaves nothing unread, every read does nothing once the reader is no longer good,
// and a read leaves its destination untouched unless all of its bytes were there (texts
// excepted). Every read checks its bounds; none goes through a stream buffer, so a record's
// fields cost a few instructions each. Every layout of a record is decoded from one of these.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ios>
#include <string>
#include <string_view>
#include <vector>

#include "base/BASE_Optional.h"
#include "geo/GEO_Position.h"
#include "trove/bin/BIN_Decode.h"

namespace bin {

class SpanReader_t {
public:
    // state: the state of the input the bytes come from; a reader that starts failed reads
    // nothing.
    explicit SpanReader_t(std::string_view bytes,
                          std::ios_base::iostate state = std::ios_base::goodbit) noexcept
        : first_(bytes.data() ? reinterpret_cast<const std::uint8_t*>(bytes.data()) : Nothing()),
          at_(first_),
          end_(first_ + bytes.size()),
          state_(state) {}

    bool good() const noexcept { return state_ == std::ios_base::goodbit; }
    bool fail() const noexcept { return (state_ & (std::ios_base::failbit | std::ios_base::badbit)) != 0; }
    explicit operator bool() const noexcept { return !fail(); }
    std::ios_base::iostate rdstate() const noexcept { return state_; }
    void setstate(std::ios_base::iostate state) noexcept { state_ |= state; }
    // The bytes not read yet, and those read (or skipped by a failure) so far.
    std::size_t Remaining() const noexcept { return static_cast<std::size_t>(end_ - at_); }
    std::size_t Consumed() const noexcept { return static_cast<std::size_t>(at_ - first_); }
    // True when another byte follows; at the end only the eof bit is set.
    bool MoreBytes() noexcept {
        if (!good()) return false;
        if (at_ == end_) state_ |= std::ios_base::eofbit;
        return at_ != end_;
    }

    // The next n bytes where they are, valid as long as the bytes read.
    SpanReader_t& ReadBytes(const std::uint8_t*& dst, std::size_t n) noexcept {
        if (const std::uint8_t* p = Take(n)) dst = p;
        return *this;
    }
    SpanReader_t& ReadRaw(void* dst, std::size_t n) noexcept {
        if (const std::uint8_t* p = Take(n)) {
            if (n > 0) std::memcpy(dst, p, n);
        }
        return *this;
    }
    SpanReader_t& ReadByte(std::uint8_t& dst) noexcept {
        if (const std::uint8_t* p = Take(1)) dst = *p;
        return *this;
    }
    template <class T>
    SpanReader_t& Read(T& dst) noexcept {
        if (const std::uint8_t* p = Take(sizeof(T))) dst = ValueAt<T>(p);
        return *this;
    }
    // A zero-terminated text: text shows its characters where they are. A text cut off by the
    // end of the bytes fails and shows what was there.
    SpanReader_t& ReadTextView(std::string_view& text) noexcept {
        text = std::string_view();
        if (!Take(0)) return *this;
        if (at_ == end_) {
            state_ |= std::ios_base::eofbit | std::ios_base::failbit;
            return *this;
        }
        if (*at_ == 0) {  // most texts of a record are empty
            ++at_;
            return *this;
        }
        const auto* zero = static_cast<const std::uint8_t*>(std::memchr(at_, 0, Remaining()));
        const std::uint8_t* stop = zero ? zero : end_;
        text = std::string_view(reinterpret_cast<const char*>(at_), static_cast<std::size_t>(stop - at_));
        at_ = zero ? zero + 1 : end_;
        if (!zero) state_ |= std::ios_base::eofbit | std::ios_base::failbit;
        return *this;
    }
    SpanReader_t& ReadText(std::string& dst) {
        std::string_view text;
        ReadTextView(text);
        dst.assign(text.data(), text.size());
        return *this;
    }
    SpanReader_t& ReadBlock(std::vector<std::uint8_t>& dst, std::size_t n);
    SpanReader_t& ReadOptionalReal(base::Optional_t<double>& dst) noexcept {
        if (const std::uint8_t* p = Take(kOptionalRealBytes)) dst = OptionalRealAt(p);
        return *this;
    }
    // Out of lo..hi (inclusive) sets the fail bit and keeps dst.
    SpanReader_t& ReadEnum(std::int32_t& dst, std::int32_t lo, std::int32_t hi) noexcept {
        std::int32_t value = 0;
        if (!Read(value)) return *this;
        if (value < lo || value > hi) {
            state_ |= std::ios_base::failbit;
        } else {
            dst = value;
        }
        return *this;
    }
    // Raises base::OutOfRange_t for a latitude beyond the poles.
    SpanReader_t& ReadPosition(geo::Position_t& dst) {
        if (const std::uint8_t* p = Take(kPositionBytes))
            dst = geo::Position_t(Int32At(p), Int32At(p + 4), OptionalRealAt(p + 8));
        return *this;
    }
    // A count and that many positions, stored only when all arrived. The count is trusted
    // only as far as the bytes go.
    SpanReader_t& ReadPositions(std::vector<geo::Position_t>& dst);

private:
    // Where no bytes are: a read of none still finds them at a place of its own.
    static const std::uint8_t* Nothing() noexcept {
        static const std::uint8_t none = 0;
        return &none;
    }
    // The next n bytes, or null when the reader is not good or fewer are there (then the rest
    // counts as read, as a stream has pulled it).
    const std::uint8_t* Take(std::size_t n) noexcept {
        if (!good()) {
            state_ |= std::ios_base::failbit;
            return nullptr;
        }
        if (Remaining() < n) {
            at_ = end_;
            state_ |= std::ios_base::eofbit | std::ios_base::failbit;
            return nullptr;
        }
        const std::uint8_t* p = at_;
        at_ += n;
        return p;
    }

    const std::uint8_t* first_;
    const std::uint8_t* at_;
    const std::uint8_t* end_;
    std::ios_base::iostate state_;
};

}  // namespace bin
