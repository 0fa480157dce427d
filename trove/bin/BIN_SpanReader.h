#pragma once
// Little-endian binary values read from bytes already in memory (a record's payload), with the
// same reads and the same failure rules as bin::istream: running out of bytes sets the fail bit,
// every read does nothing once failed, and a read leaves its destination untouched unless all of
// its bytes were there. Every read checks its bounds; none goes through a stream buffer, so a
// record's fields cost a few instructions each.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ios>
#include <string>
#include <string_view>

#include "base/BASE_Optional.h"
#include "geo/GEO_Position.h"
#include "trove/bin/BIN_Decode.h"

namespace bin {

class SpanReader_t {
public:
    explicit SpanReader_t(std::string_view bytes) noexcept
        : at_(reinterpret_cast<const std::uint8_t*>(bytes.data())), end_(at_ + bytes.size()) {}

    bool good() const noexcept { return !failed_; }
    bool fail() const noexcept { return failed_; }
    explicit operator bool() const noexcept { return !failed_; }
    // Only the fail bit means anything here; any state given sets it.
    void setstate(std::ios_base::iostate) noexcept { failed_ = true; }
    // The bytes not read yet.
    std::size_t Remaining() const noexcept { return static_cast<std::size_t>(end_ - at_); }

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
    // end of the bytes fails and shows what was there. staging is never needed; it is taken so
    // that readers can be written once for both kinds of input.
    SpanReader_t& ReadTextView(std::string_view& text, std::string& /*staging*/) noexcept {
        text = std::string_view();
        if (failed_) return *this;
        if (at_ == end_) {
            failed_ = true;
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
        if (!zero) failed_ = true;
        return *this;
    }
    SpanReader_t& ReadText(std::string& dst) {
        std::string_view text;
        ReadTextView(text, dst);
        dst.assign(text.data(), text.size());
        return *this;
    }
    SpanReader_t& ReadOptionalReal(base::Optional_t<double>& dst) noexcept {
        if (const std::uint8_t* p = Take(kOptionalRealBytes)) dst = OptionalRealAt(p);
        return *this;
    }
    // Out of lo..hi (inclusive) sets the fail bit and keeps dst.
    SpanReader_t& ReadEnum(std::int32_t& dst, std::int32_t lo, std::int32_t hi) noexcept {
        std::int32_t value = 0;
        if (!Read(value)) return *this;
        if (value < lo || value > hi) {
            failed_ = true;
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

private:
    // The next n bytes, or null (and failed) when fewer are there or the reader failed before.
    const std::uint8_t* Take(std::size_t n) noexcept {
        if (failed_ || Remaining() < n) {
            failed_ = true;
            return nullptr;
        }
        const std::uint8_t* p = at_;
        at_ += n;
        return p;
    }

    const std::uint8_t* at_;
    const std::uint8_t* end_;
    bool failed_ = false;
};

}  // namespace bin
