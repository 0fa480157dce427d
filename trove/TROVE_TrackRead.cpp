#include "trove/TROVE_TrackRead.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/BASE_Time.h"
#include "trove/bin/BIN_Decode.h"
#include "trove/bin/BIN_StreamDecode.h"

namespace trove {

namespace {

using bin::Int32At;

constexpr std::int32_t kMaxTrackEnum = 16;
// Position 17, optional time 5, optional real 9.
constexpr std::size_t kTrackPointBytes = 31;

// Every time value must be a UTC time, present or not; only negative ones are not.
void CheckTime(std::int32_t seconds) {
    if (seconds < 0) (void)base::UtcTime(seconds);
}

// As bin::OptionalRealAt, in two 32-bit halves, which compilers turn into plain loads.
base::Optional_t<double> RealAt(const std::uint8_t* p) {
    if (p[0] == 0) return base::Optional_t<double>();
    const std::uint64_t bits = std::uint64_t(static_cast<std::uint32_t>(Int32At(p + 1))) |
                               std::uint64_t(static_cast<std::uint32_t>(Int32At(p + 5))) << 32;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TrackPoint_t DecodeTrackPoint(const std::uint8_t* bytes) {
    TrackPoint_t point;
    point.position = geo::Position_t(Int32At(bytes), Int32At(bytes + 4), RealAt(bytes + 8));
    const std::int32_t seconds = Int32At(bytes + 18);
    CheckTime(seconds);
    if (bytes[17] != 0) point.time = seconds;
    point.point_real = RealAt(bytes + 22);
    return point;
}

}  // namespace

void ReadTrackPoint(bin::SpanReader_t& in, TrackPoint_t& target) {
    // Points are nearly all of a track file: a whole point is decoded in one step.
    const std::uint8_t* bytes = nullptr;
    if (in.Remaining() >= kTrackPointBytes && in.ReadBytes(bytes, kTrackPointBytes)) {
        target = DecodeTrackPoint(bytes);
        return;
    }
    TrackPoint_t point;
    std::uint8_t has_time = 0;
    std::int32_t seconds = 0;
    in.ReadPosition(point.position).ReadByte(has_time).Read(seconds);
    if (in.fail()) return;
    CheckTime(seconds);
    if (has_time != 0) point.time = seconds;
    in.ReadOptionalReal(point.point_real);
    if (!in.fail()) target = point;
}

void ReadTrackPoint(bin::istream& in, TrackPoint_t& target) {
    bin::DecodeStream(in, [&target](bin::SpanReader_t& bytes) { ReadTrackPoint(bytes, target); });
}

void ReadTrackBody(bin::SpanReader_t& in, Track_t& track) {
    std::uint8_t track_byte = 1;
    std::int32_t track_enum = 0;
    std::uint32_t count = 0;
    in.ReadByte(track_byte).ReadEnum(track_enum, 0, kMaxTrackEnum).Read(count);
    if (in.fail()) return;
    // Points go straight into the track: a track is never copied while it is read.
    track.track_byte = track_byte;
    track.track_enum = track_enum;
    // The whole points there are decoded where they are; like single points they raise at the
    // first bad one. The count is trusted only as far as the bytes go.
    const auto whole =
        static_cast<std::uint32_t>(std::min<std::size_t>(count, in.Remaining() / kTrackPointBytes));
    const std::uint8_t* bytes = nullptr;
    in.ReadBytes(bytes, std::size_t(whole) * kTrackPointBytes);
    for (std::uint32_t k = 0; k < whole; ++k)
        track.AppendPoint(DecodeTrackPoint(bytes + k * kTrackPointBytes));
    if (whole == count) return;
    // A point cut short: read as far as it goes, for the same failure (or exception).
    TrackPoint_t point;
    ReadTrackPoint(in, point);
    track = Track_t();
}

void ReadTrackBody(bin::istream& in, Track_t& track) {
    bin::DecodeStream(in, [&track](bin::SpanReader_t& bytes) { ReadTrackBody(bytes, track); });
}

}  // namespace trove
