#include "tools/TOOL_GpxWriter.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "base/BASE_ApplicationInfo.h"
#include "base/BASE_Exception.h"
#include "tools/TOOL_DoubleChars.h"
#include "tools/TOOL_Walk.h"
#include "trove/devio/DEVIO_Smbl102.h"

namespace tool {

const char kTrovixNamespace[] = "urn:x-trovix:gpx:1";

namespace {

// Copies a literal to p; returns the end.
template <std::size_t N>
char* Put(char* p, const char (&text)[N]) {
    std::memcpy(p, text, N - 1);
    return p + N - 1;
}

class Gpx_t {
public:
    explicit Gpx_t(XmlOut_t& xml) : xml_(xml) {}

    void Document(const trove::Database_t& db, const trove::DocInfo_t& doc, const trove::LoadResult_t& result,
                  const std::string& name);

private:
    void Metadata(const trove::Database_t& db, const trove::DocInfo_t& doc, const trove::LoadResult_t& result,
                  const std::string& name);
    void Bounds(const trove::Database_t& db);
    void Waypoint(const trove::WaypointId_t& id, const trove::Waypoint_t& w);
    void Route(const trove::Database_t& db, const trove::RouteId_t& id, const trove::Route_t& route);
    void Track(const trove::TrackId_t& id, const trove::Track_t& track);

    // ` lat="…" lon="…"`
    void LatLon(const geo::Position_t& p) {
        xml_.PlainAttribute("lat", Degrees(p.latitude, degrees_));
        xml_.PlainAttribute("lon", Degrees(p.longitude, degrees_));
    }
    // <ele> for a finite altitude.
    void Ele(const base::Optional_t<double>& altitude) {
        if (!altitude.Has() || !IsFinite(*altitude)) return;
        xml_.Raw("<ele>").Raw(Decimal(*altitude, real_)).Raw("</ele>");
    }
    // <tag>text</tag> for a text that is not empty.
    void Element(const char* tag, std::string_view text) {
        if (text.empty()) return;
        xml_.Raw("<").Raw(tag).Raw(">").Text(text).Raw("</").Raw(tag).Raw(">");
    }
    void TextAttribute(const char* name, std::string_view text) {
        if (!text.empty()) xml_.Attribute(name, text);
    }
    void Number(const char* name, std::uint64_t value) {
        xml_.PlainAttribute(
            name,
            std::string_view(number_, std::to_chars(number_, number_ + sizeof number_, value).ptr - number_));
    }
    void SignedNumber(const char* name, std::int64_t value) {
        xml_.PlainAttribute(
            name,
            std::string_view(number_, std::to_chars(number_, number_ + sizeof number_, value).ptr - number_));
    }
    void RealAttribute(const char* name, double value) { xml_.PlainAttribute(name, Real(value, real_)); }
    void OptionalReal(const char* name, const base::Optional_t<double>& value) {
        if (value.Has()) RealAttribute(name, *value);
    }
    // An altitude that <ele> cannot hold.
    void OddAltitude(const base::Optional_t<double>& altitude) {
        if (altitude.Has() && !IsFinite(*altitude)) RealAttribute("altitude", *altitude);
    }
    // <trovix:bounds …/> in degrees, for a box that is not empty.
    void Box(const geo::Box_t& box);

    XmlOut_t& xml_;
    char degrees_[32];
    char real_[400];
    char number_[24];
};

void Gpx_t::Document(const trove::Database_t& db, const trove::DocInfo_t& doc,
                     const trove::LoadResult_t& result, const std::string& name) {
    const base::ApplicationInfo_t& app = base::TheApplicationInfo();
    const std::string creator = app.name + " " + std::to_string(app.major) + "." + std::to_string(app.minor) +
                                "." + std::to_string(app.build) + "." + std::to_string(app.revision);
    xml_.Raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    xml_.Raw("<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" xmlns:trovix=\"").Raw(kTrovixNamespace);
    xml_.Raw("\" version=\"1.1\" creator=\"").Raw(creator).Raw("\">\n");
    Metadata(db, doc, result, name);
    ForEachWaypoint(db,
                    [this](const trove::WaypointId_t& id, const trove::Waypoint_t& w) { Waypoint(id, w); });
    for (const auto& entry : db.routes) Route(db, entry.first, entry.second);
    for (const auto& entry : db.tracks) Track(entry.first, entry.second);
    xml_.Raw("</gpx>\n");
    xml_.Flush();
}

void Gpx_t::Metadata(const trove::Database_t& db, const trove::DocInfo_t& doc,
                     const trove::LoadResult_t& result, const std::string& name) {
    xml_.Raw("<metadata>\n");
    if (!name.empty()) xml_.Raw("<name>").Utf8Text(name).Raw("</name>\n");
    Bounds(db);
    xml_.Raw("<extensions>\n<trovix:file");
    xml_.PlainAttribute("format", result.format == trove::FileFormat_t::Legacy ? "legacy" : "current");
    Number("format_version", doc.format_version);
    Number("data_version", doc.data_version);
    xml_.Raw("/>\n");
    for (const trove::Map_t& map : db.maps) {
        xml_.Raw("<trovix:map");
        Number("number", map.map_number);
        Number("value", map.map_value);
        TextAttribute("name", View(map.name));
        TextAttribute("text_1", View(map.map_text_1));
        TextAttribute("text_2", View(map.map_text_2));
        if (!map.map_items.empty()) {
            std::string items;
            for (std::uint32_t item : map.map_items) {
                if (!items.empty()) items += ' ';
                items += std::to_string(item);
            }
            xml_.PlainAttribute("items", items);
        }
        xml_.Raw("/>\n");
    }
    for (const trove::Route0Entry_t& entry : db.route0) {
        xml_.Raw("<trovix:route0");
        xml_.Attribute("name", View(entry.route.name.text));
        Number("generated_name", entry.route.generated_name);
        Number("flag", entry.rt0_flag);
        xml_.Raw("/>\n");
    }
    const trove::Volume_t& volume = db.Volume();
    xml_.Raw("<trovix:volume");
    TextAttribute("text", View(volume.volume_text));
    SignedNumber("flag", volume.volume_flag);
    xml_.Raw("/>\n</extensions>\n</metadata>\n");
}

// The smallest latitude and longitude range holding every position of the file.
void Gpx_t::Bounds(const trove::Database_t& db) {
    std::int32_t south = INT32_MAX, north = INT32_MIN, west = INT32_MAX, east = INT32_MIN;
    auto add = [&](const geo::Position_t& p) {
        south = std::min(south, p.latitude);
        north = std::max(north, p.latitude);
        west = std::min(west, p.longitude);
        east = std::max(east, p.longitude);
    };
    for (const auto& entry : db.waypoints) add(entry.second.position);
    for (const auto& entry : db.routes)
        for (const trove::RouteWaypoint_t& point : entry.second.route_points)
            for (const geo::Position_t& p : point.link.link_points) add(p);
    for (const auto& entry : db.tracks)
        for (const trove::TrackSegment_t& segment : entry.second.segments)
            for (const trove::TrackPoint_t& point : segment.points) add(point.position);
    if (south > north) return;
    xml_.Raw("<bounds");
    xml_.PlainAttribute("minlat", Degrees(south, degrees_));
    xml_.PlainAttribute("minlon", Degrees(west, degrees_));
    xml_.PlainAttribute("maxlat", Degrees(north, degrees_));
    xml_.PlainAttribute("maxlon", Degrees(east, degrees_));
    xml_.Raw("/>\n");
}

void Gpx_t::Box(const geo::Box_t& box) {
    if (box.Empty()) return;
    xml_.Raw("<trovix:bounds");
    xml_.PlainAttribute("north", Degrees(box.North(), degrees_));
    xml_.PlainAttribute("south", Degrees(box.South(), degrees_));
    xml_.PlainAttribute("east", Degrees(box.East(), degrees_));
    xml_.PlainAttribute("west", Degrees(box.West(), degrees_));
    OptionalReal("max_altitude", box.MaxAltitude());
    OptionalReal("min_altitude", box.MinAltitude());
    xml_.Raw("/>");
}

void Gpx_t::Waypoint(const trove::WaypointId_t& id, const trove::Waypoint_t& w) {
    static const char kHex[] = "0123456789ABCDEF";
    xml_.Raw("<wpt");
    LatLon(w.position);
    xml_.Raw(">");
    Ele(w.position.altitude);
    Element("name", View(id.name.text));
    Element("cmt", View(w.text_1));
    Element("desc", View(w.text_4));
    xml_.Raw("<extensions><trovix:waypoint");
    SignedNumber("id_class", id.id_class);
    TextAttribute("id_text", View(id.id_text));
    Number("id_number_1", id.id_number_1);
    Number("id_number_2", id.id_number_2);
    // The block is 8 bytes as read; the buffer takes any size in pieces.
    xml_.Raw(" id_block=\"");
    char hex[32];
    std::size_t used = 0;
    for (std::uint8_t b : id.id_block) {
        hex[used++] = kHex[b >> 4];
        hex[used++] = kHex[b & 0xF];
        if (used == sizeof hex) {
            xml_.Raw(std::string_view(hex, used));
            used = 0;
        }
    }
    xml_.Raw(std::string_view(hex, used)).Raw("\"");
    Number("id_short", id.id_short);
    Number("id_number_3", id.id_number_3);
    OddAltitude(w.position.altitude);
    OptionalReal("real_1", w.real_1);
    SignedNumber("enum_a", w.enum_a);
    SignedNumber("enum_b", w.enum_b);
    SignedNumber("symbol", static_cast<std::int64_t>(w.symbol));
    // The handheld's code for the symbol, as the import writes it into the coded line.
    const auto code = devio::SymbolTable().FindSecond(w.symbol);
    if (code != devio::SymbolTable().end()) Number("handheld_symbol", static_cast<std::uint64_t>(code->first));
    TextAttribute("text_2", View(w.text_2));
    TextAttribute("text_3", View(w.text_3));
    Number("byte_1", w.byte_1);
    OptionalReal("real_2", w.real_2);
    TextAttribute("text_5", View(w.text_5));
    TextAttribute("text_6", View(w.text_6));
    RealAttribute("number_1", w.number_1);
    TextAttribute("text_7", View(w.text_7));
    xml_.Raw("/></extensions></wpt>\n");
}

void Gpx_t::Route(const trove::Database_t& db, const trove::RouteId_t& id, const trove::Route_t& route) {
    xml_.Raw("<rte>");
    Element("name", View(id.name.text));
    xml_.Raw("<extensions><trovix:route");
    Number("generated_name", id.generated_name);
    xml_.Raw(">");
    Box(route.bounds);
    xml_.Raw("</trovix:route></extensions>\n");
    for (const trove::RouteWaypoint_t& point : route.route_points) {
        const auto& waypoint = RouteWaypoint(db, point);
        const trove::RouteLink_t& link = point.link;
        xml_.Raw("<rtept");
        LatLon(waypoint.second.position);
        xml_.Raw(">");
        Ele(waypoint.second.position.altitude);
        Element("name", View(waypoint.first.name.text));
        xml_.Raw("<extensions><trovix:link");
        TextAttribute("text", View(link.link_text));
        SignedNumber("class", link.link_class);
        Number("number_1", link.link_number_1);
        Number("number_2", link.link_number_2);
        Number("short", link.link_short);
        SignedNumber("kind", link.link_kind);
        xml_.Raw(">");
        Box(link.link_bounds);
        for (const geo::Position_t& p : link.link_points) {
            xml_.Raw("<trovix:point");
            LatLon(p);
            OptionalReal("altitude", p.altitude);
            xml_.Raw("/>");
        }
        xml_.Raw("</trovix:link></extensions></rtept>\n");
    }
    xml_.Raw("</rte>\n");
}

void Gpx_t::Track(const trove::TrackId_t& id, const trove::Track_t& track) {
    xml_.Raw("<trk>");
    Element("name", View(id.text));
    xml_.Raw("<extensions><trovix:track");
    Number("track_byte", track.track_byte);
    SignedNumber("track_enum", track.track_enum);
    xml_.Raw("/></extensions>\n<trkseg>\n");
    ForEachTrackPoint(track, [this](const trove::TrackPoint_t& point) {
        // Points are nearly all of a track file: each goes together in one piece.
        char line[1024];
        char* p = Put(line, "<trkpt lat=\"");
        p = PutDegrees(p, point.position.latitude);
        p = Put(p, "\" lon=\"");
        p = PutDegrees(p, point.position.longitude);
        p = Put(p, "\">");
        const base::Optional_t<double>& altitude = point.position.altitude;
        if (altitude.Has() && IsFinite(*altitude)) {
            p = Put(p, "<ele>");
            p = FixedChars(p, line + sizeof line, *altitude).ptr;
            p = Put(p, "</ele>");
        }
        if (point.time.Has()) {
            p = Put(p, "<time>");
            p = PutIsoTime(p, *point.time);
            p = Put(p, "</time>");
        }
        xml_.Raw(std::string_view(line, static_cast<std::size_t>(p - line)));
        const bool odd_altitude = point.position.altitude.Has() && !IsFinite(*point.position.altitude);
        if (point.point_real.Has() || odd_altitude) {
            xml_.Raw("<extensions><trovix:point");
            OddAltitude(point.position.altitude);
            OptionalReal("real", point.point_real);
            xml_.Raw("/></extensions>");
        }
        xml_.Raw("</trkpt>\n");
    });
    xml_.Raw("</trkseg>\n</trk>\n");
}

}  // namespace

void WriteGpx(XmlOut_t& xml, const trove::Database_t& db, const trove::DocInfo_t& doc,
              const trove::LoadResult_t& result, const std::string& name) {
    Gpx_t(xml).Document(db, doc, result, name);
}

}  // namespace tool
