#include "tools/formats/TOOL_GpxWriter.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "base/BASE_ApplicationInfo.h"
#include "base/BASE_DoubleChars.h"
#include "model/MODEL_Extent.h"
#include "model/MODEL_File.h"
#include "tools/formats/TOOL_FieldMarkup.h"
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

constexpr std::int64_t kInt32Max = 2147483647;

// What GPX makes of each waypoint field: a GPX element, or an element of the extensions (in
// schema order).
enum class Role_t { Skip, Element, Altitude, Symbol, Extension };

struct WaypointField_t {
    std::size_t index;  // in the schema
    Role_t role;
    const char* element;
};

const std::vector<WaypointField_t>& WaypointFields() {
    static const std::vector<WaypointField_t> fields = [] {
        std::vector<WaypointField_t> all;
        const model::Schema_t& schema = model::SchemaOf(model::LayerId_t::Waypoints);
        for (std::size_t i = 0; i < schema.Size(); ++i) {
            const std::string_view name = schema[i].name;
            WaypointField_t f{i, Role_t::Extension, nullptr};
            if (name == "latitude" || name == "longitude") f.role = Role_t::Skip;  // lat, lon
            if (name == "altitude") f.role = Role_t::Altitude;                     // <ele>
            if (name == "symbol") f.role = Role_t::Symbol;
            if (name == "name") f = {i, Role_t::Element, "name"};
            if (name == "comment") f = {i, Role_t::Element, "cmt"};
            if (name == "description") f = {i, Role_t::Element, "desc"};
            all.push_back(f);
        }
        return all;
    }();
    return fields;
}

// The fields of WaypointFields with a GPX element.
const std::vector<WaypointField_t>& WaypointElements() {
    static const std::vector<WaypointField_t> elements = [] {
        std::vector<WaypointField_t> some;
        for (const WaypointField_t& f : WaypointFields())
            if (f.role == Role_t::Element) some.push_back(f);
        return some;
    }();
    return elements;
}

class Gpx_t {
public:
    explicit Gpx_t(XmlOut_t& xml) : xml_(xml) {}

    void Document(const model::File_t& file, const std::string& name);

private:
    void Metadata(const model::File_t& file, const std::string& name);
    void Bounds(const model::File_t& file);
    void Waypoint(const model::Waypoint_t& w);
    // The extension's elements: every waypoint field GPX has no element for.
    class Extension_t;
    void Route(const model::File_t& file, std::size_t index, const model::Route_t& route);
    // <trovix:link_points> for points that are there: `lon,lat` or `lon,lat,alt` each, blank
    // between them, as KML's coordinates.
    void LinkPoints(const std::vector<geo::Position_t>& points);
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
    // Every value under extensions is an element of its own holding nothing but the value, so
    // that GIS readers (GDAL's GPX driver, and so QGIS) take each as a field.
    // <trovix:name>value</trovix:name> for a value that is markup already (numbers).
    void Plain(const char* name, std::string_view value) {
        xml_.Raw("<trovix:").Raw(name).Raw(">").Raw(value).Raw("</trovix:").Raw(name).Raw(">");
    }
    // The same for a text of the file that is not empty.
    void Text(const char* name, std::string_view text) {
        if (text.empty()) return;
        xml_.Raw("<trovix:").Raw(name).Raw(">").Text(text).Raw("</trovix:").Raw(name).Raw(">");
    }
    void Number(const char* name, std::uint64_t value) {
        char* end = std::to_chars(number_, number_ + sizeof number_, value).ptr;
        Plain(name, Beyond32Bits(end, value > kInt32Max));
    }
    void SignedNumber(const char* name, std::int64_t value) { Plain(name, SignedText(value)); }
    std::string_view SignedText(std::int64_t value) {
        char* end = std::to_chars(number_, number_ + sizeof number_, value).ptr;
        return Beyond32Bits(end, value > kInt32Max || value < -kInt32Max - 1);
    }
    void RealValue(const char* name, double value) { Plain(name, RealText(value)); }
    std::string_view RealText(double value) {
        const std::string_view text = Real(value, real_);
        const bool whole = text.find_first_of(".eEIN") == std::string_view::npos;
        // Whole reals in digits are as long as their exponent form at most: 24 characters.
        if (!whole || !(value > kInt32Max || value < -kInt32Max - 1) || text.size() + 2 > sizeof number_)
            return text;
        std::copy(text.begin(), text.end(), number_);
        return Beyond32Bits(number_ + text.size(), true);
    }
    // GIS readers take a value of digits only as a 32-bit integer and cut what lies beyond;
    // ".0" makes it a real of the same value for them. number_ holds the digits up to end.
    std::string_view Beyond32Bits(char* end, bool beyond) {
        if (beyond) {
            *end++ = '.';
            *end++ = '0';
        }
        return std::string_view(number_, static_cast<std::size_t>(end - number_));
    }
    void OptionalReal(const char* name, const base::Optional_t<double>& value) {
        if (value.Has()) RealValue(name, *value);
    }
    // An altitude that <ele> cannot hold.
    void OddAltitude(const base::Optional_t<double>& altitude) {
        if (altitude.Has() && !IsFinite(*altitude)) RealValue("altitude", *altitude);
    }
    // prefix_north, prefix_south, ... in degrees, for a box that is not empty.
    void Box(const char* prefix, const geo::Box_t& box);

    XmlOut_t& xml_;
    char degrees_[32];
    char real_[400];
    char number_[32];
};

void Gpx_t::Document(const model::File_t& file, const std::string& name) {
    const trove::Database_t& db = file.Database();
    const base::ApplicationInfo_t& app = base::TheApplicationInfo();
    const std::string creator = app.name + " " + std::to_string(app.major) + "." + std::to_string(app.minor) +
                                "." + std::to_string(app.build) + "." + std::to_string(app.revision);
    xml_.Raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    xml_.Raw("<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" xmlns:trovix=\"").Raw(kTrovixNamespace);
    xml_.Raw("\" version=\"1.1\" creator=\"").Raw(creator).Raw("\">\n");
    Metadata(file, name);
    file.ForEachWaypoint([this](const model::Waypoint_t& w) { Waypoint(w); });
    std::size_t index = 0;
    for (const auto& entry : db.routes) Route(file, index++, model::Route_t{entry.first, entry.second});
    for (const auto& entry : db.tracks) Track(entry.first, entry.second);
    xml_.Raw("</gpx>\n");
    xml_.Flush();
}

void Gpx_t::Metadata(const model::File_t& file, const std::string& name) {
    const trove::Database_t& db = file.Database();
    const trove::DocInfo_t& doc = file.Header();
    xml_.Raw("<metadata>\n");
    if (!name.empty()) xml_.Raw("<name>").Utf8Text(name).Raw("</name>\n");
    Bounds(file);
    xml_.Raw("<extensions>\n");
    Plain("format", file.Result().format == trove::FileFormat_t::Legacy ? "legacy" : "current");
    Number("format_version", doc.format_version);
    Number("data_version", doc.data_version);
    xml_.Raw("\n");
    // A map's values in a row, each map beginning with its number.
    for (const trove::Map_t& map : db.maps) {
        Number("map_number", map.map_number);
        Number("map_value", map.map_value);
        Text("map_name", View(map.name));
        Text("map_text_1", View(map.map_text_1));
        Text("map_text_2", View(map.map_text_2));
        if (!map.map_items.empty()) {
            std::string items;
            for (std::uint32_t item : map.map_items) {
                if (!items.empty()) items += ' ';
                items += std::to_string(item);
            }
            Plain("map_items", items);
        }
        xml_.Raw("\n");
    }
    for (const trove::Route0Entry_t& entry : db.route0) {
        // The name even when empty: it begins the entry.
        xml_.Raw("<trovix:route0_name>").Text(View(entry.route.name.text)).Raw("</trovix:route0_name>");
        Number("route0_generated_name", entry.route.generated_name);
        Number("route0_flag", entry.rt0_flag);
        xml_.Raw("\n");
    }
    const trove::Volume_t& volume = db.Volume();
    Text("volume_text", View(volume.volume_text));
    SignedNumber("volume_flag", volume.volume_flag);
    xml_.Raw("\n</extensions>\n</metadata>\n");
}

// The smallest latitude and longitude range holding every position of the file; GPX's box
// cannot cross the antimeridian.
void Gpx_t::Bounds(const model::File_t& file) {
    const trove::Database_t& db = file.Database();
    model::Extent_t extent;
    auto add = [&](const geo::Position_t& p) { extent.AddPoint(model::MakePoint(p)); };
    for (const auto& entry : db.waypoints) add(entry.second.position);
    for (const auto& entry : db.routes)
        for (const trove::RouteWaypoint_t& point : entry.second.route_points)
            for (const geo::Position_t& p : point.link.link_points) add(p);
    for (const auto& entry : db.tracks)
        for (const trove::TrackSegment_t& segment : entry.second.segments)
            for (const trove::TrackPoint_t& point : segment.points) add(point.position);
    if (extent.Empty()) return;
    xml_.Raw("<bounds");
    xml_.PlainAttribute("minlat", Degrees(extent.South(), degrees_));
    xml_.PlainAttribute("minlon", Degrees(static_cast<std::int32_t>(extent.MinLongitude()), degrees_));
    xml_.PlainAttribute("maxlat", Degrees(extent.North(), degrees_));
    xml_.PlainAttribute("maxlon", Degrees(static_cast<std::int32_t>(extent.MaxLongitude()), degrees_));
    xml_.Raw("/>\n");
}

void Gpx_t::Box(const char* prefix, const geo::Box_t& box) {
    if (box.Empty()) return;
    const std::string p(prefix);
    Plain((p + "_north").c_str(), Degrees(box.North(), degrees_));
    Plain((p + "_south").c_str(), Degrees(box.South(), degrees_));
    Plain((p + "_east").c_str(), Degrees(box.East(), degrees_));
    Plain((p + "_west").c_str(), Degrees(box.West(), degrees_));
    OptionalReal((p + "_max_altitude").c_str(), box.MaxAltitude());
    OptionalReal((p + "_min_altitude").c_str(), box.MinAltitude());
}

// Each function is one kind's: the field list calls it where the field is of that kind.
class Gpx_t::Extension_t final : public model::FieldSink_t {
public:
    Extension_t(Gpx_t& gpx, const model::Waypoint_t& w)
        : gpx_(gpx),
          xml_(gpx.xml_),
          w_(w),
          schema_(model::SchemaOf(model::LayerId_t::Waypoints).begin()),
          fields_(WaypointFields()),
          opens_(Opens()),
          closes_(Closes()) {}

    void Absent(const model::Field_t&) override {}
    void Integer(const model::Field_t& field, std::int64_t value) override {
        const Role_t role = RoleOf(field);
        if (role != Role_t::Extension && role != Role_t::Symbol) return;
        Open(field).Raw(gpx_.SignedText(value));
        Close(field);
        if (role != Role_t::Symbol) return;
        // The handheld's code for the symbol, as the import writes it into the coded line.
        const auto code = devio::SymbolTable().FindSecond(w_.body.symbol);
        if (code != devio::SymbolTable().end())
            gpx_.Number("handheld_symbol", static_cast<std::uint64_t>(code->first));
    }
    void Real(const model::Field_t& field, double value) override {
        const Role_t role = RoleOf(field);
        // An altitude that <ele> cannot hold.
        if (role == Role_t::Altitude && !IsFinite(value)) gpx_.RealValue("altitude", value);
        if (role != Role_t::Extension) return;
        Open(field).Raw(gpx_.RealText(value));
        Close(field);
    }
    void Degrees(const model::Field_t&, std::int32_t) override {}
    void Text(const model::Field_t& field, std::string_view bytes) override {
        if (bytes.empty() || RoleOf(field) != Role_t::Extension) return;
        Open(field).Text(bytes);
        Close(field);
    }
    void Time(const model::Field_t&, std::int64_t) override {}
    void Hex(const model::Field_t& field, std::string_view bytes) override {
        if (RoleOf(field) != Role_t::Extension) return;
        // The block is 8 bytes as read; the buffer takes any size in pieces.
        Open(field);
        char hex[32];
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
        for (std::size_t at = 0; at < bytes.size(); at += sizeof hex / 2) {
            const std::size_t n = std::min(sizeof hex / 2, bytes.size() - at);
            xml_.Raw(std::string_view(hex, static_cast<std::size_t>(model::PutHex(hex, data + at, n) - hex)));
        }
        Close(field);
    }

private:
    XmlOut_t& Open(const model::Field_t& field) {
        return xml_.RawFromBlock<FieldMarkup_t::kBlock>(opens_[field]);
    }
    void Close(const model::Field_t& field) { xml_.RawFromBlock<FieldMarkup_t::kBlock>(closes_[field]); }
    // `<trovix:name>` and `</trovix:name>` for each waypoint field.
    static const FieldMarkup_t& Opens() {
        static const FieldMarkup_t opens(model::LayerId_t::Waypoints, "<trovix:", ">");
        return opens;
    }
    static const FieldMarkup_t& Closes() {
        static const FieldMarkup_t closes(model::LayerId_t::Waypoints, "</trovix:", ">");
        return closes;
    }
    Role_t RoleOf(const model::Field_t& field) const {
        return fields_[static_cast<std::size_t>(&field - schema_)].role;
    }

    Gpx_t& gpx_;
    XmlOut_t& xml_;
    const model::Waypoint_t& w_;
    const model::Field_t* schema_;  // the first field
    const std::vector<WaypointField_t>& fields_;
    const FieldMarkup_t& opens_;
    const FieldMarkup_t& closes_;
};

void Gpx_t::Waypoint(const model::Waypoint_t& w) {
    xml_.Raw("<wpt");
    LatLon(w.body.position);
    xml_.Raw(">");
    Ele(w.body.position.altitude);
    const model::Schema_t& schema = model::SchemaOf(model::LayerId_t::Waypoints);
    for (const WaypointField_t& f : WaypointElements()) Element(f.element, schema[f.index].value(&w).bytes);
    xml_.Raw("<extensions>");
    Extension_t extension(*this, w);
    model::VisitFields(w, extension, false);
    xml_.Raw("</extensions></wpt>\n");
}

void Gpx_t::Route(const model::File_t& file, std::size_t index, const model::Route_t& route) {
    const trove::RouteId_t& id = route.id;
    xml_.Raw("<rte>");
    Element("name", View(id.name.text));
    xml_.Raw("<extensions>");
    Number("generated_name", id.generated_name);
    Box("bounds", route.body.bounds);
    xml_.Raw("</extensions>\n");
    file.ForEachRoutePoint(index, route, [this](const model::RoutePoint_t& point) {
        // A point without its waypoint has no position, which an rtept cannot be without.
        if (!point.waypoint) return;
        const trove::RouteLink_t& link = point.point.link;
        xml_.Raw("<rtept");
        LatLon(point.waypoint->position);
        xml_.Raw(">");
        Ele(point.waypoint->position.altitude);
        Element("name", View(point.point.waypoint.name.text));
        xml_.Raw("<extensions>");
        Text("link_text", View(link.link_text));
        SignedNumber("link_class", link.link_class);
        Number("link_number_1", link.link_number_1);
        Number("link_number_2", link.link_number_2);
        Number("link_short", link.link_short);
        SignedNumber("link_kind", link.link_kind);
        Box("link_bounds", link.link_bounds);
        LinkPoints(link.link_points);
        xml_.Raw("</extensions></rtept>\n");
    });
    xml_.Raw("</rte>\n");
}

void Gpx_t::LinkPoints(const std::vector<geo::Position_t>& points) {
    if (points.empty()) return;
    xml_.Raw("<trovix:link_points>");
    bool first = true;
    for (const geo::Position_t& p : points) {
        if (!first) xml_.Raw(" ");
        first = false;
        xml_.Raw(Degrees(p.longitude, degrees_));
        xml_.Raw(",");
        xml_.Raw(Degrees(p.latitude, degrees_));
        if (p.altitude.Has()) xml_.Raw(",").Raw(Real(*p.altitude, real_));
    }
    xml_.Raw("</trovix:link_points>");
}

void Gpx_t::Track(const trove::TrackId_t& id, const trove::Track_t& track) {
    xml_.Raw("<trk>");
    Element("name", View(id.text));
    xml_.Raw("<extensions>");
    Number("track_byte", track.track_byte);
    SignedNumber("track_enum", track.track_enum);
    xml_.Raw("</extensions>\n<trkseg>\n");
    model::ForEachTrackPoint(track, [this](const trove::TrackPoint_t& point) {
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
            p = base::FixedChars(p, line + sizeof line, *altitude).ptr;
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
            xml_.Raw("<extensions>");
            OddAltitude(point.position.altitude);
            OptionalReal("point_real", point.point_real);
            xml_.Raw("</extensions>");
        }
        xml_.Raw("</trkpt>\n");
    });
    xml_.Raw("</trkseg>\n</trk>\n");
}

}  // namespace

std::size_t WriteGpxDocument(std::ostream& out, const WriteInput_t& input) {
    XmlOut_t xml(out, input.file.CodePage());
    Gpx_t(xml).Document(input.file, input.file_name);
    return xml.Replaced();
}

const Format_t kGpxFormat = {
    "gpx",   ".gpx",          "every waypoint, route and track of FILE as GPX 1.1 (UTF-8)", true, true, {},
    nullptr, WriteGpxDocument};

}  // namespace tool
