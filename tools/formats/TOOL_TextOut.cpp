#include "tools/formats/TOOL_TextOut.h"

namespace tool {

TextOut_t::TextOut_t(std::ostream& out, unsigned code_page)
    : out_(out),
      utf8_(code_page),
      buffer_(new char[kCapacity]),
      at_(buffer_.get()),
      end_(buffer_.get() + kCapacity) {}

TextOut_t& TextOut_t::RawSlow(std::string_view markup) {
    Flush();
    if (markup.size() <= kCapacity) return Raw(markup);
    out_.write(markup.data(), static_cast<std::streamsize>(markup.size()));
    return *this;
}

void TextOut_t::Flush() {
    out_.write(buffer_.get(), static_cast<std::streamsize>(at_ - buffer_.get()));
    at_ = buffer_.get();
}

}  // namespace tool
