// Writes the data files the browser test of `trovix html` opens into the folder given:
//   antimeridian.tbk  a track, a route and waypoints across the 180-degree meridian, one
//                     waypoint's name full of HTML's special characters
//   sjis.tbk          names in code page 932
//   damaged.tbk       a waypoint, then a waypoint record of two bytes
//   empty.tbk         a header and a volume record, nothing else
//   altitudes.tbk     altitudes no page can draw to scale (+-1e308, 1e18 throughout, 0 and
//                     1e18), and a route whose link points and last point have none
#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include "tbk/TBK_FileBuilder.h"

namespace {

tbk::Waypoint_t Waypoint(const std::string& name, double latitude, double longitude, double altitude) {
    tbk::Waypoint_t w;
    w.key.name = name;
    w.body.position = tbk::At(latitude, longitude, altitude);
    return w;
}

tbk::Track_t Track(const std::string& name, double latitude, double from, double to, double altitude) {
    tbk::Track_t track;
    track.name = name;
    for (int i = 0; i <= 60; ++i) {
        tbk::TrackPoint_t point;
        double longitude = from + (to - from) * i / 60;
        if (longitude > 180) longitude -= 360;
        point.position = tbk::At(latitude + 0.01 * i, longitude, altitude + (i % 20) * 7.5);
        point.time = 1200000000 + 60 * i;
        track.points.push_back(point);
    }
    return track;
}

void AntiMeridian(const std::string& folder) {
    const tbk::Waypoint_t a = Waypoint("Date <Line> & \"Co\"", -17.0, 179.8, 5);
    const tbk::Waypoint_t b = Waypoint("Taveuni", -16.8, -179.9, 12);
    tbk::Route_t route;
    route.name = "Over the line";
    for (const tbk::Waypoint_t* w : {&a, &b}) {
        tbk::RoutePoint_t point;
        point.waypoint = w->key;
        route.points.push_back(point);
    }
    route.points[0].link.link_points = {a.body.position, tbk::At(-16.9, 179.95), b.body.position};
    tbk::FileBuilder_t file(105);
    file.Header().Waypoint(a).Waypoint(b).Route(route).Track(Track("Crossing", -17.3, 179.0, 181.0, 10));
    file.Save(folder + "/antimeridian.tbk");
}

void ShiftJis(const std::string& folder) {
    // 富士山 and 登山道 in code page 932.
    tbk::FileBuilder_t file(105);
    file.Header()
        .Waypoint(Waypoint("\x95\x78\x8E\x6D\x8E\x52", 35.3606, 138.7274, 3776))
        .Track(Track("\x93\x6F\x8E\x52\x93\xB9", 35.30, 138.70, 138.75, 2300));
    file.Save(folder + "/sjis.tbk");
}

void Damaged(const std::string& folder) {
    tbk::FileBuilder_t file(105);
    file.Header().Waypoint(Waypoint("Kept", 46.0, 8.0, 500)).Record('W', "xx");
    file.Save(folder + "/damaged.tbk");
}

// A track of a few timed points at the altitudes given (none: NaN).
tbk::Track_t Track(const std::string& name, const std::vector<double>& altitudes) {
    tbk::Track_t track;
    track.name = name;
    for (std::size_t i = 0; i < altitudes.size(); ++i) {
        tbk::TrackPoint_t point;
        const double latitude = 46.0 + 0.01 * static_cast<double>(i);
        point.position =
            altitudes[i] == altitudes[i] ? tbk::At(latitude, 8.0, altitudes[i]) : tbk::At(latitude, 8.0);
        point.time = 1200000000 + 60 * static_cast<int>(i);
        track.points.push_back(point);
    }
    return track;
}

void Altitudes(const std::string& folder) {
    const double none = std::nan("");
    const tbk::Waypoint_t high = Waypoint("High", 46.0, 8.0, 1e308);
    const tbk::Waypoint_t low = Waypoint("Low", 46.1, 8.1, -1e308);
    tbk::Waypoint_t plain_waypoint;
    plain_waypoint.key.name = "Plain";
    plain_waypoint.body.position = tbk::At(46.2, 8.2);
    const tbk::Waypoint_t& plain = plain_waypoint;
    tbk::Route_t route;
    route.name = "Mixed";
    const tbk::Waypoint_t start = Waypoint("Start", 46.3, 8.3, 500);
    for (const tbk::Waypoint_t* w : {&start, &plain}) {
        tbk::RoutePoint_t point;
        point.waypoint = w->key;
        route.points.push_back(point);
    }
    route.points[0].link.link_points = {start.body.position, tbk::At(46.25, 8.25), plain.body.position};
    tbk::FileBuilder_t file(105);
    file.Header().Waypoint(high).Waypoint(low).Waypoint(plain).Waypoint(start).Route(route);
    file.Track(Track("Extreme", {1e308, -1e308, 0}))
        .Track(Track("Flat", {1e18, 1e18, 1e18}))
        .Track(Track("Far", {0, 1e18, 5}))
        .Track(Track("Gaps", {100, none, 120}));
    file.Save(folder + "/altitudes.tbk");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: html_fixtures FOLDER\n";
        return 1;
    }
    const std::string folder = argv[1];
    AntiMeridian(folder);
    ShiftJis(folder);
    Damaged(folder);
    Altitudes(folder);
    // A file needs one record at least: a volume, here.
    tbk::Volume_t volume;
    volume.volume_text = "Nothing";
    volume.volume_flag = 0;
    tbk::FileBuilder_t(105).Header().Volume(volume).Save(folder + "/empty.tbk");
    return 0;
}
