#pragma once
// The base of the stream buffers over bytes in memory: what such a buffer holds unread is at
// hand whole, so a record's layout is decoded from it in place (see BIN_StreamDecode.h).
#include <cstddef>
#include <streambuf>
#include <string_view>

namespace bin {

template <class C, class Tr = std::char_traits<C>>
class basic_memorybuf : public std::basic_streambuf<C, Tr> {
public:
    // The characters from the read position to the end, in place until the content changes.
    std::basic_string_view<C, Tr> Unread() const noexcept {
        if (this->gptr() == nullptr) return std::basic_string_view<C, Tr>();
        return std::basic_string_view<C, Tr>(this->gptr(),
                                             static_cast<std::size_t>(this->egptr() - this->gptr()));
    }
    // Moves the read position past n of the characters Unread showed.
    void Skip(std::size_t n) noexcept { this->setg(this->eback(), this->gptr() + n, this->egptr()); }
};

}  // namespace bin
