#pragma once
// The volume description of a database. While automatic, its text is made from the map names.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "trove/TROVE_Map.h"

namespace trove {

constexpr std::size_t kVolumeTextLength = 50;

struct Volume_t {
    std::string volume_text;
    std::int32_t volume_flag = 1;  // nonzero: the text follows the maps

    bool IsAutomatic() const { return volume_flag != 0; }
};

bool operator==(const Volume_t& a, const Volume_t& b);
inline bool operator!=(const Volume_t& a, const Volume_t& b) {
    return !(a == b);
}

// The map names in set order joined by ", "; a name is added only while the text is shorter
// than 50 characters, and the result is cut to 50.
std::string VolumeText(const std::set<Map_t>& maps);

}  // namespace trove
