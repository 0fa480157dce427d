#include "trove/TROVE_Volume.h"

#include "base/BASE_MBString.h"

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
    base::CutToWholeChars(text, kVolumeTextLength);
    return text;
}

}  // namespace trove
