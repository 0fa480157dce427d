#pragma once
// The fields the exports write of each waypoint, route, track and track point, named as dump
// names them, so one list serves every format. A sink takes each field in turn:
//   Text(name, bytes)            a text in the file's code page
//   Signed(name, value), Unsigned(name, value)
//   Real(name, optional double)  absent: no value
//   Degrees(name, semicircles)
//   Time(name, optional seconds since 1970-01-01 00:00 UTC)
#include <cstdint>
#include <string>
#include <string_view>

#include "base/BASE_Optional.h"
#include "tools/TOOL_TextOut.h"
#include "trove/TROVE_Database.h"

namespace tool {

// name, latitude, longitude and altitude first (every format puts them in front), then the
// rest in dump's order.
template <class Sink>
void WaypointFields(const trove::WaypointId_t& id, const trove::Waypoint_t& w, Sink& sink) {
    static const char kHex[] = "0123456789ABCDEF";
    sink.Text("name", View(id.name.text));
    sink.Degrees("latitude", w.position.latitude);
    sink.Degrees("longitude", w.position.longitude);
    sink.Real("altitude", w.position.altitude);
    sink.Signed("id_class", id.id_class);
    sink.Text("id_text", View(id.id_text));
    sink.Unsigned("id_number_1", id.id_number_1);
    sink.Unsigned("id_number_2", id.id_number_2);
    // The block is 8 bytes as read; only a longer one would take the heap.
    char digits[64];
    std::string longer;
    if (id.id_block.size() * 2 > sizeof digits) longer.resize(id.id_block.size() * 2);
    char* hex = longer.empty() ? digits : &longer[0];
    std::size_t used = 0;
    for (std::uint8_t b : id.id_block) {
        hex[used++] = kHex[b >> 4];
        hex[used++] = kHex[b & 0xF];
    }
    sink.Text("id_block", std::string_view(hex, used));
    sink.Unsigned("id_short", id.id_short);
    sink.Unsigned("id_number_3", id.id_number_3);
    sink.Text("text_1", View(w.text_1));
    sink.Real("real_1", w.real_1);
    sink.Signed("enum_a", w.enum_a);
    sink.Signed("enum_b", w.enum_b);
    sink.Signed("symbol", static_cast<std::int64_t>(w.symbol));
    sink.Text("text_2", View(w.text_2));
    sink.Text("text_3", View(w.text_3));
    sink.Text("text_4", View(w.text_4));
    sink.Unsigned("byte_1", w.byte_1);
    sink.Real("real_2", w.real_2);
    sink.Text("text_5", View(w.text_5));
    sink.Text("text_6", View(w.text_6));
    sink.Real("number_1", base::Optional_t<double>(w.number_1));
    sink.Text("text_7", View(w.text_7));
}

template <class Sink>
void RouteFields(const trove::RouteId_t& id, Sink& sink) {
    sink.Text("name", View(id.name.text));
    sink.Unsigned("generated_name", id.generated_name);
}

template <class Sink>
void TrackFields(const trove::TrackId_t& id, const trove::Track_t& track, Sink& sink) {
    sink.Text("name", View(id.text));
    sink.Unsigned("track_byte", track.track_byte);
    sink.Signed("track_enum", track.track_enum);
}

// One point of the track named track_name.
template <class Sink>
void TrackPointFields(std::string_view track_name, const trove::TrackPoint_t& point, Sink& sink) {
    sink.Text("track", track_name);
    sink.Degrees("latitude", point.position.latitude);
    sink.Degrees("longitude", point.position.longitude);
    sink.Real("altitude", point.position.altitude);
    sink.Time("time", point.time);
    sink.Real("point_real", point.point_real);
}

}  // namespace tool
