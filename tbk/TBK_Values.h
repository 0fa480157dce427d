#pragma once
// Plain values of everything a data file can hold, with the defaults a reader starts from.
// No field is range checked: tests write out-of-range values on purpose.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tbk {

// Latitude and longitude in semicircles (2^31 = 180 degrees), altitude in metres.
struct Position_t {
    std::int32_t latitude = 0;
    std::int32_t longitude = 0;
    std::optional<double> altitude;
};

// Semicircles from degrees, rounded to the nearest.
std::int32_t Semicircles(double degrees);
Position_t At(double latitude_degrees, double longitude_degrees, std::optional<double> altitude = {});

// Written as the first corner (north, east, max altitude) and the second corner
// (south, west, min altitude).
struct Box_t {
    bool empty = true;
    Position_t first;
    Position_t second;
};

// The smallest box around the points (no 180-degree crossing assumed); altitudes only when
// every point has one. Empty for no points.
Box_t BoxAround(const std::vector<Position_t>& points);

struct WaypointKey_t {
    std::string name;
    std::int32_t id_class = 0;
    std::string id_text;
    std::uint32_t id_number_1 = 0;
    std::uint32_t id_number_2 = 0xFFFFFFFF;
    std::array<std::uint8_t, 8> id_block{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::uint16_t id_short = 0;              // one byte (the low one) up to data version 100
    std::uint32_t id_number_3 = 0xFFFFFFFF;  // from data version 103
};

struct WaypointBody_t {
    Position_t position;
    std::string text_1;
    std::optional<double> real_1;
    std::int32_t enum_a = 1;
    std::int32_t enum_b = 0;
    std::int32_t symbol = 18;
    std::string text_2;
    std::string text_3;
    std::string text_4;
    std::uint8_t byte_1 = 0;
    std::optional<double> real_2;
    std::string text_5;
    std::string text_6;
    std::uint32_t number_1 = 0;  // from data version 102
    std::string text_7;          // from data version 102
};

struct Waypoint_t {
    WaypointKey_t key;
    WaypointBody_t body;
};

struct Link_t {
    std::string link_text;
    std::int32_t link_class = 0;
    std::uint32_t link_number_1 = 0;
    std::uint32_t link_number_2 = 0;
    std::uint16_t link_short = 0;  // one byte (the low one) up to data version 100
    std::int32_t link_kind = 0;
    std::vector<Position_t> link_points;
    Box_t link_bounds;
    std::optional<std::uint32_t> declared_count;  // written instead of the true point count
};

struct RoutePoint_t {
    WaypointKey_t waypoint;
    Link_t link;
};

struct Route_t {
    std::string name;
    std::uint8_t generated_name = 1;
    Box_t bounds;
    std::vector<RoutePoint_t> points;
    std::optional<std::uint32_t> declared_count;  // written instead of the true point count
};

struct TrackPoint_t {
    Position_t position;
    std::optional<std::int32_t> time;  // seconds since 1970-01-01 00:00 UTC
    std::optional<double> point_real;
    std::int32_t absent_time_seconds = 0;  // the four bytes written when time is absent
};

struct Track_t {
    std::string name;
    std::uint8_t track_byte = 1;
    std::int32_t track_enum = 0;
    std::vector<TrackPoint_t> points;
    std::optional<std::uint32_t> declared_count;  // written instead of the true point count
};

struct Map_t {
    std::uint32_t map_value = 0;
    std::uint32_t map_number = 0;
    std::string map_text_1;
    std::string name;
    std::string map_text_2;
    // Absent: the payload ends after map_text_2. Present: the values, then a terminating 0.
    std::optional<std::vector<std::uint32_t>> map_items;
};

struct Route0_t {
    std::string name;
    std::uint8_t generated_name = 1;
    std::uint8_t rt0_flag = 0;
};

struct Volume_t {
    std::string volume_text;
    std::uint8_t volume_flag = 1;
};

}  // namespace tbk
