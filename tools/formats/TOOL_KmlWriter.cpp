// The KML 2.2 form of a loaded database: one Document named after the file, a Folder per kind.
// Waypoints are Points with every field in ExtendedData, named as the schema names them; routes are
// LineStrings along the path as drawn; tracks are LineStrings, or gx:Tracks when every point
// has a time. A line's positions carry altitudes only when every one of its points has one, so
// that no line mixes two- and three-value positions.
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/MODEL_File.h"
#include "tools/formats/TOOL_FieldMarkup.h"
#include "tools/formats/TOOL_Registry.h"
#include "tools/formats/TOOL_ValueText.h"
#include "tools/formats/TOOL_Xml.h"

namespace tool {

namespace {

bool HasAltitude(const geo::Position_t& p) {
    return p.altitude.Has() && IsFinite(*p.altitude);
}

// One plain style per kind, shared by every placemark of it.
const char kStyles[] =
    "<Style id=\"waypoint\"><IconStyle><scale>1</scale></IconStyle></Style>\n"
    "<Style id=\"route\"><LineStyle><color>ffff00ff</color><width>3</width></LineStyle></Style>\n"
    "<Style id=\"track\"><LineStyle><color>ff0000ff</color><width>2</width></LineStyle></Style>\n";

class Kml_t {
public:
    explicit Kml_t(XmlOut_t& xml) : xml_(xml) {}

    void Document(const model::File_t& file, const std::string& name);

private:
    // Every field of the feature, position first: one Data element each; an absent value is
    // an empty one.
    template <class Feature>
    void Fields(model::LayerId_t layer, const Feature& feature) {
        model::ForEachField(
            layer, feature, true,
            [this, &data = DataMarkup(layer)](const model::Field_t& field, const model::Value_t& value) {
                xml_.RawFromBlock<FieldMarkup_t::kBlock>(data[field]);
                if (value.kind == model::Value_t::Kind_t::Text) {
                    xml_.Text(value.bytes);
                } else {
                    // Where the text was made in real_, real_'s bytes lie
                    // behind it.
                    const std::string_view text = PlainText(value, real_);
                    if (text.data() == real_) {
                        xml_.RawFromBlock<32>(text);
                    } else {
                        xml_.Raw(text);
                    }
                }
                EndData();
            });
    }
    // `<Data name="…"><value>` for each field of the layer.
    static const FieldMarkup_t& DataMarkup(model::LayerId_t layer) {
        static const std::vector<FieldMarkup_t> markup = [] {
            std::vector<FieldMarkup_t> all;
            for (model::LayerId_t each : model::kLayers)
                all.emplace_back(each, "<Data name=\"", "\"><value>");
            return all;
        }();
        return markup[static_cast<std::size_t>(layer)];
    }
    void EndData() { xml_.Raw("</value></Data>"); }
    void Waypoint(const model::Waypoint_t& w);
    void Route(const model::File_t& file, const model::Route_t& route);
    void Track(const model::Track_t& track);
    // `lon,lat`, or with altitude `lon,lat,alt`; separator ' ' for gx:coord.
    void Coordinates(const geo::Position_t& p, bool altitude, char separator = ',');
    // A line of count points: none, a Point, or a LineString, with altitudes or without;
    // points(each) walks it.
    template <class Points>
    void Line(std::size_t count, bool altitudes, Points&& points);

    XmlOut_t& xml_;
    char real_[400];
    char number_[32];
};

void Kml_t::Document(const model::File_t& file, const std::string& name) {
    const trove::Database_t& db = file.Database();
    xml_.Raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    xml_.Raw(
        "<kml xmlns=\"http://www.opengis.net/kml/2.2\" xmlns:gx=\"http://www.google.com/kml/ext/2.2\">\n");
    xml_.Raw("<Document><name>").Utf8Text(name).Raw("</name>\n").Raw(kStyles);
    xml_.Raw("<Folder><name>Waypoints</name>\n");
    file.ForEachWaypoint([this](const model::Waypoint_t& w) { Waypoint(w); });
    xml_.Raw("</Folder>\n<Folder><name>Routes</name>\n");
    for (const auto& entry : db.routes) Route(file, model::Route_t{entry.first, entry.second});
    xml_.Raw("</Folder>\n<Folder><name>Tracks</name>\n");
    for (const auto& entry : db.tracks) Track(model::Track_t{entry.first, entry.second});
    xml_.Raw("</Folder>\n</Document>\n</kml>\n");
    xml_.Flush();
}

void Kml_t::Waypoint(const model::Waypoint_t& waypoint) {
    const trove::Waypoint_t& w = waypoint.body;
    xml_.Raw("<Placemark><name>").Text(View(waypoint.id.name.text)).Raw("</name>");
    // The texts, one a line, for readers that show a description only.
    const std::string_view texts[] = {View(w.text_1), View(w.text_2), View(w.text_3), View(w.text_4),
                                      View(w.text_5), View(w.text_6), View(w.text_7)};
    bool first = true;
    for (std::string_view text : texts) {
        if (text.empty()) continue;
        xml_.Raw(first ? "<description>" : "\n").Text(text);
        first = false;
    }
    if (!first) xml_.Raw("</description>");
    xml_.Raw("<styleUrl>#waypoint</styleUrl><ExtendedData>");
    Fields(model::LayerId_t::Waypoints, waypoint);
    const bool altitude = HasAltitude(w.position);
    xml_.Raw(altitude ? "</ExtendedData><Point><altitudeMode>absolute</altitudeMode><coordinates>"
                      : "</ExtendedData><Point><altitudeMode>clampToGround</altitudeMode><coordinates>");
    Coordinates(w.position, altitude);
    xml_.Raw("</coordinates></Point></Placemark>\n");
}

void Kml_t::Route(const model::File_t& file, const model::Route_t& route) {
    xml_.Raw("<Placemark><name>")
        .Text(View(route.id.name.text))
        .Raw("</name><styleUrl>#route</styleUrl><ExtendedData>");
    Fields(model::LayerId_t::Routes, route);
    xml_.Raw("</ExtendedData>");
    std::size_t count = 0;
    bool altitudes = true;
    file.ForEachRouteLinePosition(route, [&](const geo::Position_t& p) {
        ++count;
        altitudes = altitudes && HasAltitude(p);
    });
    Line(count, altitudes, [&](auto&& each) { file.ForEachRouteLinePosition(route, each); });
    xml_.Raw("</Placemark>\n");
}

void Kml_t::Track(const model::Track_t& feature) {
    const trove::Track_t& track = feature.body;
    xml_.Raw("<Placemark><name>")
        .Text(View(feature.id.text))
        .Raw("</name><styleUrl>#track</styleUrl><ExtendedData>");
    Fields(model::LayerId_t::Tracks, feature);
    xml_.Raw("</ExtendedData>");
    std::size_t count = 0;
    bool timed = true, altitudes = true;
    model::ForEachTrackPoint(track, [&](const trove::TrackPoint_t& p) {
        ++count;
        timed = timed && p.time.Has();
        altitudes = altitudes && HasAltitude(p.position);
    });
    if (!timed || count < 2) {
        Line(count, altitudes, [&](auto&& each) {
            model::ForEachTrackPoint(track, [&](const trove::TrackPoint_t& p) { each(p.position); });
        });
    } else {
        // Every when first, then every coord, in the same order.
        xml_.Raw("<gx:Track>\n");
        model::ForEachTrackPoint(track, [this](const trove::TrackPoint_t& p) {
            xml_.Raw("<when>").Raw(IsoTime(*p.time, number_)).Raw("</when>\n");
        });
        model::ForEachTrackPoint(track, [this, altitudes](const trove::TrackPoint_t& p) {
            xml_.Raw("<gx:coord>");
            Coordinates(p.position, altitudes, ' ');
            xml_.Raw("</gx:coord>\n");
        });
        xml_.Raw("</gx:Track>");
    }
    xml_.Raw("</Placemark>\n");
}

template <class Points>
void Kml_t::Line(std::size_t count, bool altitudes, Points&& points) {
    if (count == 0) return;
    xml_.Raw(count == 1 ? "<Point><coordinates>" : "<LineString><tessellate>1</tessellate><coordinates>\n");
    points([this, altitudes](const geo::Position_t& p) {
        Coordinates(p, altitudes);
        xml_.Raw("\n");
    });
    xml_.Raw(count == 1 ? "</coordinates></Point>" : "</coordinates></LineString>");
}

void Kml_t::Coordinates(const geo::Position_t& p, bool altitude, char separator) {
    char text[64 + 400];
    char* at = PutDegrees(text, p.longitude);
    *at++ = separator;
    at = PutDegrees(at, p.latitude);
    xml_.Raw(std::string_view(text, static_cast<std::size_t>(at - text)));
    if (altitude) {
        xml_.Raw(std::string_view(&separator, 1)).Raw(Decimal(*p.altitude, real_));
    }
}

std::size_t WriteKmlDocument(std::ostream& out, const WriteInput_t& input) {
    XmlOut_t xml(out, input.file.CodePage());
    Kml_t(xml).Document(input.file, input.file_name);
    return xml.Replaced();
}

}  // namespace

const Format_t kKmlFormat = {
    "kml",   ".kml",          "every waypoint, route and track of FILE as KML 2.2 (UTF-8)", true, true, {},
    nullptr, WriteKmlDocument};

}  // namespace tool
