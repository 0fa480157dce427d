#pragma once
// The layers of a loaded file, named as GDAL's GPX driver names them, each with its schema and
// the kind of its geometry.
#include <cstddef>
#include <string_view>
#include <type_traits>
#include <vector>

#include "model/MODEL_Features.h"
#include "model/MODEL_FieldSink.h"
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
// SchemaOf(layer).Size(), at most kMaxFields), for readers that take them together.
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

// Every field of the feature to sink, each as its kind: in schema order, or position first.
void VisitFields(const Waypoint_t& f, FieldSink_t& sink, bool position_first);
void VisitFields(const Route_t& f, FieldSink_t& sink, bool position_first);
void VisitFields(const RoutePoint_t& f, FieldSink_t& sink, bool position_first);
void VisitFields(const Track_t& f, FieldSink_t& sink, bool position_first);
void VisitFields(const TrackPoint_t& f, FieldSink_t& sink, bool position_first);

namespace fields_detail {

// each(field, value) behind a sink: each function makes a value of one kind, so each's
// handling of the other kinds falls away where it is inlined.
template <class Each>
class EachSink_t final : public FieldSink_t {
public:
    explicit EachSink_t(Each& each) : each_(each) {}
    void Absent(const Field_t& field) override { each_(field, Value_t::Absent()); }
    void Integer(const Field_t& field, std::int64_t value) override { each_(field, Value_t::Integer(value)); }
    void Real(const Field_t& field, double value) override { each_(field, Value_t::Real(value)); }
    void Degrees(const Field_t& field, std::int32_t semicircles) override {
        each_(field, Value_t::Degrees(semicircles));
    }
    void Text(const Field_t& field, std::string_view bytes) override { each_(field, Value_t::Text(bytes)); }
    void Time(const Field_t& field, std::int64_t seconds) override { each_(field, Value_t::Time(seconds)); }
    void Hex(const Field_t& field, std::string_view bytes) override { each_(field, Value_t::Hex(bytes)); }

private:
    Each& each_;
};

}  // namespace fields_detail

// each(field, value) for every field of the feature: in schema order, or position first. The
// feature's type names its layer; layer says it again where the caller reads.
template <class Feature, class Each>
void ForEachField(LayerId_t layer, const Feature& feature, bool position_first, Each&& each) {
    (void)layer;
    fields_detail::EachSink_t<std::remove_reference_t<Each>> sink(each);
    VisitFields(feature, sink, position_first);
}

}  // namespace model
