#include "gdal/GDAL_Features.h"

#include "gdal/GDAL_Shape.h"
#include "model/MODEL_Number.h"

namespace gdal {

namespace {

using model::LayerId_t;

// The ids GDAL's GPX driver gives a point of a route or a track, before the model's fields.
int IdFields(LayerId_t layer) {
    return layer == LayerId_t::RoutePoints ? 2 : layer == LayerId_t::TrackPoints ? 3 : 0;
}

OGRFieldType TypeOf(model::FieldType_t type) {
    switch (type) {
        case model::FieldType_t::Integer:
            return OFTInteger64;  // unsigned 32-bit values too
        case model::FieldType_t::Real:
            return OFTReal;
        case model::FieldType_t::Time:
            return OFTDateTime;
        case model::FieldType_t::Text:
        case model::FieldType_t::Hex:
            break;
    }
    return OFTString;
}

void AddField(OGRFeatureDefn& defn, const char* name, OGRFieldType type) {
    OGRFieldDefn field(name, type);
    defn.AddFieldDefn(&field);
}

}  // namespace

Features_t::Features_t(const model::File_t& file, LayerId_t layer)
    : file_(file), layer_(layer), utf8_(file.CodePage()), parts_(file), waypoints_(file) {}

OGRwkbGeometryType Features_t::GeometryType(LayerId_t layer) {
    switch (layer) {
        case LayerId_t::Routes:
            return wkbLineString;
        case LayerId_t::Tracks:
            return wkbMultiLineString;
        default:
            return wkbPoint;
    }
}

void Features_t::Define(LayerId_t layer, OGRFeatureDefn& defn) {
    defn.SetGeomType(GeometryType(layer));
    if (layer == LayerId_t::RoutePoints) {
        AddField(defn, "route_fid", OFTInteger64);
        AddField(defn, "route_point_id", OFTInteger64);
    } else if (layer == LayerId_t::TrackPoints) {
        AddField(defn, "track_fid", OFTInteger64);
        AddField(defn, "track_seg_id", OFTInteger64);
        AddField(defn, "track_seg_point_id", OFTInteger64);
    }
    const model::Schema_t& schema = model::SchemaOf(layer);
    for (std::size_t i : model::PositionFirst(layer)) AddField(defn, schema[i].name, TypeOf(schema[i].type));
}

void Features_t::Set(OGRFeature& feature, int field, const model::Value_t& value) {
    using Kind = model::Value_t::Kind_t;
    switch (value.kind) {
        case Kind::Absent:
            feature.SetFieldNull(field);
            break;
        case Kind::Integer:
            feature.SetField(field, static_cast<GIntBig>(value.integer));
            break;
        case Kind::Real:
            feature.SetField(field, value.real);
            break;
        case Kind::Degrees:
            feature.SetField(field, model::DegreesOf(value.integer));
            break;
        case Kind::Text:
            text_.assign(utf8_.Convert(value.bytes));
            feature.SetField(field, text_.c_str());
            break;
        case Kind::Time: {
            struct tm t;
            CPLUnixTimeToYMDHMS(value.integer, &t);
            constexpr int kUtc = 100;
            feature.SetField(field, t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min,
                             static_cast<float>(t.tm_sec), kUtc);
            break;
        }
        case Kind::Hex:
            text_.resize(value.bytes.size() * 2);
            model::PutHex(&text_[0], reinterpret_cast<const std::uint8_t*>(value.bytes.data()),
                          value.bytes.size());
            feature.SetField(field, text_.c_str());
            break;
    }
}

template <class Feature>
void Features_t::SetFields(OGRFeature& feature, int first, const Feature& view) {
    int field = first;
    model::ForEachField(layer_, view, true, [&](const model::Field_t&, const model::Value_t& value) {
        Set(feature, field++, value);
    });
}

namespace {

// A waypoint's point, without the general shape's allocations: the most common feature.
std::unique_ptr<OGRGeometry> PointOf(const geo::Position_t& p) {
    return std::make_unique<OGRPoint>(model::DegreesOf(p.longitude), model::DegreesOf(p.latitude));
}

}  // namespace

std::unique_ptr<OGRGeometry> Features_t::Geometry(std::size_t index) const {
    if (layer_ == LayerId_t::Waypoints) return PointOf(file_.WaypointAt(index).body.position);
    // Only a track is cut: a route is one line string, as GDAL's GPX driver has it.
    Shape_t shape(layer_ == LayerId_t::Tracks);
    file_.Geometry(layer_, index, shape);
    return shape.Make(GeometryType(layer_));
}

bool Features_t::Extent(OGREnvelope& extent) const {
    bool any = false;
    if (layer_ == LayerId_t::Waypoints) {
        file_.ForEachWaypoint([&](const model::Waypoint_t& w) {
            extent.Merge(model::DegreesOf(w.body.position.longitude),
                         model::DegreesOf(w.body.position.latitude));
            any = true;
        });
        return any;
    }
    const std::size_t count = file_.Count(layer_);
    for (std::size_t i = 0; i < count; ++i) {
        Shape_t shape(layer_ == LayerId_t::Tracks);
        file_.Geometry(layer_, i, shape);
        for (const auto& part : shape.Parts())
            for (const Shape_t::Xy_t& p : part) extent.Merge(p.x, p.y);
        any = any || !shape.Empty();
    }
    return any;
}

std::unique_ptr<OGRFeature> Features_t::Make(OGRFeatureDefn* defn, std::size_t index) {
    auto feature = std::make_unique<OGRFeature>(defn);
    feature->SetFID(static_cast<GIntBig>(index));
    const int first = IdFields(layer_);
    switch (layer_) {
        case LayerId_t::Waypoints: {
            const model::Waypoint_t waypoint = waypoints_.At(index);
            SetFields(*feature, first, waypoint);
            std::unique_ptr<OGRGeometry> point = PointOf(waypoint.body.position);
            point->assignSpatialReference(defn->GetGeomFieldDefn(0)->GetSpatialRef());
            feature->SetGeometryDirectly(point.release());
            return feature;
        }
        case LayerId_t::Routes:
            SetFields(*feature, first, file_.RouteAt(index));
            break;
        case LayerId_t::RoutePoints: {
            const model::RoutePoint_t point = file_.RoutePointAt(index);
            feature->SetField(0, static_cast<GIntBig>(point.route));
            feature->SetField(1, static_cast<GIntBig>(point.number));
            SetFields(*feature, first, point);
            break;
        }
        case LayerId_t::Tracks:
            SetFields(*feature, first, file_.TrackAt(index));
            break;
        case LayerId_t::TrackPoints: {
            const model::TrackPoint_t point = file_.TrackPointAt(index);
            const TrackParts_t::Place_t place = parts_.Of(point.track, point.number);
            feature->SetField(0, static_cast<GIntBig>(point.track));
            feature->SetField(1, static_cast<GIntBig>(place.part));
            feature->SetField(2, static_cast<GIntBig>(place.point));
            SetFields(*feature, first, point);
            break;
        }
    }
    if (std::unique_ptr<OGRGeometry> geometry = Geometry(index)) {
        geometry->assignSpatialReference(defn->GetGeomFieldDefn(0)->GetSpatialRef());
        feature->SetGeometryDirectly(geometry.release());
    }
    return feature;
}

}  // namespace gdal
