// Writes the data files the GDAL driver's tests open into the folder given:
//   sjis.tbk          a waypoint and a track named in code page 932
//   damaged.tbk       a waypoint, then a waypoint record of two bytes
//   legacy.tbk        a file of the legacy layout: no signature, one waypoint
//   antimeridian.tbk  a route and a track across the 180-degree meridian
//   not_data.tbk      text, not a data file
#include <fstream>
#include <iostream>
#include <string>

#include "tbk/TBK_FileBuilder.h"

namespace {

tbk::Waypoint_t Waypoint(const std::string& name, double latitude, double longitude, double altitude) {
    tbk::Waypoint_t w;
    w.key.name = name;
    w.body.position = tbk::At(latitude, longitude, altitude);
    return w;
}

tbk::Track_t Track(const std::string& name, double latitude, double from, double to, int points) {
    tbk::Track_t track;
    track.name = name;
    for (int i = 0; i < points; ++i) {
        tbk::TrackPoint_t point;
        double longitude = from + (to - from) * i / (points - 1);
        if (longitude > 180) longitude -= 360;
        point.position = tbk::At(latitude + 0.01 * i, longitude, 100 + i);
        point.time = 1200000000 + 60 * i;
        track.points.push_back(point);
    }
    return track;
}

void AntiMeridian(const std::string& folder) {
    const tbk::Waypoint_t a = Waypoint("West of the line", -17.0, 179.8, 5);
    const tbk::Waypoint_t b = Waypoint("East of the line", -16.8, -179.9, 12);
    tbk::Route_t route;
    route.name = "Over the line";
    for (const tbk::Waypoint_t* w : {&a, &b}) {
        tbk::RoutePoint_t point;
        point.waypoint = w->key;
        route.points.push_back(point);
    }
    // 150 points: the file stores them in two segments, which are no parts of their own.
    tbk::FileBuilder_t(105)
        .Header()
        .Waypoint(a)
        .Waypoint(b)
        .Route(route)
        .Track(Track("Crossing", -17.3, 179.0, 181.0, 150))
        .Save(folder + "/antimeridian.tbk");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: gdal_fixtures FOLDER\n";
        return 1;
    }
    const std::string folder = argv[1];
    // 富士山 and 登山道 in code page 932.
    tbk::FileBuilder_t(105)
        .Header()
        .Waypoint(Waypoint("\x95\x78\x8E\x6D\x8E\x52", 35.3606, 138.7274, 3776))
        .Track(Track("\x93\x6F\x8E\x52\x93\xB9", 35.30, 138.70, 138.75, 20))
        .Save(folder + "/sjis.tbk");
    tbk::FileBuilder_t(105)
        .Header()
        .Waypoint(Waypoint("Kept", 46.0, 8.0, 500))
        .Record('W', "xx")
        .Save(folder + "/damaged.tbk");
    tbk::FileBuilder_t::Legacy().Waypoint(Waypoint("Old", 47.0, 9.0, 400)).Save(folder + "/legacy.tbk");
    AntiMeridian(folder);
    std::ofstream(folder + "/not_data.tbk", std::ios::binary) << "Waypoints of last summer, typed by hand.\n";
    return 0;
}
