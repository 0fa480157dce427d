#include "tools/cli/TOOL_OutBuf.h"

namespace tool {

OutBuf_t::OutBuf_t(OutFile_t& file) : file_(file), buffer_(new char[kCapacity]) {
    setp(buffer_.get(), buffer_.get() + kCapacity);
}

bool OutBuf_t::Drain() {
    const std::size_t size = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_.get(), buffer_.get() + kCapacity);
    if (failed_) return false;
    failed_ = size != 0 && !file_.Write(buffer_.get(), size);
    return !failed_;
}

OutBuf_t::int_type OutBuf_t::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize OutBuf_t::xsputn(const char* data, std::streamsize size) {
    if (size <= epptr() - pptr()) return std::streambuf::xsputn(data, size);
    // A large piece goes straight through, after what is buffered.
    if (!Drain()) return 0;
    failed_ = !file_.Write(data, static_cast<std::size_t>(size));
    return failed_ ? 0 : size;
}

int OutBuf_t::sync() {
    return Drain() ? 0 : -1;
}

}  // namespace tool
