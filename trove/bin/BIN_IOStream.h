#pragma once
// A binary stream that reads and writes through one shared std::basic_ios.
#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_OStream.h"

namespace bin {

template <class C, class Tr = std::char_traits<C>>
class basic_iostream : public basic_istream<C, Tr>, public basic_ostream<C, Tr> {
public:
    explicit basic_iostream(std::basic_streambuf<C, Tr>* sb) { this->init(sb); }

protected:
    // For derived streams that own their buffer and call init() themselves.
    basic_iostream() = default;
};

using iostream = basic_iostream<char>;

}  // namespace bin
