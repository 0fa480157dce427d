#include "tbk/TBK_Payload.h"

namespace tbk {

namespace {

void PutShort(ByteWriter_t& w, std::uint16_t v, int data_version) {
    if (data_version <= 100) {
        w.U8(static_cast<std::uint8_t>(v));
    } else {
        w.U16(v);
    }
}

}  // namespace

void PutOptionalReal(ByteWriter_t& w, const std::optional<double>& v) {
    w.U8(v ? 1 : 0);
    w.Real(v.value_or(0.0));
}

void PutPosition(ByteWriter_t& w, const Position_t& p) {
    w.I32(p.latitude);
    w.I32(p.longitude);
    PutOptionalReal(w, p.altitude);
}

void PutBox(ByteWriter_t& w, const Box_t& box) {
    w.U8(box.empty ? 1 : 0);
    if (box.empty) return;
    PutPosition(w, box.first);
    PutPosition(w, box.second);
}

void PutWaypointKey(ByteWriter_t& w, const WaypointKey_t& key, int data_version) {
    w.Text(key.name);
    w.I32(key.id_class);
    w.Text(key.id_text);
    w.U32(key.id_number_1);
    w.U32(key.id_number_2);
    for (std::uint8_t b : key.id_block) w.U8(b);
    PutShort(w, key.id_short, data_version);
    if (data_version >= 103) w.U32(key.id_number_3);
}

void PutWaypointBody(ByteWriter_t& w, const WaypointBody_t& body, int data_version) {
    PutPosition(w, body.position);
    w.Text(body.text_1);
    PutOptionalReal(w, body.real_1);
    w.I32(body.enum_a);
    w.I32(body.enum_b);
    w.I32(body.symbol);
    w.Text(body.text_2);
    w.Text(body.text_3);
    w.Text(body.text_4);
    w.U8(body.byte_1);
    PutOptionalReal(w, body.real_2);
    w.Text(body.text_5);
    w.Text(body.text_6);
    if (data_version >= 102) {
        w.U32(body.number_1);
        w.Text(body.text_7);
    }
}

void PutLink(ByteWriter_t& w, const Link_t& link, int data_version) {
    w.Text(link.link_text);
    w.I32(link.link_class);
    w.U32(link.link_number_1);
    w.U32(link.link_number_2);
    PutShort(w, link.link_short, data_version);
    w.I32(link.link_kind);
    w.U32(link.declared_count.value_or(static_cast<std::uint32_t>(link.link_points.size())));
    for (const Position_t& p : link.link_points) PutPosition(w, p);
    PutBox(w, link.link_bounds);
}

void PutTrackPoint(ByteWriter_t& w, const TrackPoint_t& point) {
    PutPosition(w, point.position);
    w.U8(point.time ? 1 : 0);
    w.I32(point.time.value_or(point.absent_time_seconds));
    PutOptionalReal(w, point.point_real);
}

std::string WaypointPayload(const Waypoint_t& waypoint, int data_version) {
    ByteWriter_t w;
    PutWaypointKey(w, waypoint.key, data_version);
    PutWaypointBody(w, waypoint.body, data_version);
    return w.Take();
}

std::string RoutePayload(const Route_t& route, int data_version) {
    ByteWriter_t w;
    w.Text(route.name);
    w.U8(route.generated_name);
    PutBox(w, route.bounds);
    w.U32(route.declared_count.value_or(static_cast<std::uint32_t>(route.points.size())));
    for (const RoutePoint_t& p : route.points) {
        PutWaypointKey(w, p.waypoint, data_version);
        PutLink(w, p.link, data_version);
    }
    return w.Take();
}

std::string TrackPayload(const Track_t& track) {
    ByteWriter_t w;
    w.Text(track.name);
    w.U8(track.track_byte);
    w.I32(track.track_enum);
    w.U32(track.declared_count.value_or(static_cast<std::uint32_t>(track.points.size())));
    for (const TrackPoint_t& p : track.points) PutTrackPoint(w, p);
    return w.Take();
}

std::string MapPayload(const Map_t& map) {
    ByteWriter_t w;
    w.U32(map.map_value);
    w.U32(map.map_number);
    w.Text(map.map_text_1);
    w.Text(map.name);
    w.Text(map.map_text_2);
    if (map.map_items) {
        for (std::uint32_t item : *map.map_items) w.U32(item);
        w.U32(0);
    }
    return w.Take();
}

std::string Route0Payload(const Route0_t& entry) {
    ByteWriter_t w;
    w.Text(entry.name);
    w.U8(entry.generated_name);
    w.U8(entry.rt0_flag);
    return w.Take();
}

std::string VolumePayload(const Volume_t& volume) {
    ByteWriter_t w;
    w.Text(volume.volume_text);
    w.U8(volume.volume_flag);
    return w.Take();
}

std::string DPayload(std::uint16_t data_version) {
    ByteWriter_t w;
    w.U16(data_version);
    return w.Take();
}

std::string APayload(std::uint16_t a_number, const std::string& a_text_1, const std::string& a_text_2,
                     const std::string& a_text_3) {
    ByteWriter_t w;
    w.U16(a_number);
    w.Text(a_text_1);
    w.Text(a_text_2);
    w.Text(a_text_3);
    return w.Take();
}

}  // namespace tbk
