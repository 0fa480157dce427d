#include "model/MODEL_File.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "model/MODEL_Antimeridian.h"
#include "model/MODEL_Extent.h"
#include "model/MODEL_Text.h"
#include "tbk/TBK_FileBuilder.h"

namespace {

constexpr unsigned kCodePage = 1252;

tbk::Track_t Track(const std::string& name, const std::vector<double>& longitudes) {
    tbk::Track_t track;
    track.name = name;
    for (std::size_t i = 0; i < longitudes.size(); ++i) {
        tbk::TrackPoint_t p;
        p.position = tbk::At(-17.0 + 0.001 * static_cast<double>(i), longitudes[i]);
        p.time = 1700000000 + static_cast<std::int32_t>(i);
        track.points.push_back(p);
    }
    return track;
}

class Points_t : public model::GeometrySink_t {
public:
    void Point(const model::Point_t& p) override { points.push_back(p); }
    std::vector<model::Point_t> points;
};

// A later segment opens with a copy of the last point before it: each point counts once, by
// the walk, the count and the index alike, across segments of 100.
TEST(Model, TrackPointsCountOnceAcrossSegments) {
    const std::size_t sizes[] = {0, 1, 100, 101, 199, 250};
    tbk::FileBuilder_t builder(105);
    builder.Header();
    for (std::size_t size : sizes)
        builder.Track(Track("T" + std::to_string(size), std::vector<double>(size, 10.0)));
    model::File_t file(kCodePage);
    ASSERT_EQ(file.LoadBytes(builder.Bytes()).outcome, trove::LoadOutcome_t::Loaded);

    std::size_t total = 0;
    for (std::size_t t = 0; t < file.Count(model::LayerId_t::Tracks); ++t) {
        const model::Track_t track = file.TrackAt(t);
        const std::size_t size = std::stoul(std::string(model::View(track.id.text)).substr(1));
        std::vector<std::int64_t> times;
        model::ForEachTrackPoint(track.body, [&](const trove::TrackPoint_t& p) { times.push_back(*p.time); });
        ASSERT_EQ(times.size(), size) << "track of " << size;
        EXPECT_EQ(model::TrackPointCount(track.body), size);
        for (std::size_t i = 0; i < size; ++i) {
            EXPECT_EQ(times[i], 1700000000 + static_cast<std::int64_t>(i)) << "track of " << size;
            const model::TrackPoint_t point = file.TrackPointAt(total + i);
            EXPECT_EQ(point.track, t);
            EXPECT_EQ(point.number, i);
            EXPECT_EQ(*point.point.time, times[i]);
        }
        total += size;
    }
    EXPECT_EQ(file.Count(model::LayerId_t::TrackPoints), total);
}

// A step between points more than 180 degrees apart crosses +-180, where the line is cut.
TEST(Model, LinesAreCutAtTheAntimeridian) {
    struct Case_t {
        std::vector<double> longitudes;
        std::vector<std::int64_t> edges;  // the longitude each crossing leaves at, in order
    };
    const Case_t cases[] = {
        {{179.5, 179.9, -179.9, -179.5}, {model::kHalfTurn}},
        {{-179.5, -179.9, 179.9, 179.5, 170.0}, {-model::kHalfTurn}},
        {{170.0, -170.0, 170.0}, {model::kHalfTurn, -model::kHalfTurn}},
        {{-100.0, 0.0, 100.0}, {}},
        {{5.0}, {}},
    };
    for (const Case_t& c : cases) {
        const std::string bytes =
            tbk::FileBuilder_t(105).Header().Track(Track("Dateline", c.longitudes)).Bytes();
        model::File_t file(kCodePage);
        ASSERT_EQ(file.LoadBytes(bytes).outcome, trove::LoadOutcome_t::Loaded);
        Points_t line;
        file.Geometry(model::LayerId_t::Tracks, 0, line);
        std::vector<std::vector<model::Point_t>> parts(1);
        model::WalkCutLine(
            [&](auto&& each) {
                for (const model::Point_t& p : line.points) each(p);
            },
            [&](const model::Point_t& p) { parts.back().push_back(p); }, [&] { parts.emplace_back(); });
        ASSERT_EQ(parts.size(), c.edges.size() + 1) << c.longitudes.front();
        std::size_t points = 0;
        for (std::size_t k = 0; k < c.edges.size(); ++k) {
            EXPECT_EQ(parts[k].back().longitude, c.edges[k]);
            EXPECT_EQ(parts[k + 1].front().longitude, -c.edges[k]);
            EXPECT_EQ(parts[k].back().latitude, parts[k + 1].front().latitude);
            EXPECT_TRUE(parts[k].back().time.Has());
        }
        for (const auto& part : parts) points += part.size();
        EXPECT_EQ(points, c.longitudes.size() + 2 * c.edges.size());
    }
}

// The extent holds every point on the narrowest arc; across the antimeridian its west edge lies
// east of its east edge. The plain box takes the numbers as they are.
TEST(Model, ExtentTakesTheNarrowestArc) {
    struct Case_t {
        std::vector<double> points;  // longitudes of lone points
        std::vector<double> line;    // longitudes of one line
        double west, east, min, max;
    };
    const Case_t cases[] = {
        {{10.0, 20.0}, {}, 10.0, 20.0, 10.0, 20.0},
        {{170.0, -170.0}, {}, 170.0, -170.0, -170.0, 170.0},
        {{}, {170.0, -170.0}, 170.0, -170.0, -170.0, 170.0},
        {{}, {-100.0, 0.0, 100.0}, -100.0, 100.0, -100.0, 100.0},
        {{-10.0}, {170.0, 179.0, -179.0}, 170.0, -10.0, -179.0, 179.0},
    };
    for (const Case_t& c : cases) {
        model::Extent_t extent;
        for (double longitude : c.points)
            extent.AddPoint(
                model::MakePoint(geo::Position_t(tbk::Semicircles(1.0), tbk::Semicircles(longitude))));
        for (double longitude : c.line)
            extent.AddLinePoint(
                model::MakePoint(geo::Position_t(tbk::Semicircles(2.0), tbk::Semicircles(longitude))));
        extent.EndLine();
        ASSERT_FALSE(extent.Empty());
        EXPECT_EQ(extent.West(), tbk::Semicircles(c.west)) << c.west;
        EXPECT_EQ(extent.East(), tbk::Semicircles(c.east)) << c.west;
        EXPECT_EQ(extent.MinLongitude(), tbk::Semicircles(c.min)) << c.west;
        EXPECT_EQ(extent.MaxLongitude(), tbk::Semicircles(c.max)) << c.west;
        EXPECT_EQ(extent.South(), tbk::Semicircles(c.points.empty() ? 2.0 : 1.0));
        EXPECT_EQ(extent.North(), tbk::Semicircles(c.line.empty() ? 1.0 : 2.0));
    }
}

// A route point whose waypoint the file lacks keeps its place in route_points without a
// position, and the route's line goes on without it.
TEST(Model, MissingRouteWaypointHasNoPosition) {
    tbk::Waypoint_t a, b;
    a.key.name = "AAA";
    a.body.position = tbk::At(1.0, 2.0);
    b.key.name = "BBB";
    b.body.position = tbk::At(3.0, 4.0);
    tbk::Route_t route;
    route.name = "R";
    route.points.resize(2);
    route.points[0].waypoint = a.key;
    route.points[1].waypoint = b.key;
    const std::string bytes = tbk::FileBuilder_t(105).Header().Waypoint(a).Waypoint(b).Route(route).Bytes();
    struct Case_t {
        const char* missing;  // "" for none
        std::size_t line_points;
    };
    for (const Case_t& c : {Case_t{"", 2}, Case_t{"AAA", 1}, Case_t{"BBB", 1}}) {
        model::File_t file(kCodePage);
        ASSERT_EQ(file.LoadBytes(bytes).outcome, trove::LoadOutcome_t::Loaded);
        trove::WaypointTable_t& waypoints = file.Database().waypoints;
        for (auto it = waypoints.begin(); it != waypoints.end(); ++it) {
            if (model::View(it->first.name.text) == c.missing) {
                waypoints.erase(it);
                break;
            }
        }
        ASSERT_EQ(file.Count(model::LayerId_t::RoutePoints), 2u);
        const std::size_t latitude = model::SchemaOf(model::LayerId_t::RoutePoints).Find("latitude");
        for (std::size_t i = 0; i < 2; ++i) {
            const model::RoutePoint_t point = file.RoutePointAt(i);
            const bool missing = model::View(point.point.waypoint.name.text) == c.missing;
            EXPECT_EQ(point.waypoint == nullptr, missing);
            EXPECT_EQ(file.Value(model::LayerId_t::RoutePoints, i, latitude).Has(), !missing);
            Points_t geometry;
            file.Geometry(model::LayerId_t::RoutePoints, i, geometry);
            EXPECT_EQ(geometry.points.size(), missing ? 0u : 1u);
        }
        Points_t line;
        file.Geometry(model::LayerId_t::Routes, 0, line);
        EXPECT_EQ(line.points.size(), c.line_points) << c.missing;
    }
}

// The values a writer takes field by field are the schema's, in schema order or position
// first, for every feature of every layer: a missing route waypoint's absent ones too.
template <class Feature>
void ExpectSchemaValues(const model::File_t& file, model::LayerId_t layer, std::size_t index,
                        const Feature& feature) {
    const model::Schema_t& schema = model::SchemaOf(layer);
    for (bool position_first : {false, true}) {
        std::vector<std::size_t> order;
        model::ForEachField(layer, feature, position_first,
                            [&](const model::Field_t& field, const model::Value_t& value) {
                                const std::size_t i = static_cast<std::size_t>(&field - schema.begin());
                                order.push_back(i);
                                const model::Value_t expected = file.Value(layer, index, i);
                                EXPECT_EQ(value.kind, expected.kind) << field.name;
                                EXPECT_EQ(value.integer, expected.integer) << field.name;
                                EXPECT_EQ(value.real, expected.real) << field.name;
                                EXPECT_EQ(value.bytes, expected.bytes) << field.name;
                            });
        std::vector<std::size_t> expected(schema.Size());
        std::iota(expected.begin(), expected.end(), std::size_t(0));
        if (position_first) expected = model::PositionFirst(layer);
        EXPECT_EQ(order, expected) << model::LayerName(layer) << (position_first ? ", position first" : "");
    }
}

TEST(Model, FieldsReachWritersAsTheSchemaHasThem) {
    tbk::Waypoint_t a, b;
    a.key.name = "AAA";
    a.body.position = tbk::At(1.0, 2.0);
    a.body.text_1 = "comment";
    a.body.real_1 = 2.5;
    b.key.name = "BBB";
    b.body.position = tbk::At(3.0, 4.0);
    tbk::Route_t route;
    route.name = "R";
    route.points.resize(2);
    route.points[0].waypoint = a.key;
    route.points[1].waypoint = b.key;
    const std::string bytes = tbk::FileBuilder_t(105)
                                  .Header()
                                  .Waypoint(a)
                                  .Waypoint(b)
                                  .Route(route)
                                  .Track(Track("T", {10.0, 10.5, 11.0}))
                                  .Bytes();
    model::File_t file(kCodePage);
    ASSERT_EQ(file.LoadBytes(bytes).outcome, trove::LoadOutcome_t::Loaded);
    // The second route point's waypoint goes missing.
    trove::WaypointTable_t& waypoints = file.Database().waypoints;
    for (auto it = waypoints.begin(); it != waypoints.end(); ++it) {
        if (model::View(it->first.name.text) == "BBB") {
            waypoints.erase(it);
            break;
        }
    }
    for (model::LayerId_t layer : model::kLayers) {
        ASSERT_GT(file.Count(layer), 0u) << model::LayerName(layer);
        for (std::size_t i = 0; i < file.Count(layer); ++i) {
            switch (layer) {
                case model::LayerId_t::Waypoints:
                    ExpectSchemaValues(file, layer, i, file.WaypointAt(i));
                    break;
                case model::LayerId_t::Routes:
                    ExpectSchemaValues(file, layer, i, file.RouteAt(i));
                    break;
                case model::LayerId_t::RoutePoints:
                    ExpectSchemaValues(file, layer, i, file.RoutePointAt(i));
                    break;
                case model::LayerId_t::Tracks:
                    ExpectSchemaValues(file, layer, i, file.TrackAt(i));
                    break;
                case model::LayerId_t::TrackPoints:
                    ExpectSchemaValues(file, layer, i, file.TrackPointAt(i));
                    break;
            }
        }
    }
}

}  // namespace
