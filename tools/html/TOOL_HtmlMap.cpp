#include "tools/html/TOOL_HtmlMap.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "base/BASE_CodePageUnicode.h"
#include "geo/GEO_Box.h"
#include "tools/html/TOOL_HtmlFormat.h"
#include "tools/html/TOOL_LabelPlacer.h"
#include "tools/html/TOOL_Mercator.h"
#include "tools/html/TOOL_PathThinner.h"

namespace tool {

namespace {

constexpr double kMaxWidth = 960, kMaxHeight = 640, kMargin = 28;
// A pixel either way of the last point written: about the detail a pixel can show.
constexpr double kTolerance = 1.0;
constexpr double kMarkerRadius = 4.5;
constexpr double kLabelSize = 11;  // px, as the style sheet sets it

// Every position of the file: its latitudes and the arc of its longitudes, found exactly in
// bins of the circle (the page fits the narrowest arc; the model's extent may be wider).
struct MapExtent_t {
    LongitudeArc_t arc;
    std::int32_t south = INT32_MAX, north = INT32_MIN;

    void Add(std::int32_t latitude, std::int32_t longitude) {
        arc.Add(longitude);
        south = std::min(south, latitude);
        north = std::max(north, latitude);
    }
};

void Gather(const trove::Database_t& db, MapExtent_t& extent) {
    for (const auto& entry : db.waypoints)
        extent.Add(entry.second.position.latitude, entry.second.position.longitude);
    for (const auto& entry : db.routes)
        for (const trove::RouteWaypoint_t& point : entry.second.route_points)
            for (const geo::Position_t& p : point.link.link_points) extent.Add(p.latitude, p.longitude);
    // A track's box holds all its points already: its corners and the middle of its arc (so
    // that a track wider than half the world keeps its side) stand for them.
    for (const auto& entry : db.tracks) {
        const geo::Box_t& box = entry.second.stats.box;
        if (box.Empty()) continue;
        extent.Add(box.North(), box.West());
        extent.Add(box.South(), box.East());
        extent.arc.Add(
            static_cast<std::int32_t>(static_cast<std::uint32_t>(box.West()) + box.LongitudeSpan() / 2));
    }
}

// Degree steps: 1, 2 or 5 times a power of ten below 10, then divisions of the circle.
double GridStep(double span) {
    const double step = NiceStep(span, 5);
    if (step < 10) return step;
    for (double s : {10.0, 15.0, 30.0, 45.0, 90.0})
        if (s >= step) return s;
    return 90;
}

class Map_t {
public:
    Map_t(XmlOut_t& xml, const model::File_t& file, const Mercator_t& mercator)
        : xml_(xml), file_(file), db_(file.Database()), code_page_(file.CodePage()), m_(mercator) {}

    void Write(const MapArea_t& data);

private:
    void Graticule();
    void ScaleBar();
    void Tracks();
    void Routes();
    void Markers();
    void Labels();
    void Legend();
    void Attribute(const char* name, const std::string& value) { xml_.PlainAttribute(name, value); }
    void Pixel(const char* name, double value) {
        char text[24];
        xml_.PlainAttribute(name,
                            std::string_view(text, static_cast<std::size_t>(PutPixel(text, value) - text)));
    }
    // The width of a label in pixels, from its characters: wide ones (CJK) a full em.
    double LabelWidth(std::string_view name);

    XmlOut_t& xml_;
    const model::File_t& file_;
    const trove::Database_t& db_;
    unsigned code_page_;
    const Mercator_t& m_;
    std::string utf8_;
};

void Map_t::Write(const MapArea_t& data) {
    xml_.Raw("<svg id=\"map\" class=\"map\" xmlns=\"http://www.w3.org/2000/svg\" role=\"img\"");
    const std::string width = Number(m_.Width(), 0), height = Number(m_.Height(), 0);
    Attribute("viewBox", "0 0 " + width + " " + height);
    Attribute("width", width);
    Attribute("height", height);
    // The data's own bounds (unwrapped: east - west is the width it spans), for scripts.
    Attribute("data-west", Number(data.west, 6));
    Attribute("data-east", Number(data.east, 6));
    Attribute("data-south", Number(data.south, 6));
    Attribute("data-north", Number(data.north, 6));
    xml_.Raw(
        ">\n<title>Map</title>\n<defs><marker id=\"arrow\" viewBox=\"0 0 10 10\" refX=\"5\" refY=\"5\" "
        "markerWidth=\"4\" markerHeight=\"4\" orient=\"auto\"><path d=\"M0 0L10 5L0 10z\" fill=\"");
    xml_.Raw(kRouteColour).Raw("\"/></marker></defs>\n");
    xml_.Raw("<rect class=\"ground\" width=\"100%\" height=\"100%\"/>\n");
    Graticule();
    Routes();
    // Tracks over the markers: a short track among its waypoints stays in sight, and a
    // marker is still wider than the line across it.
    Markers();
    Tracks();
    Labels();
    ScaleBar();
    xml_.Raw("</svg>\n");
    Legend();
}

void Map_t::Graticule() {
    const MapArea_t& a = m_.Shown();
    xml_.Raw("<g class=\"graticule\">");
    const double lon_step = GridStep(a.east - a.west), lat_step = GridStep(a.north - a.south);
    const std::vector<double> meridians = Multiples(a.west, a.east, lon_step);
    const std::vector<double> parallels = Multiples(a.south, a.north, lat_step);
    std::string lines;
    char text[24];
    for (double lon : meridians) {
        lines += 'M';
        lines.append(text, PutPixel(text, m_.X(lon)));
        lines += " 0V" + Number(m_.Height(), 0);
    }
    for (double lat : parallels) {
        lines += "M0 ";
        lines.append(text, PutPixel(text, m_.Y(lat)));
        lines += 'H' + Number(m_.Width(), 0);
    }
    xml_.Raw("<path vector-effect=\"non-scaling-stroke\"");
    Attribute("d", lines);
    xml_.Raw("/>");
    for (double lon : meridians) {
        xml_.Raw("<text");
        Pixel("x", m_.X(lon) + 3);
        xml_.Raw(" y=\"12\">")
            .Raw(GridLabel(WrapLongitude(lon), StepDecimals(lon_step), 'E', 'W'))
            .Raw("</text>");
    }
    for (double lat : parallels) {
        xml_.Raw("<text x=\"3\"");
        Pixel("y", m_.Y(lat) - 3);
        xml_.Raw(">").Raw(GridLabel(lat, StepDecimals(lat_step), 'N', 'S')).Raw("</text>");
    }
    xml_.Raw("</g>\n");
}

void Map_t::ScaleBar() {
    const double per_pixel = m_.MetresPerPixel();
    const double metres = NiceStep(m_.Width() / 5 * per_pixel, 1);
    const double length = metres / per_pixel;
    const double x = 12, y = m_.Height() - 12;
    xml_.Raw("<g class=\"scale\"><path");
    Attribute("d", "M" + Number(x, 1) + " " + Number(y - 5, 1) + "v5h" + Number(length, 1) + "v-5");
    xml_.Raw("/><text");
    Pixel("x", x + length / 2);
    Pixel("y", y - 8);
    xml_.Raw(">").Raw(Number(metres / 1000, 3)).Raw(" km</text></g>\n");
}

void Map_t::Tracks() {
    std::size_t index = 0;
    for (const auto& entry : db_.tracks) {
        xml_.Raw("<path class=\"track\" vector-effect=\"non-scaling-stroke\"");
        xml_.Attribute("data-name", View(entry.first.text));
        xml_.PlainAttribute("stroke", TrackColour(index++));
        xml_.Raw(" d=\"");
        PathThinner_t path(xml_, m_, kTolerance);
        model::ForEachTrackPoint(entry.second,
                                 [&path](const trove::TrackPoint_t& point) { path.Add(point.position); });
        path.Finish();
        xml_.Raw("\"><title>").Text(View(entry.first.text)).Raw("</title></path>\n");
    }
}

void Map_t::Routes() {
    for (const auto& entry : db_.routes) {
        xml_.Raw("<path class=\"route\" vector-effect=\"non-scaling-stroke\"");
        xml_.Attribute("data-name", View(entry.first.name.text));
        xml_.Raw(" d=\"");
        PathThinner_t path(xml_, m_, kTolerance);
        file_.ForEachRoutePosition(model::Route_t{entry.first, entry.second},
                                   [&path](const geo::Position_t& p, bool route_point) {
                                       if (route_point) {
                                           path.Add(p, true);
                                       } else {
                                           path.Add(p);
                                       }
                                   });
        path.Finish();
        xml_.Raw("\"><title>").Text(View(entry.first.name.text)).Raw("</title></path>\n");
    }
}

double Map_t::LabelWidth(std::string_view name) {
    utf8_.clear();
    base::AppendUtf8(utf8_, name, code_page_);
    double ems = 0;
    for (std::size_t i = 0; i < utf8_.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8_[i]);
        const std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        ems += length >= 3 && c >= 0xE1 ? 1.0 : 0.62;  // U+1000 and up: mostly wide
        i += length;
    }
    return ems * kLabelSize;
}

void Map_t::Markers() {
    xml_.Raw("<g class=\"waypoints\">\n");
    for (const auto& entry : db_.waypoints) {
        const trove::Waypoint_t& w = entry.second;
        xml_.Raw("<circle class=\"waypoint\"");
        xml_.Attribute("data-name", View(entry.first.name.text));
        Pixel("cx", m_.XOf(w.position.longitude));
        Pixel("cy", m_.YOf(w.position.latitude));
        xml_.Raw(" r=\"4.5\"><title>").Text(View(entry.first.name.text));
        for (std::string_view text : {View(w.text_1), View(w.text_2), View(w.text_3), View(w.text_4),
                                      View(w.text_5), View(w.text_6), View(w.text_7)}) {
            if (!text.empty()) xml_.Raw("\n").Text(text);
        }
        const std::string altitude = AltitudeText(w.position.altitude);
        if (!altitude.empty()) xml_.Raw("\n").Raw(altitude);
        xml_.Raw("\n")
            .Raw(LatitudeText(w.position.latitude))
            .Raw(" ")
            .Raw(LongitudeText(w.position.longitude));
        xml_.Raw("</title></circle>\n");
    }
    xml_.Raw("</g>\n");
}

void Map_t::Labels() {
    LabelPlacer_t placer(m_.Width(), m_.Height());
    for (const auto& entry : db_.waypoints) {
        const geo::Position_t& p = entry.second.position;
        placer.AddMarker(m_.XOf(p.longitude), m_.YOf(p.latitude), kMarkerRadius);
    }
    xml_.Raw("<g class=\"labels\">\n");
    for (const auto& entry : db_.waypoints) {
        const geo::Position_t& p = entry.second.position;
        const std::string_view name = View(entry.first.name.text);
        LabelSpot_t spot;
        if (name.empty() || !placer.Place(m_.XOf(p.longitude), m_.YOf(p.latitude), kMarkerRadius,
                                          LabelWidth(name), kLabelSize * 1.2, spot)) {
            continue;
        }
        xml_.Raw("<text");
        Pixel("x", spot.x);
        Pixel("y", spot.y);
        xml_.PlainAttribute("text-anchor", spot.anchor);
        xml_.Raw(">").Text(name).Raw("</text>\n");
    }
    xml_.Raw("</g>\n");
}

void Map_t::Legend() {
    xml_.Raw("<ul class=\"legend\">\n");
    std::size_t index = 0;
    for (const auto& entry : db_.tracks) {
        xml_.Raw("<li><span class=\"swatch\" style=\"background:")
            .Raw(TrackColour(index++))
            .Raw("\"></span>");
        xml_.Text(View(entry.first.text)).Raw("</li>\n");
    }
    if (!db_.routes.empty()) xml_.Raw("<li><span class=\"swatch dashed\"></span>Routes</li>\n");
    if (!db_.waypoints.empty()) xml_.Raw("<li><span class=\"dot\"></span>Waypoints</li>\n");
    xml_.Raw("</ul>\n");
}

}  // namespace

void WriteHtmlMap(XmlOut_t& xml, const model::File_t& file) {
    const auto extent = std::make_unique<MapExtent_t>();
    Gather(file.Database(), *extent);
    if (extent->arc.Empty()) {
        xml.Raw("<p class=\"none\">Nothing to draw: the file holds no positions.</p>\n");
        return;
    }
    std::int32_t west = 0;
    std::uint32_t span = 0;
    extent->arc.Find(west, span);
    const double west_degrees = ToDegrees(west);
    const MapArea_t data{west_degrees, west_degrees + span * (180.0 / 2147483648.0), ToDegrees(extent->south),
                         ToDegrees(extent->north)};
    const Mercator_t mercator(data, kMaxWidth, kMaxHeight, kMargin);
    Map_t(xml, file, mercator).Write(data);
}

}  // namespace tool
