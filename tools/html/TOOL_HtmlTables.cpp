#include "tools/html/TOOL_HtmlTables.h"

#include <string>
#include <string_view>
#include <vector>

#include "geo/GEO_Vector.h"
#include "model/MODEL_Layers.h"
#include "tools/html/TOOL_HtmlFormat.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_DocInfo.h"
#include "trove/TROVE_Load.h"

namespace tool {

namespace {

// A table of more rows than this shows the first ones and says how many there are: the page
// of a file of hundreds of thousands of waypoints opens in a second or two (its rows take most
// of that). As many as the map draws markers of their own, so that each such marker has its row.
constexpr std::size_t kTableRows = 2000;

// <td>text</td> for our own text (UTF-8 already); numeric cells align right.
void Cell(XmlOut_t& xml, const std::string& text, bool number = false) {
    xml.Raw(number ? "<td class=\"n\">" : "<td>").Raw(text).Raw("</td>");
}

// The route's way: each route point, then the points of its link towards the next.
double RouteLength(const model::File_t& file, const model::Route_t& route) {
    double metres = 0;
    bool have = false;
    geo::Position_t last;
    auto add = [&](const geo::Position_t& p) {
        if (have) metres += geo::Distance(last, p);
        last = p;
        have = true;
    };
    file.ForEachRoutePosition(route, [&](const geo::Position_t& p, bool) { add(p); });
    return metres;
}

// The waypoint's own texts (not its name's or key's), in schema order, each shown with its
// field's name.
const std::vector<std::size_t>& WaypointTexts() {
    static const std::vector<std::size_t> texts = [] {
        std::vector<std::size_t> all;
        const model::Schema_t& schema = model::SchemaOf(model::LayerId_t::Waypoints);
        for (std::size_t i = 0; i < schema.Size(); ++i) {
            const std::string_view dump_name = schema[i].dump_name;
            if (schema[i].type == model::FieldType_t::Text && dump_name != "name" &&
                dump_name.substr(0, 3) != "id_")
                all.push_back(i);
        }
        return all;
    }();
    return texts;
}

}  // namespace

void WriteHtmlFileTable(XmlOut_t& xml, const model::File_t& file) {
    const trove::Database_t& db = file.Database();
    xml.Raw("<table class=\"file\">\n<tr><th>Format</th><td>");
    xml.Raw(file.Result().format == trove::FileFormat_t::Legacy ? "legacy" : "current").Raw("</td></tr>\n");
    xml.Raw("<tr><th>Format version</th>");
    Cell(xml, std::to_string(file.Header().format_version));
    xml.Raw("</tr>\n<tr><th>Data version</th>");
    Cell(xml, std::to_string(file.Header().data_version));
    xml.Raw("</tr>\n<tr><th>Maps</th><td>");
    if (db.maps.empty()) xml.Raw("none");
    bool first = true;
    for (const trove::Map_t& map : db.maps) {
        if (!first) xml.Raw("<br>");
        first = false;
        xml.Text(View(map.name)).Raw(" (number ").Raw(std::to_string(map.map_number)).Raw(")");
        for (std::string_view text : {View(map.map_text_1), View(map.map_text_2)})
            if (!text.empty()) xml.Raw(", ").Text(text);
    }
    xml.Raw("</td></tr>\n<tr><th>Volume</th><td>").Text(View(db.Volume().volume_text));
    xml.Raw("</td></tr>\n</table>\n");
}

void WriteHtmlWaypointTable(XmlOut_t& xml, const model::File_t& file) {
    const trove::Database_t& db = file.Database();
    if (db.waypoints.empty()) {
        xml.Raw("<p class=\"none\">No waypoints.</p>\n");
        return;
    }
    const std::size_t count = db.waypoints.size();
    if (count > kTableRows) {
        xml.Raw("<p class=\"note\">The first ")
            .Raw(std::to_string(kTableRows))
            .Raw(" of ")
            .Raw(std::to_string(count))
            .Raw(" waypoints; the map shows them all.</p>\n");
    }
    xml.Raw(
        "<table class=\"waypoints\">\n<thead><tr><th>Name</th><th>Latitude</th><th>Longitude</th>"
        "<th>Altitude</th><th>Texts</th></tr></thead>\n<tbody>\n");
    std::size_t index = 0;
    for (const auto& entry : db.waypoints) {
        if (index == kTableRows) break;
        const trove::Waypoint_t& w = entry.second;
        // data-i: the waypoint's marker on the map has the same.
        xml.Raw("<tr data-i=\"")
            .Raw(std::to_string(index++))
            .Raw("\"><td>")
            .Text(View(entry.first.name.text));
        xml.Raw("</td>");
        Cell(xml, LatitudeText(w.position.latitude), true);
        Cell(xml, LongitudeText(w.position.longitude), true);
        Cell(xml, AltitudeText(w.position.altitude), true);
        xml.Raw("<td>");
        bool first = true;
        const model::Waypoint_t feature{entry.first, w};
        for (std::size_t i : WaypointTexts()) {
            const model::Field_t& field = model::SchemaOf(model::LayerId_t::Waypoints)[i];
            const std::string_view text = field.value(&feature).bytes;
            if (text.empty()) continue;
            if (!first) xml.Raw("<br>");
            first = false;
            xml.Raw(field.name).Raw(": ").Text(text);
        }
        xml.Raw("</td></tr>\n");
    }
    xml.Raw("</tbody>\n</table>\n");
}

void WriteHtmlRouteTable(XmlOut_t& xml, const model::File_t& file) {
    const trove::Database_t& db = file.Database();
    if (db.routes.empty()) {
        xml.Raw("<p class=\"none\">No routes.</p>\n");
        return;
    }
    xml.Raw(
        "<table class=\"routes\">\n<thead><tr><th>Name</th><th>Route points</th><th>Length</th></tr>"
        "</thead>\n<tbody>\n");
    for (const auto& entry : db.routes) {
        xml.Raw("<tr><td>").Text(View(entry.first.name.text)).Raw("</td>");
        Cell(xml, std::to_string(entry.second.route_points.size()), true);
        Cell(xml, KilometresText(RouteLength(file, model::Route_t{entry.first, entry.second})), true);
        xml.Raw("</tr>\n");
    }
    xml.Raw("</tbody>\n</table>\n");
}

void WriteHtmlTrackTable(XmlOut_t& xml, const model::File_t& file) {
    const trove::Database_t& db = file.Database();
    if (db.tracks.empty()) {
        xml.Raw("<p class=\"none\">No tracks.</p>\n");
        return;
    }
    xml.Raw(
        "<table class=\"tracks\">\n<thead><tr><th>Name</th><th>Points</th><th>Length</th><th>Duration</th>"
        "<th>Lowest</th><th>Highest</th></tr></thead>\n<tbody>\n");
    std::size_t index = 0;
    for (const auto& entry : db.tracks) {
        const trove::TrackStats_t& stats = entry.second.stats;
        xml.Raw("<tr><td><span class=\"swatch\" style=\"background:")
            .Raw(TrackColour(index++))
            .Raw("\"></span>");
        xml.Text(View(entry.first.text)).Raw("</td>");
        Cell(xml, std::to_string(entry.second.point_count), true);
        Cell(xml, KilometresText(stats.distance), true);
        Cell(xml, stats.duration.Has() ? DurationText(*stats.duration) : std::string(), true);
        const bool box = !stats.box.Empty();
        Cell(xml, box ? AltitudeText(stats.box.MinAltitude()) : std::string(), true);
        Cell(xml, box ? AltitudeText(stats.box.MaxAltitude()) : std::string(), true);
        xml.Raw("</tr>\n");
    }
    xml.Raw("</tbody>\n</table>\n");
}

}  // namespace tool
