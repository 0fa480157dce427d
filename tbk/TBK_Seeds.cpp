#include "tbk/TBK_Seeds.h"

#include <filesystem>

namespace tbk {

namespace {

WaypointKey_t Key(const std::string& name, std::int32_t id_class = 0) {
    WaypointKey_t key;
    key.name = name;
    key.id_class = id_class;
    return key;
}

Waypoint_t Lake() {
    Waypoint_t w;
    w.key = Key("Bergsee");
    w.key.id_text = "BSEE";
    w.key.id_number_1 = 7;
    w.key.id_number_2 = 0x12345678;
    w.key.id_block = {0, 1, 2, 3, 4, 5, 6, 7};
    w.key.id_short = 0x0102;
    w.key.id_number_3 = 99;
    w.body.position = At(46.5, 8.25, 1985.5);
    w.body.text_1 = "clear water";
    w.body.real_1 = 2.5;
    w.body.enum_a = 2;
    w.body.enum_b = 16;
    w.body.symbol = 139;
    w.body.text_2 = "Lake";
    w.body.text_3 = "Valais";
    w.body.text_4 = "no swimming";
    w.body.byte_1 = 0xFF;
    w.body.real_2 = 150.0;
    w.body.text_5 = "Bergsee";
    w.body.text_6 = "CH";
    w.body.number_1 = 0x80000001u;
    w.body.text_7 = "seven";
    return w;
}

Waypoint_t Plain(const std::string& name, double lat, double lon, std::int32_t id_class = 0) {
    Waypoint_t w;
    w.key = Key(name, id_class);
    w.body.position = At(lat, lon);
    return w;
}

Link_t LinkThrough(const std::vector<Position_t>& points) {
    Link_t link;
    link.link_text = "path";
    link.link_class = 3;
    link.link_kind = 2;
    link.link_short = 0x00FE;
    link.link_points = points;
    link.link_bounds = BoxAround(points);
    return link;
}

Track_t SampleTrack() {
    Track_t track;
    track.name = "Morning";
    track.track_byte = 0;
    track.track_enum = 16;
    for (int i = 0; i < 101; ++i) {  // the 101st point opens a second segment
        TrackPoint_t p;
        p.position = At(46.0 + i * 0.0005, 8.0 + i * 0.0003,
                        i % 7 == 0 ? std::nullopt : std::optional<double>(1500 + i));
        if (i % 11 != 5) p.time = 1086076800 + i * 10;
        if (i % 3 == 0) p.point_real = i * 0.25;
        track.points.push_back(p);
    }
    return track;
}

void Save(const FileBuilder_t& file, const std::string& path, std::vector<std::string>& written) {
    file.Save(path);
    written.push_back(path);
}

}  // namespace

FileBuilder_t SampleFile(int data_version, Framing framing) {
    FileBuilder_t file(data_version, framing);
    if (framing == Framing::current) file.Header({100, 3, "seed", "", "v"});

    Waypoint_t lake = Lake();
    Waypoint_t hut = Plain("Hut", 46.51, 8.26);
    Waypoint_t peak = Plain("Peak", 46.55, 8.3, 4);
    peak.body.position.altitude = 3120.0;
    Waypoint_t town = Plain("Z\xFCrich", 47.37, 8.54);
    file.Waypoint(lake).Waypoint(hut).Waypoint(peak).Waypoint(town);

    Route_t route;
    route.name = "Tour";
    route.generated_name = 0;
    route.points.push_back({hut.key, LinkThrough({hut.body.position, At(46.52, 8.27)})});
    route.points.push_back({lake.key, LinkThrough({lake.body.position, peak.body.position})});
    route.points.push_back({peak.key, Link_t()});
    route.bounds = BoxAround({hut.body.position, lake.body.position, peak.body.position});
    file.Route(route);

    file.Track(SampleTrack());

    Map_t plain_map;
    plain_map.map_value = 2;
    plain_map.map_number = 1;
    plain_map.map_text_1 = "topo";
    plain_map.name = "Valais";
    plain_map.map_text_2 = "1:50000";
    Map_t listed_map = plain_map;
    listed_map.map_value = 0x80000000u;
    listed_map.name = "Bern";
    listed_map.map_items = std::vector<std::uint32_t>{1, 2, 0xFFFFFFFFu};
    file.Map(plain_map).Map(listed_map);

    file.Route0({"Tour", 0, 1});
    file.Volume({"Seeds", 0});
    return file;
}

std::vector<std::string> WriteSeedFiles(const std::string& folder) {
    std::filesystem::create_directories(folder);
    std::vector<std::string> written;
    for (int v = 100; v <= 105; ++v) {
        Save(SampleFile(v), folder + "/sample_v" + std::to_string(v) + ".tbk", written);
    }
    Save(SampleFile(0, Framing::legacy), folder + "/sample_legacy.tbk", written);

    // Same name, other id class: the second waypoint is renamed and the route follows it.
    FileBuilder_t clash(105);
    Waypoint_t first = Plain("Hut", 46.0, 8.0);
    Waypoint_t second = Plain("HUT", 46.1, 8.1, 1);
    Route_t route;
    route.name = "Via";
    route.generated_name = 0;
    route.points.push_back({first.key, Link_t()});
    route.points.push_back({second.key, Link_t()});
    clash.Header().Waypoint(first).Waypoint(second).Route(route);
    Save(clash, folder + "/name_clash.tbk", written);

    FileBuilder_t maps(104);
    maps.Header();
    for (std::uint32_t i = 1; i <= 4; ++i) {
        Map_t map;
        map.map_value = 5 - i;
        map.map_number = i;
        map.name = "Map sheet " + std::to_string(i) + " with a long name";
        if (i % 2 == 0) map.map_items = std::vector<std::uint32_t>();
        maps.Map(map);
    }
    maps.Volume({"", 1});
    Save(maps, folder + "/maps_only.tbk", written);

    FileBuilder_t volume(101);
    volume.Header().Volume({"Disk 1", 0});
    Save(volume, folder + "/volume_only.tbk", written);
    return written;
}

}  // namespace tbk
