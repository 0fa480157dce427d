#include "trove/TROVE_TrackRead.h"

#include <cstdint>

#include "base/BASE_Time.h"

namespace trove {

namespace {

constexpr std::int32_t kMaxTrackEnum = 16;

}  // namespace

void ReadTrackPoint(bin::istream& in, TrackPoint_t& target) {
    TrackPoint_t point;
    std::uint8_t has_time = 0;
    std::int32_t seconds = 0;
    in.ReadPosition(point.position).ReadByte(has_time).Read(seconds);
    if (in.fail()) return;
    // Every time value must be a UTC time, present or not; only negative ones are not.
    if (seconds < 0) (void)base::UtcTime(seconds);
    if (has_time != 0) point.time = seconds;
    in.ReadOptionalReal(point.point_real);
    if (!in.fail()) target = point;
}

void ReadTrackBody(bin::istream& in, Track_t& track) {
    std::uint8_t track_byte = 1;
    std::int32_t track_enum = 0;
    std::uint32_t count = 0;
    in.ReadByte(track_byte).ReadEnum(track_enum, 0, kMaxTrackEnum).Read(count);
    if (in.fail()) return;
    // Points go straight into the track: a track is never copied while it is read.
    track.track_byte = track_byte;
    track.track_enum = track_enum;
    for (std::uint32_t i = 0; i < count; ++i) {
        TrackPoint_t point;
        ReadTrackPoint(in, point);
        if (in.fail()) {
            track = Track_t();
            return;
        }
        track.AppendPoint(point);
    }
}

}  // namespace trove
