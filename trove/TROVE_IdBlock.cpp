#include "trove/TROVE_IdBlock.h"

#include <cstring>

#include "base/BASE_Exception.h"

namespace trove {

IdBlock_t::IdBlock_t(std::size_t n, std::uint8_t value) {
    if (n > kCapacity) throw base::OutOfRange_t(TROVIX_SOURCE, __LINE__);
    std::memset(bytes_, value, n);
    size_ = static_cast<std::uint8_t>(n);
}

void IdBlock_t::assign(const std::uint8_t* first, const std::uint8_t* last) {
    const auto n = static_cast<std::size_t>(last - first);
    if (n > kCapacity) throw base::OutOfRange_t(TROVIX_SOURCE, __LINE__);
    if (n > 0) std::memcpy(bytes_, first, n);
    size_ = static_cast<std::uint8_t>(n);
}

void IdBlock_t::push_back(std::uint8_t byte) {
    if (size_ == kCapacity) throw base::OutOfRange_t(TROVIX_SOURCE, __LINE__);
    bytes_[size_++] = byte;
}

}  // namespace trove
