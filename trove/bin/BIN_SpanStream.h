#pragma once
// A binary input stream over bytes held elsewhere (a whole data file in memory), read in place:
// nothing is copied, and the bytes must outlive the stream.
#include <cstddef>
#include <ios>
#include <streambuf>
#include <string_view>

#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_MemoryBuffer.h"

namespace bin {

template <class C, class Tr = std::char_traits<C>>
class basic_spanbuf : public basic_memorybuf<C, Tr> {
public:
    using pos_type = typename Tr::pos_type;
    using off_type = typename Tr::off_type;

    explicit basic_spanbuf(std::basic_string_view<C, Tr> bytes) {
        // The get area only ever reads: the bytes are not written through it.
        C* const first = const_cast<C*>(bytes.data());
        this->setg(first, first, first + bytes.size());
    }

protected:
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode which) override {
        if (!(which & std::ios_base::in)) return pos_type(off_type(-1));
        const off_type size = this->egptr() - this->eback();
        const off_type base = dir == std::ios_base::beg ? 0 : dir == std::ios_base::cur ? this->gptr() - this->eback() : size;
        if (off < -base || off > size - base) return pos_type(off_type(-1));
        this->setg(this->eback(), this->eback() + base + off, this->egptr());
        return pos_type(base + off);
    }
    pos_type seekpos(pos_type pos, std::ios_base::openmode which) override {
        return seekoff(off_type(pos), std::ios_base::beg, which);
    }
};

template <class C, class Tr = std::char_traits<C>>
class basic_ispanstream : public basic_istream<C, Tr> {
public:
    explicit basic_ispanstream(std::basic_string_view<C, Tr> bytes) : buffer_(bytes) { this->init(&buffer_); }

private:
    basic_spanbuf<C, Tr> buffer_;
};

using ispanstream = basic_ispanstream<char>;

}  // namespace bin
