#pragma once
// The layers of a loaded file, named as GDAL's GPX driver names them, each with its schema and
// the kind of its geometry.
#include <cstddef>
#include <string_view>
#include <vector>

#include "model/MODEL_Features.h"
#include "model/MODEL_Schema.h"

namespace model {

enum class LayerId_t { Waypoints, Routes, RoutePoints, Tracks, TrackPoints };
constexpr std::size_t kLayerCount = 5;
constexpr LayerId_t kLayers[kLayerCount] = {LayerId_t::Waypoints, LayerId_t::Routes, LayerId_t::RoutePoints,
                                            LayerId_t::Tracks, LayerId_t::TrackPoints};

enum class GeometryType_t {
    Point,  // waypoints, route_points (none where the waypoint is missing), track_points
    Line,   // routes, tracks: lines of parts (one part each; more where a writer cuts them)
};

// "waypoints", "routes", "route_points", "tracks", "track_points".
const char* LayerName(LayerId_t layer);
// False when no layer has that name.
bool FindLayer(std::string_view name, LayerId_t& layer);
GeometryType_t GeometryOf(LayerId_t layer);
const Schema_t& SchemaOf(LayerId_t layer);

// A feature's value of the field at index in its layer's schema.
inline Value_t ValueOf(const Waypoint_t& f, std::size_t field) {
    return SchemaOf(LayerId_t::Waypoints)[field].value(&f);
}
inline Value_t ValueOf(const Route_t& f, std::size_t field) {
    return SchemaOf(LayerId_t::Routes)[field].value(&f);
}
inline Value_t ValueOf(const RoutePoint_t& f, std::size_t field) {
    return SchemaOf(LayerId_t::RoutePoints)[field].value(&f);
}
inline Value_t ValueOf(const Track_t& f, std::size_t field) {
    return SchemaOf(LayerId_t::Tracks)[field].value(&f);
}
inline Value_t ValueOf(const TrackPoint_t& f, std::size_t field) {
    return SchemaOf(LayerId_t::TrackPoints)[field].value(&f);
}

// Every value of the feature at once, in schema order, into values (room for
// SchemaOf(layer).Size(), at most kMaxFields): the writers' way, a call per feature.
constexpr std::size_t kMaxFields = 32;
void ValuesOf(const Waypoint_t& f, Value_t* values);
void ValuesOf(const Route_t& f, Value_t* values);
void ValuesOf(const RoutePoint_t& f, Value_t* values);
void ValuesOf(const Track_t& f, Value_t* values);
void ValuesOf(const TrackPoint_t& f, Value_t* values);

// The schema's field indexes with the feature's name (a route point's route, a track point's
// track), latitude, longitude and altitude first, where the outputs that write every field put
// them, the rest after in schema order.
const std::vector<std::size_t>& PositionFirst(LayerId_t layer);

// each(field, value) for every field of the feature: in schema order, or position first.
template <class Feature, class Each>
void ForEachField(LayerId_t layer, const Feature& feature, bool position_first, Each&& each) {
    Value_t values[kMaxFields];
    ValuesOf(feature, values);
    const Schema_t& schema = SchemaOf(layer);
    if (position_first) {
        for (std::size_t i : PositionFirst(layer)) each(schema[i], values[i]);
    } else {
        for (std::size_t i = 0; i < schema.Size(); ++i) each(schema[i], values[i]);
    }
}

}  // namespace model
