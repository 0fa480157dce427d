#include "trove/bin/BIN_SpanReader.h"

#include <algorithm>
#include <utility>

namespace bin {

SpanReader_t& SpanReader_t::ReadBlock(std::vector<std::uint8_t>& dst, std::size_t n) {
    if (const std::uint8_t* p = Take(n)) dst.assign(p, p + n);
    return *this;
}

SpanReader_t& SpanReader_t::ReadPositions(std::vector<geo::Position_t>& dst) {
    std::uint32_t count = 0;
    if (!Read(count)) return *this;
    // The count is only a claim until the positions are there: reserve no more than the bytes
    // can hold, and end the loop at the first failure instead of idling through the rest.
    std::vector<geo::Position_t> list;
    list.reserve(std::min<std::size_t>(count, Remaining() / kPositionBytes));
    for (std::uint32_t i = 0; i < count; ++i) {
        geo::Position_t p;
        if (!ReadPosition(p)) return *this;
        list.push_back(std::move(p));
    }
    dst.swap(list);
    return *this;
}

}  // namespace bin
