#pragma once
// The kinds of data a change set can touch, as bit numbers of the changed-kinds set.
#include <bitset>
#include <cstddef>

namespace trove {

enum ChangeKind_t : std::size_t {
    kWaypointKind = 0,
    kRouteKind = 1,
    kTrackKind = 2,
    kRoute0Kind = 3,
    kMapKind = 4,
    kVolumeKind = 5,
};

constexpr std::size_t kChangeKindCount = 6;

using ChangedKinds_t = std::bitset<kChangeKindCount>;

}  // namespace trove
