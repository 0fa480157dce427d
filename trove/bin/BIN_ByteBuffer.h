#pragma once
// A stream buffer over an owned, growable byte vector: the payload of a record or the
// bytes of an in-memory binary stream. Reading and writing keep separate positions, as a
// string buffer does; the content is as long as the furthest byte ever written.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <ios>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "trove/bin/BIN_MemoryBuffer.h"

namespace bin {

template <class C, class Tr = std::char_traits<C>>
class basic_bytebuf : public basic_memorybuf<C, Tr> {
public:
    using char_type = C;
    using traits_type = Tr;
    using int_type = typename Tr::int_type;
    using pos_type = typename Tr::pos_type;
    using off_type = typename Tr::off_type;

    basic_bytebuf() = default;
    explicit basic_bytebuf(const std::basic_string<C, Tr>& bytes) : data_(bytes.begin(), bytes.end()) {
        ResetGetArea(0);
    }
    basic_bytebuf(const basic_bytebuf&) = delete;
    basic_bytebuf& operator=(const basic_bytebuf&) = delete;

    std::basic_string<C, Tr> Bytes() const { return std::basic_string<C, Tr>(data_.begin(), data_.end()); }
    std::size_t Size() const noexcept { return data_.size(); }
    // Forgets the content and both positions, as if newly constructed (the memory is kept).
    void Clear() noexcept {
        data_.clear();
        write_index_ = 0;
        ResetGetArea(0);
    }

    // Writes [first, last) from the first character on (a longer content keeps its tail), and
    // leaves the write position after it and the read position at the start.
    void WriteFromStart(const C* first, const C* last) {
        const auto n = static_cast<std::size_t>(last - first);
        if (n >= data_.size()) {
            data_.assign(first, last);
        } else {
            std::copy(first, last, data_.begin());
        }
        write_index_ = n;
        ResetGetArea(0);
    }

    // Copies up to n characters from src at the write position, growing in bounded steps so
    // that a length claimed by a file costs memory only as its bytes actually arrive.
    // Returns the number copied; fewer than n means src ran dry. What src holds read ahead
    // (Ahead::Unread(src), passed by Ahead::Skip(src, n)) is appended from there.
    template <class Ahead>
    std::size_t CopyFrom(std::basic_streambuf<C, Tr>& src, std::size_t n);

protected:
    int_type underflow() override {
        return this->gptr() < this->egptr() ? Tr::to_int_type(*this->gptr()) : Tr::eof();
    }
    std::streamsize showmanyc() override {
        return this->gptr() < this->egptr() ? this->egptr() - this->gptr() : std::streamsize(-1);
    }
    std::streamsize xsgetn(C* s, std::streamsize n) override;
    std::streamsize xsputn(const C* s, std::streamsize n) override;
    int_type overflow(int_type c) override;
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode which) override;
    pos_type seekpos(pos_type pos, std::ios_base::openmode which) override {
        return seekoff(off_type(pos), std::ios_base::beg, which);
    }

private:
    std::size_t ReadIndex() const noexcept {
        return this->eback() ? static_cast<std::size_t>(this->gptr() - this->eback()) : 0;
    }
    // The get area always spans the whole content; re-pointed after the vector may have moved.
    void ResetGetArea(std::size_t read_index) {
        C* base = data_.data();
        this->setg(base, base + read_index, base + data_.size());
    }

    std::vector<C> data_;
    std::size_t write_index_ = 0;
};

template <class C, class Tr>
std::streamsize basic_bytebuf<C, Tr>::xsgetn(C* s, std::streamsize n) {
    const std::streamsize avail = this->egptr() - this->gptr();
    const std::streamsize count = std::min(n, avail);
    if (count <= 0) return 0;
    std::memcpy(s, this->gptr(), static_cast<std::size_t>(count) * sizeof(C));
    this->setg(this->eback(), this->gptr() + count, this->egptr());
    return count;
}

template <class C, class Tr>
std::streamsize basic_bytebuf<C, Tr>::xsputn(const C* s, std::streamsize n) {
    if (n <= 0) return 0;
    const std::size_t read_index = ReadIndex();
    const std::size_t count = static_cast<std::size_t>(n);
    const std::size_t end = write_index_ + count;
    if (end > data_.size()) data_.resize(end);
    std::memcpy(data_.data() + write_index_, s, count * sizeof(C));
    write_index_ = end;
    ResetGetArea(read_index);
    return n;
}

template <class C, class Tr>
typename basic_bytebuf<C, Tr>::int_type basic_bytebuf<C, Tr>::overflow(int_type c) {
    if (Tr::eq_int_type(c, Tr::eof())) return Tr::not_eof(c);
    const C ch = Tr::to_char_type(c);
    xsputn(&ch, 1);
    return c;
}

template <class C, class Tr>
template <class Ahead>
std::size_t basic_bytebuf<C, Tr>::CopyFrom(std::basic_streambuf<C, Tr>& src, std::size_t n) {
    constexpr std::size_t kChunk = 64 * 1024;
    const std::size_t read_index = ReadIndex();
    const std::size_t old_size = data_.size();
    std::size_t copied = 0;
    while (copied < n) {
        const std::size_t at = write_index_ + copied;
        // What src holds in its own buffer is appended from there: no zero-filled room first.
        std::basic_string_view<C, Tr> ahead = Ahead::Unread(src);
        if (ahead.empty() && !Tr::eq_int_type(src.sgetc(), Tr::eof())) ahead = Ahead::Unread(src);
        if (!ahead.empty()) {
            const std::size_t take = std::min(ahead.size(), n - copied);
            const std::size_t over = at < data_.size() ? std::min(take, data_.size() - at) : 0;
            std::copy(ahead.data(), ahead.data() + over, data_.begin() + static_cast<std::ptrdiff_t>(at));
            data_.insert(data_.end(), ahead.data() + over, ahead.data() + take);
            Ahead::Skip(src, take);
            copied += take;
            continue;
        }
        // A source without a buffer of its own.
        const std::size_t want = std::min(kChunk, n - copied);
        if (at + want > data_.size()) data_.resize(at + want);
        const std::streamsize got = src.sgetn(data_.data() + at, static_cast<std::streamsize>(want));
        copied += got > 0 ? static_cast<std::size_t>(got) : 0;
        if (static_cast<std::size_t>(got) < want) break;
    }
    write_index_ += copied;
    data_.resize(std::max(old_size, write_index_));
    ResetGetArea(read_index);
    return copied;
}

template <class C, class Tr>
typename basic_bytebuf<C, Tr>::pos_type basic_bytebuf<C, Tr>::seekoff(off_type off,
                                                                      std::ios_base::seekdir dir,
                                                                      std::ios_base::openmode which) {
    const bool in = (which & std::ios_base::in) != 0;
    const bool out = (which & std::ios_base::out) != 0;
    if (!in && !out) return pos_type(off_type(-1));
    off_type origin = 0;
    if (dir == std::ios_base::cur) {
        if (in && out) return pos_type(off_type(-1));  // two positions: "current" is ambiguous
        origin = static_cast<off_type>(in ? ReadIndex() : write_index_);
    } else if (dir == std::ios_base::end) {
        origin = static_cast<off_type>(data_.size());
    }
    const off_type target = origin + off;
    if (target < 0 || target > static_cast<off_type>(data_.size())) return pos_type(off_type(-1));
    const std::size_t index = static_cast<std::size_t>(target);
    if (in) ResetGetArea(index);
    if (out) write_index_ = index;
    return pos_type(target);
}

using bytebuf = basic_bytebuf<char>;

extern template class basic_bytebuf<char>;

}  // namespace bin
