#include "trove/TROVE_TrackRead.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "base/BASE_Time.h"
#include "trove/bin/BIN_Decode.h"
#include "trove/bin/BIN_GetArea.h"

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

bool AtHand(bin::istream& in, std::size_t bytes) {
    return in.good() && in.rdbuf()->in_avail() >= static_cast<std::streamsize>(bytes);
}

}  // namespace

void ReadTrackPoint(bin::istream& in, TrackPoint_t& target) {
    // Points are nearly all of a track file: a point wholly at hand is taken in one read.
    if (AtHand(in, kTrackPointBytes)) {
        std::uint8_t bytes[kTrackPointBytes];
        if (!in.ReadRaw(bytes, sizeof bytes)) return;
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

void ReadTrackBody(bin::istream& in, Track_t& track) {
    std::uint8_t track_byte = 1;
    std::int32_t track_enum = 0;
    std::uint32_t count = 0;
    in.ReadByte(track_byte).ReadEnum(track_enum, 0, kMaxTrackEnum).Read(count);
    if (in.fail()) return;
    // Points go straight into the track: a track is never copied while it is read.
    track.track_byte = track_byte;
    track.track_enum = track_enum;
    for (std::uint32_t i = 0; i < count;) {
        // The whole points the record holds at hand are decoded where they are. Like single
        // points they raise at the first bad one; the stream, already past them, is never
        // looked at after that.
        const std::string_view ahead = bin::GetArea_t<char, std::char_traits<char>>::Unread(*in.rdbuf());
        const auto whole = static_cast<std::uint32_t>(
            std::min<std::size_t>(count - i, in.good() ? ahead.size() / kTrackPointBytes : 0));
        if (whole > 1) {
            bin::GetArea_t<char, std::char_traits<char>>::Skip(*in.rdbuf(), whole * kTrackPointBytes);
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(ahead.data());
            for (std::uint32_t k = 0; k < whole; ++k)
                track.AppendPoint(DecodeTrackPoint(bytes + k * kTrackPointBytes));
            i += whole;
            continue;
        }
        TrackPoint_t point;
        ReadTrackPoint(in, point);
        if (in.fail()) {
            track = Track_t();
            return;
        }
        track.AppendPoint(point);
        ++i;
    }
}

}  // namespace trove
