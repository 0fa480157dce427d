#include "trove/bin/BIN_IFStream.h"

namespace bin {

template <class C, class Tr>
basic_ifstream<C, Tr>::basic_ifstream(const std::string& path, std::ios_base::openmode mode)
    : buffer_(kBufferSize) {
    this->init(&file_);
    file_.pubsetbuf(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    if (!file_.open(path, mode | std::ios_base::in | std::ios_base::binary)) {
        this->setstate(std::ios_base::failbit);
    }
}

template class basic_ifstream<char>;

}  // namespace bin
