#include "tbk/TBK_BigFile.h"

#include <fstream>

#include "base/BASE_Exception.h"
#include "tbk/TBK_FileBuilder.h"

namespace tbk {

namespace {

constexpr std::size_t kDrainBytes = 1 << 20;

// A small fixed generator, so that the files are the same on every platform.
std::uint32_t Mix(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

const char* const kWords[] = {"Hut",   "Peak", "Lake",  "Pass",  "Bridge", "Chapel", "Spring",
                              "Ridge", "Camp", "Ferry", "Tower", "Cross",  "Fork",   "Mill"};
const char* const kRegions[] = {"Valais", "Ticino", "Tyrol", "Savoy", "Bavaria", "Carinthia"};

Track_t TypicalTrack(std::uint32_t t, std::uint32_t points) {
    Track_t track;
    track.name = "Track " + std::to_string(t + 1);
    track.track_enum = static_cast<std::int32_t>(t % 17);
    track.points.reserve(points);
    std::int32_t lat = Semicircles(45.5) + static_cast<std::int32_t>(Mix(t) % 10000000u);
    std::int32_t lon = Semicircles(6.5) + static_cast<std::int32_t>(Mix(t + 7) % 40000000u);
    double altitude = 800.0;
    std::int32_t time = 1072915200 + static_cast<std::int32_t>(t) * 86400;  // 2004-01-01
    for (std::uint32_t i = 0; i < points; ++i) {
        std::uint32_t r = Mix(t * 2654435761u + i);
        lat += static_cast<std::int32_t>(r % 4001) - 2000;
        lon += static_cast<std::int32_t>((r >> 12) % 4001) - 2000;
        altitude += static_cast<double>(static_cast<std::int32_t>((r >> 24) % 9) - 4) * 0.5;
        time += 5;
        TrackPoint_t p;
        p.position = Position_t{lat, lon, altitude};
        p.time = time;
        track.points.push_back(p);
    }
    return track;
}

}  // namespace

Waypoint_t TypicalWaypoint(std::uint32_t i) {
    std::uint32_t r = Mix(i);
    Waypoint_t w;
    w.key.name = std::string(kWords[r % 14]) + " " + std::to_string(i + 1);
    w.key.id_number_1 = i;
    std::int32_t lat = Semicircles(44.0) + static_cast<std::int32_t>(r % 50000000u);
    std::int32_t lon = Semicircles(5.0) + static_cast<std::int32_t>(Mix(r) % 100000000u);
    w.body.position = Position_t{lat, lon, 400.0 + (r >> 20) % 3500};
    w.body.text_1 = "Created " + std::to_string(1 + r % 28) + "-JUN-04 10:" + std::to_string(10 + r % 50);
    w.body.symbol = static_cast<std::int32_t>(r % 140);
    w.body.text_2 = kRegions[(r >> 8) % 6];
    w.body.text_5 = kWords[r % 14];
    if (r % 4 == 0) w.body.real_2 = 50.0 * (1 + (r >> 4) % 20);
    return w;
}

std::uint64_t WriteBigFile(const std::string& path, const BigFileSpec_t& shape) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw base::Exception_t(TROVIX_SOURCE, __LINE__, "cannot write " + path);
    FileBuilder_t file(shape.data_version);
    file.Header();
    for (std::uint32_t i = 0; i < shape.waypoints; ++i) {
        file.Waypoint(TypicalWaypoint(i));
        if (file.Bytes().size() >= kDrainBytes) file.DrainTo(out);
    }
    for (std::uint32_t t = 0; t < shape.tracks; ++t) {
        file.Track(TypicalTrack(t, shape.track_points));
        file.DrainTo(out);
    }
    file.DrainTo(out);
    out.close();
    if (!out) throw base::Exception_t(TROVIX_SOURCE, __LINE__, "cannot write " + path);
    return file.Size();
}

}  // namespace tbk
