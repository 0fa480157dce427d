#include "trove/TROVE_VolumeRead.h"

#include <cstdint>
#include <utility>

namespace trove {

void ReadVolume(bin::SpanReader_t& in, Volume_t& target) {
    Volume_t volume;
    std::uint8_t flag = 1;
    in.ReadText(volume.volume_text).ReadByte(flag);
    if (in.fail()) return;
    volume.volume_flag = flag;
    target = std::move(volume);
}

}  // namespace trove
