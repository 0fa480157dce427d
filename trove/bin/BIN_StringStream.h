#pragma once
// A binary stream over bytes held in memory; the base of the record classes.
#include <string>

#include "trove/bin/BIN_ByteBuffer.h"
#include "trove/bin/BIN_IOStream.h"

namespace bin {

template <class C, class Tr = std::char_traits<C>>
class basic_stringstream : public basic_iostream<C, Tr> {
public:
    basic_stringstream() { this->init(&buffer_); }
    // Reads start at the first byte; writes overwrite from the first byte.
    explicit basic_stringstream(const std::basic_string<C, Tr>& bytes) : buffer_(bytes) {
        this->init(&buffer_);
    }

    std::basic_string<C, Tr> Bytes() const { return buffer_.Bytes(); }
    std::size_t Size() const noexcept { return buffer_.Size(); }
    basic_bytebuf<C, Tr>* rdbuf() const { return const_cast<basic_bytebuf<C, Tr>*>(&buffer_); }

private:
    basic_bytebuf<C, Tr> buffer_;
};

using stringstream = basic_stringstream<char>;

}  // namespace bin
