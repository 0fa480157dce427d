#pragma once
// The bytes a stream buffer holds unread, and a step past them: what sgetn does for a read
// wholly inside the buffer, without its virtual call and general loop. Records are small and
// read by the million, so their framing and fields are taken this way when they are at hand.
#include <climits>
#include <cstddef>
#include <cstring>
#include <streambuf>
#include <string_view>

namespace bin {

template <class C, class Tr>
class GetArea_t : public std::basic_streambuf<C, Tr> {
public:
    using Buffer_t = std::basic_streambuf<C, Tr>;

    // The characters buf holds unread, in place until its next read.
    static std::basic_string_view<C, Tr> Unread(Buffer_t& buf) noexcept {
        // Pointers to the protected members, named through this class, reach any buffer's own.
        C* const next = (buf.*&GetArea_t::gptr)();
        C* const end = (buf.*&GetArea_t::egptr)();
        if (next == nullptr) return std::basic_string_view<C, Tr>();
        return std::basic_string_view<C, Tr>(next, static_cast<std::size_t>(end - next));
    }
    // Moves past n of the characters Unread showed.
    static void Skip(Buffer_t& buf, std::size_t n) noexcept {
        while (n > 0) {
            const std::size_t step = n > INT_MAX ? INT_MAX : n;
            (buf.*&GetArea_t::gbump)(static_cast<int>(step));
            n -= step;
        }
    }

    // Copies n characters to dst and moves past them when buf holds that many unread;
    // otherwise does nothing and returns false.
    static bool Take(Buffer_t& buf, C* dst, std::size_t n) noexcept {
        const std::basic_string_view<C, Tr> ahead = Unread(buf);
        if (ahead.size() < n) return false;
        if (n > 0) std::memcpy(dst, ahead.data(), n * sizeof(C));
        Skip(buf, n);
        return true;
    }
};

}  // namespace bin
