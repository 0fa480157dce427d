#include "tools/html/TOOL_HtmlMap.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "base/BASE_CodePageUnicode.h"
#include "geo/GEO_Box.h"
#include "tools/html/TOOL_BoundedText.h"
#include "tools/html/TOOL_HtmlFormat.h"
#include "tools/html/TOOL_LabelPlacer.h"
#include "tools/html/TOOL_Mercator.h"
#include "tools/html/TOOL_PathThinner.h"
#include "tools/html/TOOL_WaypointData.h"

namespace tool {

namespace {

constexpr double kMaxWidth = 960, kMaxHeight = 640, kMargin = 28;
// A pixel either way of the last point written: about the detail a pixel can show.
constexpr double kTolerance = 1.0;
constexpr double kMarkerRadius = 4.5;
constexpr double kLabelSize = 11;  // px, as the style sheet sets it
// Up to this many waypoints each has its marker and its label in the page; more are handed to
// the script as data, which draws them grouped by screen cell (a page of SVG elements for
// hundreds of thousands of markers is slow to open and shows a solid block).
constexpr std::size_t kDrawnMarkers = 2000;
// Zooms at which a label that found no room before is tried again (the markers spread apart).
constexpr int kLabelZooms[] = {1, 2, 4, 8, 16};
// Finer lines for the zoomed map: at zoom z, a line thinned to a z-th of a pixel. A level is
// written while the page's finer lines stay within this many bytes.
constexpr int kDetailZooms[] = {4, 16, 64};
constexpr std::size_t kDetailBytes = 2 << 20;

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
    // The finer lines of the tracks for a zoomed map (written as data-d4, data-d16, ...).
    void PlanDetail();
    // The path data of a track thinned to tolerance pixels, and how many points it has.
    std::uint64_t Thin(const trove::Track_t& track, double tolerance, int decimals, std::string& d);
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
    struct Detail_t {
        std::uint64_t points = 0;  // in the finest level so far
        bool open = true;
        std::vector<std::pair<int, std::string>> levels;  // zoom, path data
    };
    std::vector<Detail_t> details_;  // a track's each
};

void Map_t::Write(const MapArea_t& data) {
    xml_.Raw("<svg class=\"map\" xmlns=\"http://www.w3.org/2000/svg\" role=\"img\"");
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
    // Sized in the map's pixels: a percentage would follow the zoomed viewBox.
    xml_.Raw("<rect class=\"ground\"");
    Attribute("width", width);
    Attribute("height", height);
    xml_.Raw("/>\n");
    Graticule();
    Routes();
    // Tracks over the markers: a short track among its waypoints stays in sight, and a
    // marker is still wider than the line across it.
    Markers();
    Tracks();
    Labels();
    ScaleBar();
    xml_.Raw("</svg>\n");
    if (db_.waypoints.size() > kDrawnMarkers) WriteWaypointData(xml_, db_, code_page_, m_);
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
    PlanDetail();
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
        xml_.Raw("\"");
        for (const auto& level : details_[index - 1].levels)
            xml_.Raw(" data-d").Raw(std::to_string(level.first)).Raw("=\"").Raw(level.second).Raw("\"");
        xml_.Raw("><title>").Text(View(entry.first.text)).Raw("</title></path>\n");
    }
}

std::uint64_t Map_t::Thin(const trove::Track_t& track, double tolerance, int decimals, std::string& d) {
    // Kept up to the budget and one byte more (so that it shows as too long), whatever the
    // track's length.
    BoundedText_t text(d, kDetailBytes + 1);
    std::ostream stream(&text);
    XmlOut_t out(stream, code_page_);
    PathThinner_t path(out, m_, tolerance, decimals);
    model::ForEachTrackPoint(track, [&path](const trove::TrackPoint_t& point) { path.Add(point.position); });
    path.Finish();
    out.Flush();
    return path.Written();
}

void Map_t::PlanDetail() {
    details_.assign(db_.tracks.size(), Detail_t{});
    std::string d;
    std::size_t i = 0;
    for (const auto& entry : db_.tracks) details_[i++].points = Thin(entry.second, kTolerance, 1, d);
    // Every track's coarser level before any track's finer one, while they fit the budget; a
    // level that adds no point, or finds no room, ends its track's levels.
    std::size_t bytes = 0;
    for (int zoom : kDetailZooms) {
        i = 0;
        for (const auto& entry : db_.tracks) {
            Detail_t& detail = details_[i++];
            if (!detail.open) continue;
            const std::uint64_t written = Thin(entry.second, kTolerance / zoom,
                                               zoom >= 64   ? 3
                                               : zoom >= 16 ? 2
                                                            : 1,
                                               d);
            if (written <= detail.points || bytes + d.size() > kDetailBytes) {
                detail.open = false;
                continue;
            }
            bytes += d.size();
            detail.points = written;
            detail.levels.emplace_back(zoom, std::move(d));
        }
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
    if (db_.waypoints.size() > kDrawnMarkers) {
        xml_.Raw("</g>\n");
        return;
    }
    std::size_t index = 0;
    for (const auto& entry : db_.waypoints) {
        const trove::Waypoint_t& w = entry.second;
        xml_.Raw("<circle class=\"waypoint\"");
        xml_.Attribute("data-name", View(entry.first.name.text));
        xml_.PlainAttribute("data-i", std::to_string(index++));
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
    xml_.Raw("<g class=\"labels\">\n");
    if (db_.waypoints.size() > kDrawnMarkers) {
        xml_.Raw("</g>\n");
        return;
    }
    struct Label_t {
        double x, y, width;
        std::string_view name;
        int zoom;  // the first that has room for it; 0: none
        LabelSpot_t spot;
    };
    std::vector<Label_t> labels;
    for (const auto& entry : db_.waypoints) {
        const geo::Position_t& p = entry.second.position;
        const std::string_view name = View(entry.first.name.text);
        labels.push_back(Label_t{
            m_.XOf(p.longitude), m_.YOf(p.latitude), name.empty() ? 0 : LabelWidth(name), name, 0, {}});
    }
    // At each zoom the labels placed before keep their places, and the others are tried again
    // among the markers drawn further apart.
    const double height = kLabelSize * 1.2;
    for (int zoom : kLabelZooms) {
        LabelPlacer_t placer(m_.Width() * zoom, m_.Height() * zoom);
        for (const Label_t& label : labels) placer.AddMarker(label.x * zoom, label.y * zoom, kMarkerRadius);
        for (const Label_t& label : labels)
            if (label.zoom != 0)
                placer.Keep(label.x * zoom, label.y * zoom, kMarkerRadius, label.width, height, label.spot);
        for (Label_t& label : labels) {
            if (label.zoom != 0 || label.name.empty()) continue;
            LabelSpot_t spot;
            if (placer.Place(label.x * zoom, label.y * zoom, kMarkerRadius, label.width, height, spot)) {
                label.zoom = zoom;
                label.spot = spot;
                // Kept as the offset from the marker, in pixels of the screen.
                label.spot.x = spot.x - label.x * zoom;
                label.spot.y = spot.y - label.y * zoom;
            }
        }
    }
    // Each label stands at its marker, moved by its offset in ems: the script shrinks the font
    // as the map zooms, and the offset with it, so that the label keeps its size and its place
    // beside the marker on screen. A label shows from its zoom on.
    for (const Label_t& label : labels) {
        if (label.zoom == 0) continue;
        xml_.Raw("<text");
        Pixel("x", label.x);
        Pixel("y", label.y);
        xml_.PlainAttribute("dx", Number(label.spot.x / kLabelSize, 3) + "em");
        xml_.PlainAttribute("dy", Number(label.spot.y / kLabelSize, 3) + "em");
        xml_.PlainAttribute("text-anchor", label.spot.anchor);
        if (label.zoom > 1) xml_.PlainAttribute("data-z", std::to_string(label.zoom));
        xml_.Raw(">").Text(label.name).Raw("</text>\n");
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
