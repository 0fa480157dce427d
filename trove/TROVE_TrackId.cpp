#include "trove/TROVE_TrackId.h"

#include "trove/TROVE_NameOrder.h"

namespace trove {

std::string TrackId_t::Describe() const {
    return "Track: " + text;
}

bool operator<(const TrackId_t& a, const TrackId_t& b) {
    return NameLess(a.text, b.text);
}

}  // namespace trove
