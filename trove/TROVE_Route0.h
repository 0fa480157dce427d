#pragma once
// The route-0 entry: a reference to one route of the route table and a flag carried along.
#include <cstdint>

#include "trove/TROVE_RouteId.h"

namespace trove {

struct Route0Entry_t {
    RouteId_t route;
    std::uint8_t rt0_flag = 0;
};

}  // namespace trove
