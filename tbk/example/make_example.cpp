// Writes the example data file: Alpine huts, peaks, lakes and towns, two routes, a hike track,
// two maps, a route-0 entry and a volume record, in data version 105.
// Usage: make_example [OUTPUT]   (default examples/example.tbk); --help and a wrong argument
// print the usage and write nothing. make_example --samples FOLDER writes the sample files of
// make_example_samples.h.
// The output depends on nothing but this source, so reruns give the same bytes.
#include <cmath>
#include <cstdint>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tbk/TBK_BigFile.h"
#include "tbk/TBK_FileBuilder.h"
#include "tbk/example/make_example_samples.h"

namespace {

// Symbol numbers used per kind of place.
constexpr std::int32_t kTownSymbol = 73;
constexpr std::int32_t kPeakSymbol = 107;
constexpr std::int32_t kHutSymbol = 127;
constexpr std::int32_t kLakeSymbol = 37;
constexpr std::int32_t kStationSymbol = 92;

enum class Kind { town, peak, hut, lake, station };

struct Place_t {
    const char* name;  // Windows-1252 bytes
    Kind kind;
    double latitude;
    double longitude;
    double altitude;
    const char* region;
    const char* country;
    const char* comment;
};

// Approximate public positions and heights.
const Place_t kPlaces[] = {
    {"Zermatt", Kind::town, 46.0207, 7.7491, 1608, "Valais", "CH", "Car-free village"},
    {"Grindelwald", Kind::town, 46.6242, 8.0414, 1034, "Bern", "CH", "Glacier village"},
    {"Interlaken", Kind::town, 46.6863, 7.8632, 568, "Bern", "CH", "Between two lakes"},
    {"Chamonix", Kind::town, 45.9237, 6.8694, 1035, "Haute-Savoie", "FR", "Mont Blanc valley"},
    {"Innsbruck", Kind::town, 47.2692, 11.4041, 574, "Tirol", "AT", "Capital of the Tyrol"},
    {"Bolzano", Kind::town, 46.4983, 11.3548, 262, "Alto Adige", "IT", "Gate to the Dolomites"},
    {"Davos", Kind::town, 46.8027, 9.8360, 1560, "Graub\xFCnden", "CH", "Highest town"},
    {"St. Moritz", Kind::town, 46.4908, 9.8355, 1822, "Graub\xFCnden", "CH", "Engadin resort"},
    {"Cortina d'Ampezzo", Kind::town, 46.5405, 12.1357, 1224, "Belluno", "IT", "Dolomites"},
    {"Andermatt", Kind::town, 46.6356, 8.5939, 1444, "Uri", "CH", "Crossroads of passes"},
    {"Matterhorn", Kind::peak, 45.9763, 7.6586, 4478, "Valais", "CH", "H\xF6rnli ridge normal route"},
    {"Eiger", Kind::peak, 46.5775, 8.0053, 3967, "Bern", "CH", "North face"},
    {"Jungfrau", Kind::peak, 46.5367, 7.9625, 4158, "Bern", "CH", "First climbed 1811"},
    {"Mont Blanc", Kind::peak, 45.8326, 6.8652, 4808, "Haute-Savoie", "FR", "Highest of the Alps"},
    {"Piz Bernina", Kind::peak, 46.3824, 9.9081, 4049, "Graub\xFCnden", "CH", "Biancograt"},
    {"Gro\xDFglockner", Kind::peak, 47.0742, 12.6947, 3798, "K\xE4rnten", "AT", "Highest in Austria"},
    {"Zugspitze", Kind::peak, 47.4211, 10.9853, 2962, "Bayern", "DE", "Highest in Germany"},
    {"Dufourspitze", Kind::peak, 45.9369, 7.8668, 4634, "Valais", "CH", "Monte Rosa massif"},
    {"Titlis", Kind::peak, 46.7720, 8.4280, 3238, "Obwalden", "CH", "Rotating cable car"},
    {"Piz Pal\xFC", Kind::peak, 46.3784, 9.9593, 3900, "Graub\xFCnden", "CH", "Three pillars"},
    {"H\xF6rnlih\xFCtte", Kind::hut, 45.9825, 7.6766, 3260, "Valais", "CH", "Base for the Matterhorn"},
    {"Monte Rosa H\xFCtte", Kind::hut, 45.9547, 7.8125, 2883, "Valais", "CH", "Self-sufficient hut"},
    {"M\xF6nchsjochh\xFCtte", Kind::hut, 46.5586, 7.9989, 3657, "Bern", "CH", "Highest staffed hut"},
    {"Refuge du Go\xFBter", Kind::hut, 45.8500, 6.8275, 3835, "Haute-Savoie", "FR", "Booking required"},
    {"Capanna Margherita", Kind::hut, 45.9272, 7.8769, 4554, "Piemonte", "IT", "Highest building in Europe"},
    {"Erzherzog-Johann-H\xFCtte", Kind::hut, 47.0647, 12.6964, 3454, "K\xE4rnten", "AT", "Adlersruhe"},
    {"Britanniah\xFCtte", Kind::hut, 46.0844, 7.9233, 3030, "Valais", "CH", "Above Saas-Fee"},
    {"Chamanna Boval", Kind::hut, 46.4133, 9.9456, 2495, "Graub\xFCnden", "CH", "Morteratsch glacier"},
    {"Schwarzsee", Kind::lake, 45.9917, 7.7083, 2583, "Valais", "CH", "Chapel by the lake"},
    {"Riffelsee", Kind::lake, 45.9990, 7.7480, 2757, "Valais", "CH", "Matterhorn reflection"},
    {"Oeschinensee", Kind::lake, 46.4980, 7.7280, 1578, "Bern", "CH", "Above Kandersteg"},
    {"Lago di Braies", Kind::lake, 46.6946, 12.0854, 1496, "Alto Adige", "IT", "Rowing boats"},
    {"K\xF6nigssee", Kind::lake, 47.5517, 12.9762, 603, "Bayern", "DE", "Echo at the wall"},
    {"Lac Blanc", Kind::lake, 45.9806, 6.8889, 2352, "Haute-Savoie", "FR", "Mont Blanc view"},
    {"Seealpsee", Kind::lake, 47.2693, 9.3990, 1143, "Appenzell", "CH", "Below the S\xE4ntis"},
    {"Silsersee", Kind::lake, 46.4190, 9.7390, 1797, "Graub\xFCnden", "CH", "Engadin lakes"},
    {"Gornergrat Bahn", Kind::station, 45.9837, 7.7856, 3089, "Valais", "CH", "Rack railway summit"},
    {"Jungfraujoch", Kind::station, 46.5474, 7.9819, 3454, "Bern", "CH", "Top of Europe station"},
};

std::int32_t SymbolOf(Kind kind) {
    switch (kind) {
        case Kind::town:
            return kTownSymbol;
        case Kind::peak:
            return kPeakSymbol;
        case Kind::hut:
            return kHutSymbol;
        case Kind::lake:
            return kLakeSymbol;
        case Kind::station:
            return kStationSymbol;
    }
    return 18;
}

const char* KindText(Kind kind) {
    switch (kind) {
        case Kind::town:
            return "Town";
        case Kind::peak:
            return "Peak";
        case Kind::hut:
            return "Hut";
        case Kind::lake:
            return "Lake";
        case Kind::station:
            return "Station";
    }
    return "";
}

tbk::Waypoint_t WaypointOf(const Place_t& place, std::uint32_t index) {
    tbk::Waypoint_t w;
    w.key.name = place.name;
    w.key.id_number_1 = index + 1;
    if (place.kind == Kind::station) {
        // Railway stations are kept in a class of their own; the import leaves them out.
        w.key.id_class = 6;
        w.key.id_text = std::string(place.country) + "-RAIL";
        w.key.id_block[0] = 2;
    }
    w.body.position = tbk::At(place.latitude, place.longitude, place.altitude);
    w.body.text_1 = place.comment;
    w.body.symbol = SymbolOf(place.kind);
    w.body.text_2 = place.region;
    w.body.text_3 = place.country;
    w.body.text_5 = KindText(place.kind);
    w.body.number_1 = 1086048000u + index * 3600u;  // when it was entered
    switch (place.kind) {
        case Kind::hut:
            w.body.real_2 = 200.0;
            w.body.text_4 = "Open late June to September";
            break;
        case Kind::lake:
            w.body.real_2 = 500.0;
            break;
        case Kind::peak:
            w.body.real_1 = place.altitude;
            w.body.text_6 = "Summit";
            break;
        case Kind::town:
            w.body.real_2 = 2000.0;
            w.body.text_7 = "Tourist office in the centre";
            break;
        case Kind::station:
            w.body.enum_a = 2;
            break;
    }
    return w;
}

const tbk::Waypoint_t& Find(const std::vector<tbk::Waypoint_t>& all, const std::string& name) {
    for (const tbk::Waypoint_t& w : all) {
        if (w.key.name == name) return w;
    }
    throw std::runtime_error("no waypoint named " + name);
}

// Points between two places, bent a little sideways so the way is not a straight line.
std::vector<tbk::Position_t> WayBetween(const tbk::Position_t& a, const tbk::Position_t& b, int steps) {
    std::vector<tbk::Position_t> points;
    for (int i = 0; i <= steps; ++i) {
        double f = static_cast<double>(i) / steps;
        double bend = 4.0 * f * (1.0 - f) * 0.08;  // plain arithmetic: same bytes on every platform
        double lat = a.latitude + (b.latitude - static_cast<double>(a.latitude)) * f;
        double lon = a.longitude + (b.longitude - static_cast<double>(a.longitude)) * f;
        lat += bend * (b.longitude - static_cast<double>(a.longitude));
        lon -= bend * (b.latitude - static_cast<double>(a.latitude));
        double alt = *a.altitude + (*b.altitude - *a.altitude) * f;
        points.push_back({static_cast<std::int32_t>(std::lround(lat)),
                          static_cast<std::int32_t>(std::lround(lon)), std::round(alt)});
    }
    return points;
}

tbk::Route_t RouteThrough(const std::string& name, const std::vector<tbk::Waypoint_t>& all,
                          const std::vector<std::string>& stops) {
    tbk::Route_t route;
    route.name = name;
    route.generated_name = 0;
    std::vector<tbk::Position_t> everything;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const tbk::Waypoint_t& from = Find(all, stops[i]);
        tbk::RoutePoint_t point;
        point.waypoint = from.key;
        if (i + 1 < stops.size()) {
            point.link.link_text = stops[i] + " - " + stops[i + 1];
            point.link.link_class = 1;
            point.link.link_points = WayBetween(from.body.position, Find(all, stops[i + 1]).body.position, 6);
            point.link.link_bounds = tbk::BoxAround(point.link.link_points);
        }
        everything.push_back(from.body.position);
        everything.insert(everything.end(), point.link.link_points.begin(), point.link.link_points.end());
        route.points.push_back(point);
    }
    route.bounds = tbk::BoxAround(everything);
    return route;
}

// The hike from Zermatt by the Schwarzsee up to the Hoernli hut, a point every 30 seconds.
tbk::Track_t HikeTrack(const std::vector<tbk::Waypoint_t>& all) {
    tbk::Track_t track;
    track.name = "Zermatt - H\xF6rnlih\xFCtte";
    track.track_byte = 1;
    track.track_enum = 3;
    const std::vector<tbk::Position_t> legs[] = {
        WayBetween(Find(all, "Zermatt").body.position, Find(all, "Schwarzsee").body.position, 220),
        WayBetween(Find(all, "Schwarzsee").body.position, Find(all, "H\xF6rnlih\xFCtte").body.position, 180)};
    std::int32_t time = 1088665200;  // 2004-07-01 07:00 UTC
    int n = 0;
    for (const auto& leg : legs) {
        for (std::size_t i = (n == 0 ? 0 : 1); i < leg.size(); ++i, ++n) {
            tbk::TrackPoint_t p;
            p.position = leg[i];
            // A little GPS jitter, the same on every run.
            p.position.latitude += static_cast<std::int32_t>((n * 7919) % 301) - 150;
            p.position.longitude += static_cast<std::int32_t>((n * 104729) % 301) - 150;
            p.time = time;
            time += 30;
            track.points.push_back(p);
        }
    }
    return track;
}

const char kUsage[] =
    "usage: make_example [OUTPUT]                    the example (default examples/example.tbk)\n"
    "       make_example --waypoints N OUTPUT        N waypoints\n"
    "       make_example --tracks N POINTS OUTPUT    N tracks of POINTS points each\n"
    "       make_example --samples FOLDER            the sample files outputs are compared on\n"
    "  N and POINTS are whole numbers from 1 to 4294967295; OUTPUT does not start with -\n";

// A count of the command line: digits only, from 1 to 2^32 - 1.
bool ParseCount(const std::string& text, std::uint32_t& count) {
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const unsigned long long value = std::stoull(text);
    if (value == 0 || value > 0xFFFFFFFFull) return false;
    count = static_cast<std::uint32_t>(value);
    return true;
}

bool IsOutput(const std::string& text) {
    return !text.empty() && text[0] != '-';
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (args.size() == 2 && args[0] == "--samples" && IsOutput(args[1])) {
        try {
            WriteSamples(args[1]);
            return 0;
        } catch (const std::exception& e) {
            std::cerr << "make_example: " << e.what() << "\n";
            return 1;
        }
    }
    // The benchmarks' shapes of file, for timing an import of many waypoints or of long tracks
    // (20 tracks of 100,000 points: --tracks 20 100000).
    tbk::BigFileSpec_t shape;
    const bool big = !args.empty() && (args[0] == "--waypoints" || args[0] == "--tracks");
    const bool fits = !big ? args.size() <= 1 && (args.empty() || IsOutput(args[0]))
                      : args[0] == "--tracks"
                          ? args.size() == 4 && ParseCount(args[1], shape.tracks) &&
                                ParseCount(args[2], shape.track_points) && IsOutput(args[3])
                          : args.size() == 3 && ParseCount(args[1], shape.waypoints) && IsOutput(args[2]);
    if (!fits) {
        std::cerr << kUsage;
        return 1;
    }
    if (big) {
        const std::string& output = args.back();
        try {
            std::cout << output << ": " << tbk::WriteBigFile(output, shape) << " bytes\n";
            return 0;
        } catch (const std::exception& e) {
            std::cerr << "make_example: " << e.what() << "\n";
            return 1;
        }
    }
    const std::string path = args.empty() ? std::string("examples/example.tbk") : args[0];
    try {
        std::vector<tbk::Waypoint_t> waypoints;
        for (const Place_t& place : kPlaces) {
            waypoints.push_back(WaypointOf(place, static_cast<std::uint32_t>(waypoints.size())));
        }

        tbk::FileBuilder_t file(105);
        file.Header({100, 1, "Alpine tours", "Trovix example", ""});
        for (const tbk::Waypoint_t& w : waypoints) file.Waypoint(w);
        file.Route(RouteThrough("Zermatt Huts", waypoints,
                                {"Zermatt", "Riffelsee", "Gornergrat Bahn", "Monte Rosa H\xFCtte"}));
        file.Route(
            RouteThrough("Bernese Oberland", waypoints,
                         {"Interlaken", "Grindelwald", "Jungfraujoch", "M\xF6nchsjochh\xFCtte", "Eiger"}));
        file.Track(HikeTrack(waypoints));

        tbk::Map_t zermatt;
        zermatt.map_value = 1;
        zermatt.map_number = 1348;
        zermatt.map_text_1 = "1:25000";
        zermatt.name = "Zermatt";
        zermatt.map_text_2 = "Swiss national map";
        zermatt.map_items = std::vector<std::uint32_t>{1327, 1328, 1347, 1348};
        tbk::Map_t oberland = zermatt;
        oberland.map_number = 1229;
        oberland.name = "Grindelwald";
        oberland.map_items.reset();
        file.Map(zermatt).Map(oberland);

        file.Route0({"Zermatt Huts", 0, 1});
        file.Volume({"Alps summer 2004", 0});
        file.Save(path);
        std::cout << path << ": " << file.Bytes().size() << " bytes\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "make_example: " << e.what() << "\n";
        return 1;
    }
}
