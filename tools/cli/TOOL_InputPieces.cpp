#include "tools/cli/TOOL_InputPieces.h"

#include <algorithm>

namespace tool {

InputPieces_t::InputPieces_t(std::istream& in) : in_(in), buffer_(new char[kPiece]) {
    setg(buffer_.get(), buffer_.get(), buffer_.get());
}

InputPieces_t::int_type InputPieces_t::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (failed_ || !in_.good()) return traits_type::eof();
    start_ += static_cast<std::uint64_t>(egptr() - eback());
    // A read error of the system shows as a bad stream (or its exception), not as an end.
    try {
        in_.read(buffer_.get(), static_cast<std::streamsize>(kPiece));
    } catch (const std::ios_base::failure&) {
        failed_ = true;
    }
    failed_ = failed_ || in_.bad();
    const std::streamsize got = failed_ ? 0 : in_.gcount();
    if (start_ == 0) head_.assign(buffer_.get(), std::min<std::size_t>(got, FileFacts_t::kHeadBytes));
    setg(buffer_.get(), buffer_.get(), buffer_.get() + got);
    return got > 0 ? traits_type::to_int_type(*gptr()) : traits_type::eof();
}

FileFacts_t InputPieces_t::DrainedFacts() {
    while (underflow() != traits_type::eof()) setg(eback(), egptr(), egptr());
    FileFacts_t facts;
    facts.known = !failed_;
    facts.size = start_ + static_cast<std::uint64_t>(egptr() - eback());
    facts.head = head_;
    return facts;
}

InputPieces_t::pos_type InputPieces_t::seekoff(off_type offset, std::ios_base::seekdir way,
                                               std::ios_base::openmode which) {
    const off_type here = static_cast<off_type>(start_) + (gptr() - eback());
    if (way == std::ios_base::cur) return seekpos(pos_type(here + offset), which);
    if (way == std::ios_base::beg) return seekpos(pos_type(offset), which);
    return pos_type(off_type(-1));
}

InputPieces_t::pos_type InputPieces_t::seekpos(pos_type position, std::ios_base::openmode which) {
    const off_type at = off_type(position) - static_cast<off_type>(start_);
    // Only within the piece held: standard input may be a pipe.
    if (!(which & std::ios_base::in) || at < 0 || at > egptr() - eback()) return pos_type(off_type(-1));
    setg(eback(), eback() + at, egptr());
    return position;
}

}  // namespace tool
