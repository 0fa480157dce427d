#pragma once
// The features of one layer as GDAL's features: the ids GDAL's GPX driver gives route and
// track points first, then the model's fields (name and position first, as the exports write
// them), texts as UTF-8, times as UTC date-times; the geometry in degrees.
#include <cstddef>
#include <memory>
#include <string>

#include "gdal/GDAL_Api.h"
#include "gdal/GDAL_TrackParts.h"
#include "gdal/GDAL_WaypointCursor.h"
#include "model/MODEL_File.h"
#include "model/MODEL_Text.h"

namespace gdal {

class Features_t {
public:
    Features_t(const model::File_t& file, model::LayerId_t layer);

    // The layer's fields and geometry type (without its spatial reference) into defn.
    static void Define(model::LayerId_t layer, OGRFeatureDefn& defn);
    static OGRwkbGeometryType GeometryType(model::LayerId_t layer);

    // The feature at index (< the layer's count) with its id, fields and geometry.
    std::unique_ptr<OGRFeature> Make(OGRFeatureDefn* defn, std::size_t index);
    // The extent of every feature's geometry merged into extent; false when none has one.
    bool Extent(OGREnvelope& extent) const;

private:
    // Only the geometry of the feature at index (null when it has none).
    std::unique_ptr<OGRGeometry> Geometry(std::size_t index) const;
    void Set(OGRFeature& feature, int field, const model::Value_t& value);
    template <class Feature>
    void SetFields(OGRFeature& feature, int first, const Feature& view);

    const model::File_t& file_;
    model::LayerId_t layer_;
    model::Utf8_t utf8_;
    TrackParts_t parts_;
    WaypointCursor_t waypoints_;
    std::string text_;
};

}  // namespace gdal
