#include "model/MODEL_Layers.h"

#include <type_traits>

#include "base/BASE_Exception.h"
#include "model/MODEL_Text.h"

namespace model {

namespace {

using T = FieldType_t;

Value_t Text(std::string_view bytes) {
    return Value_t::Text(bytes);
}

Value_t Real(const base::Optional_t<double>& value) {
    return value.Has() ? Value_t::Real(*value) : Value_t::Absent();
}

Value_t Hex(const trove::IdBlock_t& block) {
    return Value_t::Hex(std::string_view(reinterpret_cast<const char*>(block.data()), block.size()));
}

// A field's value from the layer's feature view.
template <class Feature>
const Feature& As(const void* feature) {
    return *static_cast<const Feature*>(feature);
}

// Where position first puts a field: its name's place among these, or kRest.
constexpr std::string_view kFront[] = {"name", "route", "track", "latitude", "longitude", "altitude"};
constexpr std::size_t kRest = sizeof kFront / sizeof kFront[0];
constexpr std::size_t FrontRank(std::string_view name) {
    for (std::size_t i = 0; i < kRest; ++i)
        if (kFront[i] == name) return i;
    return kRest;
}
// Every field at once, in schema order.
constexpr std::size_t kEveryRank = kRest + 1;
template <std::size_t Rank>
using Rank_t = std::integral_constant<std::size_t, Rank>;

// A value to the sink's function for its kind. Inlined where the list makes the value, so
// that the kind is known there and the choice made when compiling.
inline void Take(FieldSink_t& sink, const Field_t& field, const Value_t& value) {
    using Kind = Value_t::Kind_t;
    switch (value.kind) {
        case Kind::Absent:
            return sink.Absent(field);
        case Kind::Integer:
            return sink.Integer(field, value.integer);
        case Kind::Real:
            return sink.Real(field, value.real);
        case Kind::Degrees:
            return sink.Degrees(field, static_cast<std::int32_t>(value.integer));
        case Kind::Text:
            return sink.Text(field, value.bytes);
        case Kind::Time:
            return sink.Time(field, value.integer);
        case Kind::Hex:
            return sink.Hex(field, value.bytes);
    }
}

// Each layer's fields are one list, F(feature, name, dump's name, type, meaning, value of f),
// made into the schema's entries, into the function that takes every value of a feature at
// once, and into the calls of a sink's functions, field by field (of one rank of position
// first, or all). The readable names are the labels the file's program gives the fields in
// the handheld record it makes of a waypoint: the note's lines and the record's four texts.
#define MODEL_FIELD(Feature, name, dump_name, type, meaning, expression)         \
    Field_t{name, dump_name, type, meaning, [](const void* feature) -> Value_t { \
                const Feature& f = As<Feature>(feature);                         \
                (void)f;                                                         \
                return expression;                                               \
            }},
#define MODEL_VALUE(Feature, name, dump_name, type, meaning, expression) *values++ = (expression);
#define MODEL_TAKE(Feature, name, dump_name, type, meaning, expression)          \
    if constexpr (Rank::value == kEveryRank || Rank::value == FrontRank(name)) { \
        Take(sink, *field, expression);                                          \
    }                                                                            \
    ++field;

#define MODEL_WAYPOINT_FIELDS(F)                                                                           \
    F(Waypoint_t, "name", "name", T::Text, "name", Text(View(f.id.name.text)))                             \
    F(Waypoint_t, "id_class", "id_class", T::Integer, "class of the key; the import takes class 0 only",   \
      Value_t::Integer(f.id.id_class))                                                                     \
    F(Waypoint_t, "handheld_text_4", "id_text", T::Text,                                                   \
      "second text of the key; the handheld record's text 4", Text(View(f.id.id_text)))                    \
    F(Waypoint_t, "id_number_1", "id_number_1", T::Integer, "", Value_t::Integer(f.id.id_number_1))        \
    F(Waypoint_t, "id_number_2", "id_number_2", T::Integer, "", Value_t::Integer(f.id.id_number_2))        \
    F(Waypoint_t, "id_block", "id_block", T::Hex, "", Hex(f.id.id_block))                                  \
    F(Waypoint_t, "id_short", "id_short", T::Integer, "", Value_t::Integer(f.id.id_short))                 \
    F(Waypoint_t, "id_number_3", "id_number_3", T::Integer, "", Value_t::Integer(f.id.id_number_3))        \
    F(Waypoint_t, "latitude", "latitude", T::Real, "latitude", Value_t::Degrees(f.body.position.latitude)) \
    F(Waypoint_t, "longitude", "longitude", T::Real, "longitude",                                          \
      Value_t::Degrees(f.body.position.longitude))                                                         \
    F(Waypoint_t, "altitude", "altitude", T::Real, "altitude in metres", Real(f.body.position.altitude))   \
    F(Waypoint_t, "comment", "text_1", T::Text, "the note's \"Comment\" line", Text(View(f.body.text_1)))  \
    F(Waypoint_t, "real_1", "real_1", T::Real, "", Real(f.body.real_1))                                    \
    F(Waypoint_t, "enum_a", "enum_a", T::Integer, "", Value_t::Integer(f.body.enum_a))                     \
    F(Waypoint_t, "enum_b", "enum_b", T::Integer, "", Value_t::Integer(f.body.enum_b))                     \
    F(Waypoint_t, "symbol", "symbol", T::Integer, "symbol, 0 to 139",                                      \
      Value_t::Integer(static_cast<std::int64_t>(f.body.symbol)))                                          \
    F(Waypoint_t, "handheld_text_2", "text_2", T::Text, "the handheld record's text 2",                    \
      Text(View(f.body.text_2)))                                                                           \
    F(Waypoint_t, "handheld_text_3", "text_3", T::Text, "the handheld record's text 3",                    \
      Text(View(f.body.text_3)))                                                                           \
    F(Waypoint_t, "description", "text_4", T::Text, "the note's \"Description\" line",                     \
      Text(View(f.body.text_4)))                                                                           \
    F(Waypoint_t, "byte_1", "byte_1", T::Integer, "", Value_t::Integer(f.body.byte_1))                     \
    F(Waypoint_t, "distance_m", "real_2", T::Real, "a distance in metres; the note's \"Distance\" line",   \
      Real(f.body.real_2))                                                                                 \
    F(Waypoint_t, "handheld_text_1", "text_5", T::Text, "the handheld record's text 1",                    \
      Text(View(f.body.text_5)))                                                                           \
    F(Waypoint_t, "notes", "text_6", T::Text, "the note's \"Notes\" line", Text(View(f.body.text_6)))      \
    F(Waypoint_t, "number_1", "number_1", T::Real, "", Value_t::Real(f.body.number_1))                     \
    F(Waypoint_t, "details", "text_7", T::Text, "the note's \"Details\" line", Text(View(f.body.text_7)))

const Field_t kWaypointFields[] = {MODEL_WAYPOINT_FIELDS(MODEL_FIELD)};

#define MODEL_ROUTE_FIELDS(F)                                                                 \
    F(Route_t, "name", "name", T::Text, "name", Text(View(f.id.name.text)))                   \
    F(Route_t, "generated_name", "generated_name", T::Integer, "1 when the name was made up", \
      Value_t::Integer(f.id.generated_name))

const Field_t kRouteFields[] = {MODEL_ROUTE_FIELDS(MODEL_FIELD)};

// A route point's position is its waypoint's; absent when the waypoint is missing.
Value_t PointDegrees(const RoutePoint_t& f, bool latitude) {
    if (!f.waypoint) return Value_t::Absent();
    return Value_t::Degrees(latitude ? f.waypoint->position.latitude : f.waypoint->position.longitude);
}

#define MODEL_ROUTE_POINT_FIELDS(F)                                                                        \
    F(RoutePoint_t, "route", "route", T::Text, "the route's name", Text(View(f.route_id.name.text)))       \
    F(RoutePoint_t, "waypoint", "waypoint", T::Text, "the waypoint's name",                                \
      Text(View(f.point.waypoint.name.text)))                                                              \
    F(RoutePoint_t, "latitude", "latitude", T::Real, "latitude", PointDegrees(f, true))                    \
    F(RoutePoint_t, "longitude", "longitude", T::Real, "longitude", PointDegrees(f, false))                \
    F(RoutePoint_t, "altitude", "altitude", T::Real, "altitude in metres",                                 \
      f.waypoint ? Real(f.waypoint->position.altitude) : Value_t::Absent())                                \
    F(RoutePoint_t, "link_text", "link_text", T::Text, "", Text(View(f.point.link.link_text)))             \
    F(RoutePoint_t, "link_class", "link_class", T::Integer, "", Value_t::Integer(f.point.link.link_class)) \
    F(RoutePoint_t, "link_number_1", "link_number_1", T::Integer, "",                                      \
      Value_t::Integer(f.point.link.link_number_1))                                                        \
    F(RoutePoint_t, "link_number_2", "link_number_2", T::Integer, "",                                      \
      Value_t::Integer(f.point.link.link_number_2))                                                        \
    F(RoutePoint_t, "link_short", "link_short", T::Integer, "", Value_t::Integer(f.point.link.link_short)) \
    F(RoutePoint_t, "link_kind", "link_kind", T::Integer, "", Value_t::Integer(f.point.link.link_kind))

const Field_t kRoutePointFields[] = {MODEL_ROUTE_POINT_FIELDS(MODEL_FIELD)};

#define MODEL_TRACK_FIELDS(F)                                                                   \
    F(Track_t, "name", "name", T::Text, "name", Text(View(f.id.text)))                          \
    F(Track_t, "track_byte", "track_byte", T::Integer, "", Value_t::Integer(f.body.track_byte)) \
    F(Track_t, "track_enum", "track_enum", T::Integer, "", Value_t::Integer(f.body.track_enum))

const Field_t kTrackFields[] = {MODEL_TRACK_FIELDS(MODEL_FIELD)};

#define MODEL_TRACK_POINT_FIELDS(F)                                                                         \
    F(TrackPoint_t, "track", "track", T::Text, "the track's name", Text(View(f.track_id.text)))             \
    F(TrackPoint_t, "latitude", "latitude", T::Real, "latitude",                                            \
      Value_t::Degrees(f.point.position.latitude))                                                          \
    F(TrackPoint_t, "longitude", "longitude", T::Real, "longitude",                                         \
      Value_t::Degrees(f.point.position.longitude))                                                         \
    F(TrackPoint_t, "altitude", "altitude", T::Real, "altitude in metres", Real(f.point.position.altitude)) \
    F(TrackPoint_t, "time", "time", T::Time, "time of the fix",                                             \
      f.point.time.Has() ? Value_t::Time(*f.point.time) : Value_t::Absent())                                \
    F(TrackPoint_t, "point_real", "point_real", T::Real, "", Real(f.point.point_real))

const Field_t kTrackPointFields[] = {MODEL_TRACK_POINT_FIELDS(MODEL_FIELD)};

#undef MODEL_FIELD

const Schema_t kSchemas[kLayerCount] = {Schema_t(kWaypointFields), Schema_t(kRouteFields),
                                        Schema_t(kRoutePointFields), Schema_t(kTrackFields),
                                        Schema_t(kTrackPointFields)};

const char* const kNames[kLayerCount] = {"waypoints", "routes", "route_points", "tracks", "track_points"};

std::size_t Index(LayerId_t layer) {
    const std::size_t i = static_cast<std::size_t>(layer);
    BASE_ASSERT(i < kLayerCount);
    return i;
}

std::vector<std::size_t> MakePositionFirst(const Schema_t& schema) {
    std::vector<std::size_t> order;
    for (std::string_view name : kFront) {
        const std::size_t i = schema.Find(name);
        if (i != schema.Size()) order.push_back(i);
    }
    for (std::size_t i = 0; i < schema.Size(); ++i) {
        bool front = false;
        for (std::string_view name : kFront) front = front || name == schema[i].name;
        if (!front) order.push_back(i);
    }
    return order;
}

}  // namespace

void ValuesOf(const Waypoint_t& f, Value_t* values) {
    MODEL_WAYPOINT_FIELDS(MODEL_VALUE)
}
void ValuesOf(const Route_t& f, Value_t* values) {
    MODEL_ROUTE_FIELDS(MODEL_VALUE)
}
void ValuesOf(const RoutePoint_t& f, Value_t* values) {
    MODEL_ROUTE_POINT_FIELDS(MODEL_VALUE)
}
void ValuesOf(const Track_t& f, Value_t* values) {
    MODEL_TRACK_FIELDS(MODEL_VALUE)
}
void ValuesOf(const TrackPoint_t& f, Value_t* values) {
    MODEL_TRACK_POINT_FIELDS(MODEL_VALUE)
}

#undef MODEL_VALUE

namespace {

// One rank's fields of the feature, in schema order.
#define MODEL_TAKE_RANK(Feature, FIELDS, table)                \
    template <class Rank>                                      \
    void TakeRank(const Feature& f, FieldSink_t& sink, Rank) { \
        const Field_t* field = table;                          \
        (void)f;                                               \
        (void)sink;                                            \
        FIELDS(MODEL_TAKE)                                     \
    }
MODEL_TAKE_RANK(Waypoint_t, MODEL_WAYPOINT_FIELDS, kWaypointFields)
MODEL_TAKE_RANK(Route_t, MODEL_ROUTE_FIELDS, kRouteFields)
MODEL_TAKE_RANK(RoutePoint_t, MODEL_ROUTE_POINT_FIELDS, kRoutePointFields)
MODEL_TAKE_RANK(Track_t, MODEL_TRACK_FIELDS, kTrackFields)
MODEL_TAKE_RANK(TrackPoint_t, MODEL_TRACK_POINT_FIELDS, kTrackPointFields)
#undef MODEL_TAKE_RANK
#undef MODEL_TAKE

// Position first (PositionFirst's order): the front names' fields in kFront's order, the rest
// after.
template <class Feature>
void Visit(const Feature& f, FieldSink_t& sink, bool position_first) {
    if (!position_first) return TakeRank(f, sink, Rank_t<kEveryRank>());
    static_assert(kRest == 6, "a rank for each front name");
    TakeRank(f, sink, Rank_t<0>());
    TakeRank(f, sink, Rank_t<1>());
    TakeRank(f, sink, Rank_t<2>());
    TakeRank(f, sink, Rank_t<3>());
    TakeRank(f, sink, Rank_t<4>());
    TakeRank(f, sink, Rank_t<5>());
    TakeRank(f, sink, Rank_t<kRest>());
}

}  // namespace

void VisitFields(const Waypoint_t& f, FieldSink_t& sink, bool position_first) {
    Visit(f, sink, position_first);
}
void VisitFields(const Route_t& f, FieldSink_t& sink, bool position_first) {
    Visit(f, sink, position_first);
}
void VisitFields(const RoutePoint_t& f, FieldSink_t& sink, bool position_first) {
    Visit(f, sink, position_first);
}
void VisitFields(const Track_t& f, FieldSink_t& sink, bool position_first) {
    Visit(f, sink, position_first);
}
void VisitFields(const TrackPoint_t& f, FieldSink_t& sink, bool position_first) {
    Visit(f, sink, position_first);
}

const char* LayerName(LayerId_t layer) {
    return kNames[Index(layer)];
}

bool FindLayer(std::string_view name, LayerId_t& layer) {
    for (LayerId_t each : kLayers) {
        if (name == LayerName(each)) {
            layer = each;
            return true;
        }
    }
    return false;
}

GeometryType_t GeometryOf(LayerId_t layer) {
    return layer == LayerId_t::Routes || layer == LayerId_t::Tracks ? GeometryType_t::Line
                                                                    : GeometryType_t::Point;
}

const Schema_t& SchemaOf(LayerId_t layer) {
    return kSchemas[Index(layer)];
}

const std::vector<std::size_t>& PositionFirst(LayerId_t layer) {
    static const std::vector<std::size_t> orders[kLayerCount] = {
        MakePositionFirst(kSchemas[0]), MakePositionFirst(kSchemas[1]), MakePositionFirst(kSchemas[2]),
        MakePositionFirst(kSchemas[3]), MakePositionFirst(kSchemas[4])};
    return orders[Index(layer)];
}

}  // namespace model
