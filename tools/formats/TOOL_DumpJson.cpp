#include "tools/formats/TOOL_DumpJson.h"

#include <cstddef>
#include <string>

#include "tools/formats/TOOL_Json.h"
#include "tools/formats/TOOL_ValueText.h"

namespace tool {

namespace {

void OptionalReal(JsonWriter_t& json, const base::Optional_t<double>& value) {
    if (value.Has()) {
        json.Real(*value);
    } else {
        json.Null();
    }
}

// [lat, lon, alt]
void PositionArray(JsonWriter_t& json, const geo::Position_t& p) {
    json.BeginArray(Layout::inline_);
    json.Int(p.latitude);
    json.Int(p.longitude);
    OptionalReal(json, p.altitude);
    json.EndArray();
}

void Box(JsonWriter_t& json, const geo::Box_t& box) {
    if (box.Empty()) {
        json.Null();
        return;
    }
    json.BeginObject(Layout::inline_);
    json.Key("north");
    json.Int(box.North());
    json.Key("south");
    json.Int(box.South());
    json.Key("east");
    json.Int(box.East());
    json.Key("west");
    json.Int(box.West());
    json.Key("max_altitude");
    OptionalReal(json, box.MaxAltitude());
    json.Key("min_altitude");
    OptionalReal(json, box.MinAltitude());
    json.EndObject();
}

// Every field in schema order; positions in semicircles, texts as their bytes.
void Waypoint(JsonWriter_t& json, const model::Waypoint_t& w) {
    using Kind = model::Value_t::Kind_t;
    json.BeginObject(Layout::inline_);
    model::ForEachField(model::LayerId_t::Waypoints, w, false,
                        [&json](const model::Field_t& field, const model::Value_t& value) {
                            json.Key(field.dump_name);
                            switch (value.kind) {
                                case Kind::Text:
                                    json.String(value.bytes);
                                    break;
                                case Kind::Hex: {
                                    char hex[400];
                                    json.String(PlainText(value, hex));
                                    break;
                                }
                                case Kind::Integer:
                                case Kind::Degrees:
                                case Kind::Time:
                                    json.Int(value.integer);
                                    break;
                                case Kind::Real:
                                    json.Real(value.real);
                                    break;
                                case Kind::Absent:
                                    json.Null();
                                    break;
                            }
                        });
    json.EndObject();
}

void RoutePoint(JsonWriter_t& json, const trove::RouteWaypoint_t& point) {
    const trove::RouteLink_t& link = point.link;
    json.BeginObject(Layout::inline_);
    json.Key("waypoint");
    json.String(point.waypoint.name.text);
    json.Key("link_text");
    json.String(link.link_text);
    json.Key("link_class");
    json.Int(link.link_class);
    json.Key("link_number_1");
    json.UInt(link.link_number_1);
    json.Key("link_number_2");
    json.UInt(link.link_number_2);
    json.Key("link_short");
    json.UInt(link.link_short);
    json.Key("link_kind");
    json.Int(link.link_kind);
    json.Key("link_points");
    json.BeginArray();
    for (const geo::Position_t& p : link.link_points) PositionArray(json, p);
    json.EndArray();
    json.Key("link_bounds");
    Box(json, link.link_bounds);
    json.EndObject();
}

void Route(JsonWriter_t& json, const trove::RouteId_t& id, const trove::Route_t& route) {
    json.BeginObject();
    json.Key("name");
    json.String(id.name.text);
    json.Key("generated_name");
    json.UInt(id.generated_name);
    json.Key("bounds");
    Box(json, route.bounds);
    json.Key("points");
    json.BeginArray();
    for (const trove::RouteWaypoint_t& point : route.route_points) RoutePoint(json, point);
    json.EndArray();
    json.EndObject();
}

// [lat, lon, alt, time, point_real]
void TrackPoint(JsonWriter_t& json, const trove::TrackPoint_t& p) {
    json.BeginArray(Layout::inline_);
    json.Int(p.position.latitude);
    json.Int(p.position.longitude);
    OptionalReal(json, p.position.altitude);
    if (p.time.Has()) {
        json.Int(*p.time);
    } else {
        json.Null();
    }
    OptionalReal(json, p.point_real);
    json.EndArray();
}

void Track(JsonWriter_t& json, const trove::TrackId_t& id, const trove::Track_t& track) {
    json.BeginObject();
    json.Key("name");
    json.String(id.text);
    json.Key("track_byte");
    json.UInt(track.track_byte);
    json.Key("track_enum");
    json.Int(track.track_enum);
    json.Key("point_count");
    json.Int(track.point_count);
    json.Key("segment_count");
    json.UInt(track.segments.size());
    json.Key("distance");
    json.Real(track.stats.distance);
    json.Key("duration");
    OptionalReal(json, track.stats.duration);
    json.Key("points");
    json.BeginArray();
    model::ForEachTrackPoint(track, [&json](const trove::TrackPoint_t& point) { TrackPoint(json, point); });
    json.EndArray();
    json.EndObject();
}

void Map(JsonWriter_t& json, const trove::Map_t& map) {
    json.BeginObject(Layout::inline_);
    json.Key("map_number");
    json.UInt(map.map_number);
    json.Key("name");
    json.String(map.name);
    json.Key("map_value");
    json.UInt(map.map_value);
    json.Key("map_text_1");
    json.String(map.map_text_1);
    json.Key("map_text_2");
    json.String(map.map_text_2);
    json.Key("map_items");
    json.BeginArray();
    for (std::uint32_t item : map.map_items) json.UInt(item);
    json.EndArray();
    json.EndObject();
}

void Route0(JsonWriter_t& json, const std::vector<trove::Route0Entry_t>& route0) {
    if (route0.empty()) {
        json.Null();
        return;
    }
    const trove::Route0Entry_t& entry = route0.front();
    json.BeginObject(Layout::inline_);
    json.Key("name");
    json.String(entry.route.name.text);
    json.Key("generated_name");
    json.UInt(entry.route.generated_name);
    json.Key("rt0_flag");
    json.UInt(entry.rt0_flag);
    json.EndObject();
}

void Volume(JsonWriter_t& json, const trove::Volume_t& volume) {
    json.BeginObject(Layout::inline_);
    json.Key("text");
    json.String(volume.volume_text);
    json.Key("flag");
    json.Int(volume.volume_flag);
    json.EndObject();
}

const char* DropName(trove::DropKind_t kind) {
    switch (kind) {
        case trove::DropKind_t::TrackPoints:
            return "track_points";
        case trove::DropKind_t::TruncatedRecord:
            return "truncated_record";
        case trove::DropKind_t::MoreNotes:
            return "more";
        case trove::DropKind_t::UnknownRecord:
            break;
    }
    return "unknown_record";
}

void Note(JsonWriter_t& json, const trove::LoadNote_t& note) {
    json.BeginObject(Layout::inline_);
    json.Key("record");
    json.UInt(note.record);
    json.Key("offset");
    json.UInt(note.offset);
    json.Key("letter");
    json.String(note.letter == 0 ? std::string() : std::string(1, static_cast<char>(note.letter)));
    json.Key("dropped");
    json.String(DropName(note.kind));
    // The last note of a long list counts the notes left out after it.
    json.Key(note.kind == trove::DropKind_t::MoreNotes ? "count" : "bytes");
    json.UInt(note.size);
    json.Key("name");
    json.String(note.name);
    json.EndObject();
}

}  // namespace

void WriteDumpJson(std::ostream& out, const model::File_t& file) {
    const trove::Database_t& db = file.Database();
    const trove::DocInfo_t& doc = file.Header();
    const trove::LoadResult_t& result = file.Result();
    JsonWriter_t json(out);
    json.BeginObject();
    json.Key("format");
    json.String(result.format == trove::FileFormat_t::Legacy ? "legacy" : "current");
    json.Key("format_version");
    json.UInt(doc.format_version);
    json.Key("data_version");
    json.UInt(doc.data_version);
    // The page the texts below were read in.
    json.Key("code_page");
    json.UInt(file.CodePage());

    json.Key("waypoints");
    json.BeginArray();
    for (const auto& entry : db.waypoints) Waypoint(json, model::Waypoint_t{entry.first, entry.second});
    json.EndArray();

    json.Key("routes");
    json.BeginArray();
    for (const auto& entry : db.routes) Route(json, entry.first, entry.second);
    json.EndArray();

    json.Key("tracks");
    json.BeginArray();
    for (const auto& entry : db.tracks) Track(json, entry.first, entry.second);
    json.EndArray();

    json.Key("maps");
    json.BeginArray();
    for (const trove::Map_t& map : db.maps) Map(json, map);
    json.EndArray();

    json.Key("route0");
    Route0(json, db.route0);
    json.Key("volume");
    Volume(json, db.Volume());

    json.Key("renamed");
    json.BeginArray();
    for (const auto& rename : result.renamed) {
        json.BeginObject(Layout::inline_);
        json.Key("from");
        json.String(rename.first.name.text);
        json.Key("to");
        json.String(rename.second.name.text);
        json.EndObject();
    }
    json.EndArray();

    json.Key("notes");
    json.BeginArray();
    for (const trove::LoadNote_t& note : file.Notes()) Note(json, note);
    json.EndArray();
    json.EndObject();
}

}  // namespace tool
