// The GeoJSON form of a loaded database (RFC 7946): one FeatureCollection with a feature per
// waypoint (Point), route and track (LineString, cut at the antimeridian into a
// MultiLineString). Every field goes into the properties, named as dump names them; a track's
// point times go into coordTimes, shaped as its coordinates are. A line's positions carry
// altitudes only when every one of its points has one: no line mixes two- and three-value
// positions.
#include <cstdint>
#include <string_view>

#include "tools/TOOL_Antimeridian.h"
#include "tools/TOOL_Export.h"
#include "tools/TOOL_Fields.h"
#include "tools/TOOL_Format.h"
#include "tools/TOOL_Json.h"
#include "tools/TOOL_TextOut.h"
#include "tools/TOOL_Walk.h"

namespace tool {

namespace {

bool HasAltitude(const LinePoint_t& p) {
    return p.altitude.Has() && IsFinite(*p.altitude);
}

class GeoJson_t {
public:
    explicit GeoJson_t(TextOut_t& out) : out_(out) {}

    void Document(const trove::Database_t& db, const std::string& name);

    // The fields' sink: one property each.
    void Text(const char* name, std::string_view bytes) {
        Key(name);
        String(out_.Utf8(bytes));
    }
    void Signed(const char* name, std::int64_t value) {
        Key(name);
        out_.Raw(Integer(value, number_));
    }
    void Unsigned(const char* name, std::uint64_t value) {
        Key(name);
        out_.Raw(tool::Unsigned(value, number_));
    }
    void Real(const char* name, const base::Optional_t<double>& value) {
        Key(name);
        // As dump writes it: JSON has no NaN or infinity.
        out_.Raw(value.Has() ? JsonReal(*value) : "null");
    }
    void Degrees(const char* name, std::int32_t semicircles) {
        Key(name);
        out_.Raw(tool::Degrees(semicircles, degrees_));
    }
    void Time(const char* name, const base::Optional_t<std::int32_t>& time) {
        Key(name);
        TimeValue(time.Has() ? base::Optional_t<std::int64_t>(*time) : base::Optional_t<std::int64_t>());
    }

private:
    void Key(const char* name);
    void String(std::string_view utf8);
    void TimeValue(const base::Optional_t<std::int64_t>& time);
    // [lon, lat], or with altitude [lon, lat, alt]
    void Position(const LinePoint_t& p, bool altitude);
    void Longitude(std::int64_t longitude);
    // `, "bbox": [west, south, east, north]`
    void Bbox(const Extent_t& extent);
    void BeginFeature(const char* kind);
    // The coordinates (or times) of a line: one array, or an array per part when it is cut.
    template <class Points, class Write>
    void Sequence(Points& points, bool cut, Write&& write);
    // A route or track: properties() writes its fields, points(each) walks it.
    template <class Points, class Properties>
    void Line(Points&& points, bool times, Properties&& properties);

    TextOut_t& out_;
    bool first_member_ = true;
    bool first_feature_ = true;
    Extent_t extent_;
    char degrees_[32];
    char number_[32];
};

void GeoJson_t::Document(const trove::Database_t& db, const std::string& name) {
    out_.Raw("{\"type\": \"FeatureCollection\", \"name\": ");
    String(out_.Utf8Name(name));
    out_.Raw(", \"features\": [");
    ForEachWaypoint(db, [this](const trove::WaypointId_t& id, const trove::Waypoint_t& w) {
        const LinePoint_t at = MakeLinePoint(w.position);
        BeginFeature("waypoint");
        WaypointFields(id, w, *this);
        out_.Raw("}, \"geometry\": {\"type\": \"Point\", \"coordinates\": ");
        Position(at, HasAltitude(at));
        out_.Raw("}}");
        extent_.AddPoint(at);
    });
    for (const auto& route : db.routes) {
        auto points = [&](auto&& each) {
            ForEachRoutePosition(db, route.second, [&](const geo::Position_t& p) { each(MakeLinePoint(p)); });
        };
        Line(points, false, [&] {
            BeginFeature("route");
            RouteFields(route.first, *this);
            Key("waypoints");
            out_.Raw("[");
            bool first = true;
            for (const trove::RouteWaypoint_t& point : route.second.route_points) {
                out_.Raw(first ? "" : ", ");
                first = false;
                String(out_.Utf8(View(point.waypoint.name.text)));
            }
            out_.Raw("]");
        });
    }
    for (const auto& track : db.tracks) {
        auto points = [&](auto&& each) {
            ForEachTrackPoint(track.second,
                              [&](const trove::TrackPoint_t& p) { each(MakeLinePoint(p.position, p.time)); });
        };
        Line(points, true, [&] {
            BeginFeature("track");
            TrackFields(track.first, track.second, *this);
        });
    }
    out_.Raw(first_feature_ ? "]" : "\n]");
    if (!extent_.Empty()) Bbox(extent_);
    out_.Raw("}\n");
}

void GeoJson_t::BeginFeature(const char* kind) {
    out_.Raw(first_feature_ ? "\n" : ",\n");
    first_feature_ = false;
    out_.Raw("{\"type\": \"Feature\", \"properties\": {\"kind\": \"").Raw(kind).Raw("\"");
    first_member_ = false;
}

template <class Points, class Write>
void GeoJson_t::Sequence(Points& points, bool cut, Write&& write) {
    out_.Raw(cut ? "[[" : "[");
    bool first = true;
    auto each = [&](const LinePoint_t& p) {
        out_.Raw(first ? "" : ", ");
        first = false;
        write(p);
    };
    if (cut) {
        WalkCutLine(points, each, [&] {
            out_.Raw("], [");
            first = true;
        });
    } else {
        points(each);
    }
    out_.Raw(cut ? "]]" : "]");
}

template <class Points, class Properties>
void GeoJson_t::Line(Points&& points, bool times, Properties&& properties) {
    // A first walk finds the shape: no point (no geometry), one (a Point), a line, or a line
    // cut at the antimeridian.
    std::size_t count = 0;
    bool cut = false, altitudes = true;
    AntimeridianCut_t cutter;
    LinePoint_t leave, enter;
    Extent_t extent;
    points([&](const LinePoint_t& p) {
        ++count;
        if (cutter.Next(p, leave, enter)) {
            cut = true;
            altitudes = altitudes && HasAltitude(leave) && HasAltitude(enter);
        }
        altitudes = altitudes && HasAltitude(p);
        extent.AddLinePoint(p);
    });
    extent.EndLine();

    properties();
    if (times) {
        Key("coordTimes");
        Sequence(points, cut, [this](const LinePoint_t& p) { TimeValue(p.time); });
    }
    out_.Raw("}, \"geometry\": ");
    if (count == 0) {
        out_.Raw("null}");
        return;
    }
    if (count == 1) {
        out_.Raw("{\"type\": \"Point\", \"coordinates\": ");
        points([this, altitudes](const LinePoint_t& p) { Position(p, altitudes); });
        out_.Raw("}}");
        extent_.Add(extent);
        return;
    }
    out_.Raw(cut ? "{\"type\": \"MultiLineString\", \"coordinates\": "
                 : "{\"type\": \"LineString\", \"coordinates\": ");
    Sequence(points, cut, [this, altitudes](const LinePoint_t& p) { Position(p, altitudes); });
    out_.Raw("}");
    Bbox(extent);
    out_.Raw("}");
    extent_.Add(extent);
}

void GeoJson_t::Bbox(const Extent_t& extent) {
    out_.Raw(", \"bbox\": [");
    Longitude(extent.West());
    out_.Raw(", ");
    out_.Raw(tool::Degrees(extent.South(), degrees_));
    out_.Raw(", ");
    Longitude(extent.East());
    out_.Raw(", ");
    out_.Raw(tool::Degrees(extent.North(), degrees_));
    out_.Raw("]");
}

void GeoJson_t::Key(const char* name) {
    out_.Raw(first_member_ ? "\"" : ", \"");
    first_member_ = false;
    out_.Raw(name);
    out_.Raw("\": ");
}

void GeoJson_t::String(std::string_view utf8) {
    static const char kHex[] = "0123456789abcdef";
    out_.Raw("\"");
    const char* run = utf8.data();
    const char* const end = run + utf8.size();
    for (const char* at = run; at != end; ++at) {
        const unsigned char c = static_cast<unsigned char>(*at);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out_.Raw(std::string_view(run, static_cast<std::size_t>(at - run)));
        run = at + 1;
        const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
        if (c == '"' || c == '\\') {
            const char pair[] = {'\\', static_cast<char>(c)};
            out_.Raw(std::string_view(pair, 2));
        } else {
            out_.Raw(std::string_view(escape, sizeof escape));
        }
    }
    out_.Raw(std::string_view(run, static_cast<std::size_t>(end - run)));
    out_.Raw("\"");
}

void GeoJson_t::TimeValue(const base::Optional_t<std::int64_t>& time) {
    if (!time.Has()) {
        out_.Raw("null");
        return;
    }
    char text[32];
    out_.Raw("\"");
    out_.Raw(IsoTime(*time, text));
    out_.Raw("\"");
}

void GeoJson_t::Longitude(std::int64_t longitude) {
    // +180 is the one longitude no semicircle value holds.
    if (longitude >= kHalfTurn) {
        out_.Raw("180");
    } else {
        out_.Raw(tool::Degrees(static_cast<std::int32_t>(longitude), degrees_));
    }
}

void GeoJson_t::Position(const LinePoint_t& p, bool altitude) {
    out_.Raw("[");
    Longitude(p.longitude);
    out_.Raw(", ");
    out_.Raw(tool::Degrees(p.latitude, degrees_));
    if (altitude) {
        char real[400];
        out_.Raw(", ");
        out_.Raw(tool::Real(*p.altitude, real));
    }
    out_.Raw("]");
}

}  // namespace

std::size_t WriteGeoJsonDocument(std::ostream& out, const ExportInput_t& input) {
    TextOut_t text(out, input.options.code_page);
    GeoJson_t(text).Document(input.db, input.file_name);
    text.Flush();
    return text.Replaced();
}

}  // namespace tool
