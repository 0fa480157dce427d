#pragma once
// A waypoint symbol of the database: 140 symbols, 0 to 139.
#include <cstdint>

namespace trove {

enum Symbol_t : std::int32_t {
    kFirstSymbol = 0,
    kDefaultSymbol = 18,
    kLastSymbol = 139,
};

}  // namespace trove
