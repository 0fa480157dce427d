#include "trove/TROVE_Volume.h"

namespace trove {

bool operator==(const Volume_t& a, const Volume_t& b) {
    return a.volume_text == b.volume_text && a.volume_flag == b.volume_flag;
}

std::string VolumeText(const std::set<Map_t>& maps) {
    std::string text;
    bool first = true;
    for (const Map_t& map : maps) {
        if (text.size() >= kVolumeTextLength) break;
        if (!first) text += ", ";
        text += map.name;
        first = false;
    }
    if (text.size() > kVolumeTextLength) text.resize(kVolumeTextLength);
    return text;
}

}  // namespace trove
