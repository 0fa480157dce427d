// The KML 2.2 form of a loaded database: one Document named after the file, a Folder per kind.
// Waypoints are Points with every field in ExtendedData, named as dump names them; routes are
// LineStrings along the path as drawn; tracks are LineStrings, or gx:Tracks when every point
// has a time. A line's positions carry altitudes only when every one of its points has one, so
// that no line mixes two- and three-value positions.
#include <cstdint>
#include <string_view>

#include "tools/TOOL_Export.h"
#include "tools/TOOL_Fields.h"
#include "tools/TOOL_Format.h"
#include "tools/TOOL_Walk.h"
#include "tools/TOOL_Xml.h"

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

    void Document(const trove::Database_t& db, const std::string& name);

    // The fields' sink: one Data element each; an absent value is an empty one.
    void Text(const char* name, std::string_view bytes) {
        Data(name);
        xml_.Text(bytes);
        EndData();
    }
    void Signed(const char* name, std::int64_t value) { Plain(name, Integer(value, number_)); }
    void Unsigned(const char* name, std::uint64_t value) { Plain(name, tool::Unsigned(value, number_)); }
    void Real(const char* name, const base::Optional_t<double>& value) {
        Plain(name, value.Has() ? tool::Real(*value, real_) : std::string_view());
    }
    void Degrees(const char* name, std::int32_t semicircles) {
        Plain(name, tool::Degrees(semicircles, degrees_));
    }
    void Time(const char* name, const base::Optional_t<std::int32_t>& time) {
        Plain(name, time.Has() ? IsoTime(*time, number_) : std::string_view());
    }

private:
    void Data(const char* name) { xml_.Raw("<Data name=\"").Raw(name).Raw("\"><value>"); }
    void EndData() { xml_.Raw("</value></Data>"); }
    void Plain(const char* name, std::string_view value) {
        Data(name);
        xml_.Raw(value);
        EndData();
    }
    void Waypoint(const trove::WaypointId_t& id, const trove::Waypoint_t& w);
    void Route(const trove::Database_t& db, const trove::RouteId_t& id, const trove::Route_t& route);
    void Track(const trove::TrackId_t& id, const trove::Track_t& track);
    // `lon,lat`, or with altitude `lon,lat,alt`; separator ' ' for gx:coord.
    void Coordinates(const geo::Position_t& p, bool altitude, char separator = ',');
    // A line of count points: none, a Point, or a LineString, with altitudes or without;
    // points(each) walks it.
    template <class Points>
    void Line(std::size_t count, bool altitudes, Points&& points);

    XmlOut_t& xml_;
    char degrees_[32];
    char real_[400];
    char number_[32];
};

void Kml_t::Document(const trove::Database_t& db, const std::string& name) {
    xml_.Raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    xml_.Raw(
        "<kml xmlns=\"http://www.opengis.net/kml/2.2\" xmlns:gx=\"http://www.google.com/kml/ext/2.2\">\n");
    xml_.Raw("<Document><name>").Utf8Text(name).Raw("</name>\n").Raw(kStyles);
    xml_.Raw("<Folder><name>Waypoints</name>\n");
    ForEachWaypoint(db,
                    [this](const trove::WaypointId_t& id, const trove::Waypoint_t& w) { Waypoint(id, w); });
    xml_.Raw("</Folder>\n<Folder><name>Routes</name>\n");
    for (const auto& entry : db.routes) Route(db, entry.first, entry.second);
    xml_.Raw("</Folder>\n<Folder><name>Tracks</name>\n");
    for (const auto& entry : db.tracks) Track(entry.first, entry.second);
    xml_.Raw("</Folder>\n</Document>\n</kml>\n");
    xml_.Flush();
}

void Kml_t::Waypoint(const trove::WaypointId_t& id, const trove::Waypoint_t& w) {
    xml_.Raw("<Placemark><name>").Text(View(id.name.text)).Raw("</name>");
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
    WaypointFields(id, w, *this);
    const bool altitude = HasAltitude(w.position);
    xml_.Raw(altitude ? "</ExtendedData><Point><altitudeMode>absolute</altitudeMode><coordinates>"
                      : "</ExtendedData><Point><altitudeMode>clampToGround</altitudeMode><coordinates>");
    Coordinates(w.position, altitude);
    xml_.Raw("</coordinates></Point></Placemark>\n");
}

void Kml_t::Route(const trove::Database_t& db, const trove::RouteId_t& id, const trove::Route_t& route) {
    xml_.Raw("<Placemark><name>")
        .Text(View(id.name.text))
        .Raw("</name><styleUrl>#route</styleUrl><ExtendedData>");
    RouteFields(id, *this);
    xml_.Raw("</ExtendedData>");
    std::size_t count = 0;
    bool altitudes = true;
    ForEachRoutePosition(db, route, [&](const geo::Position_t& p) {
        ++count;
        altitudes = altitudes && HasAltitude(p);
    });
    Line(count, altitudes, [&](auto&& each) { ForEachRoutePosition(db, route, each); });
    xml_.Raw("</Placemark>\n");
}

void Kml_t::Track(const trove::TrackId_t& id, const trove::Track_t& track) {
    xml_.Raw("<Placemark><name>").Text(View(id.text)).Raw("</name><styleUrl>#track</styleUrl><ExtendedData>");
    TrackFields(id, track, *this);
    xml_.Raw("</ExtendedData>");
    std::size_t count = 0;
    bool timed = true, altitudes = true;
    ForEachTrackPoint(track, [&](const trove::TrackPoint_t& p) {
        ++count;
        timed = timed && p.time.Has();
        altitudes = altitudes && HasAltitude(p.position);
    });
    if (!timed || count < 2) {
        Line(count, altitudes, [&](auto&& each) {
            ForEachTrackPoint(track, [&](const trove::TrackPoint_t& p) { each(p.position); });
        });
    } else {
        // Every when first, then every coord, in the same order.
        xml_.Raw("<gx:Track>\n");
        ForEachTrackPoint(track, [this](const trove::TrackPoint_t& p) {
            xml_.Raw("<when>").Raw(IsoTime(*p.time, number_)).Raw("</when>\n");
        });
        ForEachTrackPoint(track, [this, altitudes](const trove::TrackPoint_t& p) {
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

}  // namespace

std::size_t WriteKmlDocument(std::ostream& out, const ExportInput_t& input) {
    XmlOut_t xml(out, input.options.code_page);
    Kml_t(xml).Document(input.db, input.file_name);
    return xml.Replaced();
}

}  // namespace tool
