#pragma once
// Record payloads as the builder writes them. All integers little-endian, no padding.
//
// Encodings
//   text            the bytes as given, then one 0 byte (a 0 inside the text is written as is)
//   optional real   presence byte (1 present, 0 absent), then 8 bytes binary64 (0.0 when absent)
//   position        lat i32, lon i32, optional real altitude                        = 17 bytes
//   position list   count u32, then count positions
//   box             1 byte: 1 = empty, nothing follows; 0 = then first corner (north, east,
//                   max alt) and second corner (south, west, min alt), 17 bytes each
//   optional time   presence byte (1/0), then seconds i32 (absent_time_seconds when absent)
//
// Data version v selects: "v<=100" (also every legacy file), "101", "102", "v>=103".
//
// W  waypoint = key + body
//   key   name text | id_class i32 | id_text text | id_number_1 u32 | id_number_2 u32 |
//         id_block 8 bytes | id_short: u8 (v<=100) or u16 (v>=101) | id_number_3 u32 (v>=103 only)
//   body  position 17 | text_1 text | real_1 opt real 9 | enum_a i32 | enum_b i32 | symbol i32 |
//         text_2 | text_3 | text_4 texts | byte_1 u8 | real_2 opt real 9 | text_5 | text_6 texts |
//         number_1 u32 and text_7 text (v>=102 only)
//   One-character name, all texts empty: key 24/25/25/29, body 54/54/59/59 bytes,
//   payload 78/79/84/88 for v<=100/101/102/v>=103.
// R  route   name text | generated_name u8 | bounds box | count u32 | count route points
//   route point = waypoint key (as in W, same version rules) + link
//   link  link_text text | link_class i32 | link_number_1 u32 | link_number_2 u32 |
//         link_short: u8 (v<=100) or u16 (v>=101) | link_kind i32 | link_points position list |
//         link_bounds box
// T  track   name text | track_byte u8 | track_enum i32 | count u32 | count track points
//   track point = position 17 | time opt time 5 | point_real opt real 9       = 31 bytes
// L  map     map_value u32 | map_number u32 | map_text_1 text | name text | map_text_2 text |
//            if map_items present: each item u32, then a terminating u32 0
// 0  route-0 name text | generated_name u8 | rt0_flag u8
// V  volume  volume_text text | volume_flag u8
// D  header  data_version u16
// A  header  a_number u16 | a_text_1 | a_text_2 | a_text_3 texts
// The count fields take declared_count instead of the true count when one is given.
#include <cstdint>
#include <string>

#include "tbk/TBK_ByteWriter.h"
#include "tbk/TBK_Values.h"

namespace tbk {

void PutOptionalReal(ByteWriter_t& w, const std::optional<double>& v);
void PutPosition(ByteWriter_t& w, const Position_t& p);
void PutBox(ByteWriter_t& w, const Box_t& box);
void PutWaypointKey(ByteWriter_t& w, const WaypointKey_t& key, int data_version);
void PutWaypointBody(ByteWriter_t& w, const WaypointBody_t& body, int data_version);
void PutLink(ByteWriter_t& w, const Link_t& link, int data_version);
void PutTrackPoint(ByteWriter_t& w, const TrackPoint_t& point);

std::string WaypointPayload(const Waypoint_t& waypoint, int data_version);
std::string RoutePayload(const Route_t& route, int data_version);
std::string TrackPayload(const Track_t& track);
std::string MapPayload(const Map_t& map);
std::string Route0Payload(const Route0_t& entry);
std::string VolumePayload(const Volume_t& volume);
std::string DPayload(std::uint16_t data_version);
std::string APayload(std::uint16_t a_number, const std::string& a_text_1 = std::string(),
                     const std::string& a_text_2 = std::string(),
                     const std::string& a_text_3 = std::string());

}  // namespace tbk
