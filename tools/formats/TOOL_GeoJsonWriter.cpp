// The GeoJSON form of a loaded database (RFC 7946): one FeatureCollection with a feature per
// waypoint (Point), route and track (LineString, cut at the antimeridian into a
// MultiLineString). Every field goes into the properties, named as the schema names them; a track's
// point times go into coordTimes, shaped as its coordinates are. A line's positions carry
// altitudes only when every one of its points has one: no line mixes two- and three-value
// positions.
#include <cstdint>
#include <string_view>

#include "model/MODEL_Antimeridian.h"
#include "model/MODEL_Extent.h"
#include "model/MODEL_File.h"
#include "tools/formats/TOOL_Json.h"
#include "tools/formats/TOOL_Registry.h"
#include "tools/formats/TOOL_TextOut.h"
#include "tools/formats/TOOL_ValueText.h"

namespace tool {

namespace {

using model::Extent_t;
using model::Point_t;

bool HasAltitude(const Point_t& p) {
    return p.altitude.Has() && IsFinite(*p.altitude);
}

class GeoJson_t {
public:
    explicit GeoJson_t(TextOut_t& out) : out_(out) {}

    void Document(const model::File_t& file, const std::string& name);

private:
    // Every field of the feature, position first: one property each.
    template <class Feature>
    void Fields(model::LayerId_t layer, const Feature& feature);
    void Key(const char* name);
    void String(std::string_view utf8);
    void TimeValue(const base::Optional_t<std::int64_t>& time);
    // [lon, lat], or with altitude [lon, lat, alt]
    void Position(const Point_t& p, bool altitude);
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

void GeoJson_t::Document(const model::File_t& file, const std::string& name) {
    const trove::Database_t& db = file.Database();
    out_.Raw("{\"type\": \"FeatureCollection\", \"name\": ");
    String(out_.Utf8Name(name));
    out_.Raw(", \"features\": [");
    file.ForEachWaypoint([this](const model::Waypoint_t& w) {
        const Point_t at = model::MakePoint(w.body.position);
        BeginFeature("waypoint");
        Fields(model::LayerId_t::Waypoints, w);
        out_.Raw("}, \"geometry\": {\"type\": \"Point\", \"coordinates\": ");
        Position(at, HasAltitude(at));
        out_.Raw("}}");
        extent_.AddPoint(at);
    });
    for (const auto& route : db.routes) {
        auto points = [&](auto&& each) {
            file.ForEachRouteLinePosition(model::Route_t{route.first, route.second},
                                          [&](const geo::Position_t& p) { each(model::MakePoint(p)); });
        };
        Line(points, false, [&] {
            BeginFeature("route");
            Fields(model::LayerId_t::Routes, model::Route_t{route.first, route.second});
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
            model::ForEachTrackPoint(track.second, [&](const trove::TrackPoint_t& p) {
                each(model::MakePoint(p.position, p.time));
            });
        };
        Line(points, true, [&] {
            BeginFeature("track");
            Fields(model::LayerId_t::Tracks, model::Track_t{track.first, track.second});
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
    auto each = [&](const Point_t& p) {
        out_.Raw(first ? "" : ", ");
        first = false;
        write(p);
    };
    if (cut) {
        model::WalkCutLine(points, each, [&] {
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
    model::AntimeridianCut_t cutter;
    Point_t leave, enter;
    Extent_t extent;
    points([&](const Point_t& p) {
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
        Sequence(points, cut, [this](const Point_t& p) { TimeValue(p.time); });
    }
    out_.Raw("}, \"geometry\": ");
    if (count == 0) {
        out_.Raw("null}");
        return;
    }
    if (count == 1) {
        out_.Raw("{\"type\": \"Point\", \"coordinates\": ");
        points([this, altitudes](const Point_t& p) { Position(p, altitudes); });
        out_.Raw("}}");
        extent_.Add(extent);
        return;
    }
    out_.Raw(cut ? "{\"type\": \"MultiLineString\", \"coordinates\": "
                 : "{\"type\": \"LineString\", \"coordinates\": ");
    Sequence(points, cut, [this, altitudes](const Point_t& p) { Position(p, altitudes); });
    out_.Raw("}");
    Bbox(extent);
    out_.Raw("}");
    extent_.Add(extent);
}

void GeoJson_t::Bbox(const Extent_t& extent) {
    out_.Raw(", \"bbox\": [");
    Longitude(extent.West());
    out_.Raw(", ");
    out_.Raw(model::Degrees(extent.South(), degrees_));
    out_.Raw(", ");
    Longitude(extent.East());
    out_.Raw(", ");
    out_.Raw(model::Degrees(extent.North(), degrees_));
    out_.Raw("]");
}

void GeoJson_t::Key(const char* name) {
    out_.Raw(first_member_ ? "\"" : ", \"");
    first_member_ = false;
    out_.Raw(name);
    out_.Raw("\": ");
}

template <class Feature>
void GeoJson_t::Fields(model::LayerId_t layer, const Feature& feature) {
    using Kind = model::Value_t::Kind_t;
    model::ForEachField(
        layer, feature, true, [this](const model::Field_t& field, const model::Value_t& value) {
            Key(field.name);
            switch (value.kind) {
                case Kind::Text:
                    String(out_.Utf8(value.bytes));
                    break;
                case Kind::Hex: {
                    char hex[400];
                    String(PlainText(value, hex));
                    break;
                }
                case Kind::Integer:
                    out_.Raw(Integer(value.integer, number_));
                    break;
                case Kind::Real:
                    // As dump writes it: JSON has no NaN or infinity.
                    out_.Raw(JsonReal(value.real));
                    break;
                case Kind::Degrees:
                    out_.Raw(model::Degrees(static_cast<std::int32_t>(value.integer), degrees_));
                    break;
                case Kind::Time:
                    TimeValue(value.integer);
                    break;
                case Kind::Absent:
                    out_.Raw("null");
                    break;
            }
        });
}

void GeoJson_t::String(std::string_view utf8) {
    out_.Raw("\"");
    EscapeJson(utf8, JsonText_t::Utf8, [this](std::string_view piece) { out_.Raw(piece); });
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
    if (longitude >= model::kHalfTurn) {
        out_.Raw("180");
    } else {
        out_.Raw(model::Degrees(static_cast<std::int32_t>(longitude), degrees_));
    }
}

void GeoJson_t::Position(const Point_t& p, bool altitude) {
    out_.Raw("[");
    Longitude(p.longitude);
    out_.Raw(", ");
    out_.Raw(model::Degrees(p.latitude, degrees_));
    if (altitude) {
        char real[400];
        out_.Raw(", ");
        out_.Raw(model::Real(*p.altitude, real));
    }
    out_.Raw("]");
}

std::size_t WriteGeoJsonDocument(std::ostream& out, const WriteInput_t& input) {
    TextOut_t text(out, input.file.CodePage());
    GeoJson_t(text).Document(input.file, input.file_name);
    text.Flush();
    return text.Replaced();
}

const char kHelp[] = "every waypoint, route and track of FILE as a GeoJSON FeatureCollection (RFC 7946)";

}  // namespace

const Format_t kGeoJsonFormat = {"geojson", ".geojson", kHelp, true, true, {}, nullptr, WriteGeoJsonDocument};

}  // namespace tool
