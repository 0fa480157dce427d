// The sample files that the outputs are compared on beside the example: texts of two other code
// pages, a track and a route across the antimeridian, a damaged file.
#include "tbk/example/make_example_samples.h"

#include <cstdint>
#include <string>
#include <vector>

#include "tbk/TBK_FileBuilder.h"

namespace {

tbk::Waypoint_t Place(const std::string& name, double latitude, double longitude, double altitude,
                      const std::string& comment, const std::string& description) {
    tbk::Waypoint_t w;
    w.key.name = name;
    w.body.position = tbk::At(latitude, longitude, altitude);
    w.body.text_1 = comment;
    w.body.text_4 = description;
    w.body.symbol = 107;
    return w;
}

tbk::Route_t RouteOf(const std::string& name, const std::vector<tbk::Waypoint_t>& stops) {
    tbk::Route_t route;
    route.name = name;
    route.generated_name = 0;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        tbk::RoutePoint_t point;
        point.waypoint = stops[i].key;
        if (i + 1 < stops.size()) {
            point.link.link_text = "leg " + std::to_string(i + 1);
            const tbk::Position_t& a = stops[i].body.position;
            const tbk::Position_t& b = stops[i + 1].body.position;
            point.link.link_points = {{(a.latitude / 2 + b.latitude / 2), a.longitude, 12.5}};
            point.link.link_bounds = tbk::BoxAround(point.link.link_points);
        }
        route.points.push_back(point);
    }
    return route;
}

tbk::Track_t TrackOf(const std::string& name, double latitude, const std::vector<double>& longitudes) {
    tbk::Track_t track;
    track.name = name;
    std::int32_t time = 1700000000;
    for (std::size_t i = 0; i < longitudes.size(); ++i) {
        tbk::TrackPoint_t p;
        p.position =
            tbk::At(latitude + 0.01 * static_cast<double>(i), longitudes[i], 100.0 + static_cast<double>(i));
        p.time = time;
        time += 60;
        if (i % 3 == 0) p.point_real = 0.5 * static_cast<double>(i);
        track.points.push_back(p);
    }
    return track;
}

// Shift-JIS: Tokyo's places, with a lone lead byte that is no character.
void ShiftJis(const std::string& folder) {
    const std::vector<tbk::Waypoint_t> places = {
        Place("\x93\x8C\x8B\x9E\x89\x77", 35.6812, 139.7671, 3, "\x8E\x52\x82\xCC\x8E\xE8", "JR"),
        Place("\x95\x78\x8E\x6D\x8E\x52", 35.3606, 138.7274, 3776, "\x93\xFA\x96\x7B\x88\xEA",
              "\x82\xA0\x82\xA2"),
        Place("Broken \x82", 35.0, 139.0, 10, "lone lead \x81", ""),
    };
    tbk::FileBuilder_t file(105);
    file.Header({100, 1, "\x93\xFA\x96\x7B", "", ""});
    for (const tbk::Waypoint_t& w : places) file.Waypoint(w);
    file.Route(RouteOf("\x93\x6F\x8E\x52", {places[0], places[1]}));
    std::vector<double> longitudes;
    for (int i = 0; i < 250; ++i) longitudes.push_back(138.7 + 0.004 * i);
    file.Track(TrackOf("\x8E\x55\x95\xE0", 35.36, longitudes));
    file.Save(folder + "/shift-jis.tbk");
}

// Windows-1251: Moscow's places.
void Cyrillic(const std::string& folder) {
    const std::vector<tbk::Waypoint_t> places = {
        Place("\xCC\xEE\xF1\xEA\xE2\xE0", 55.7558, 37.6173, 156, "\xD1\xF2\xEE\xEB\xE8\xF6\xE0",
              "\xCA\xF0\xE5\xEC\xEB\xFC"),
        Place("\xD2\xE2\xE5\xF0\xFC", 56.8587, 35.9176, 140, "\xC3\xEE\xF0\xEE\xE4", "=1+1"),
    };
    tbk::FileBuilder_t file(105);
    file.Header({100, 1, "\xD0\xEE\xF1\xF1\xE8\xFF", "", ""});
    for (const tbk::Waypoint_t& w : places) file.Waypoint(w);
    file.Route(RouteOf("\xCF\xF3\xF2\xFC", places));
    file.Track(TrackOf("\xD2\xF0\xE5\xEA", 55.8, {37.6, 37.5, 37.4, 37.3}));
    file.Save(folder + "/cyrillic.tbk");
}

// Fiji's islands, both sides of 180 degrees: a track crossing it twice, a route once.
void Antimeridian(const std::string& folder) {
    const std::vector<tbk::Waypoint_t> places = {
        Place("Taveuni", -16.85, 179.95, 20, "", ""),
        Place("Rabi", -16.5, -179.97, 15, "", ""),
        Place("Lau", -17.2, -178.8, 5, "", ""),
    };
    tbk::FileBuilder_t file(105);
    file.Header();
    for (const tbk::Waypoint_t& w : places) file.Waypoint(w);
    file.Route(RouteOf("Across", places));
    file.Track(TrackOf("Dateline", -17.0, {179.5, 179.8, -179.9, -179.6, 179.7, 179.2, -179.95}));
    file.Save(folder + "/antimeridian.tbk");
}

// A damaged file: a record of an unknown letter, then one cut short by the end of the file.
void Damaged(const std::string& folder) {
    tbk::FileBuilder_t file(105);
    file.Header();
    file.Waypoint(Place("Kept", 46.0, 7.0, 1000, "before the damage", ""));
    file.Record('Q', std::string(12, 'x'));
    file.Track(TrackOf("Cut", 46.0, {7.0, 7.1, 7.2, 7.3}));
    file.Waypoint(Place("Lost", 46.5, 7.5, 1500, "cut short", ""));
    file.CutLast(7);
    file.Save(folder + "/damaged.tbk");
}

}  // namespace

void WriteSamples(const std::string& folder) {
    ShiftJis(folder);
    Cyrillic(folder);
    Antimeridian(folder);
    Damaged(folder);
}
