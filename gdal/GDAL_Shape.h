#pragma once
// A feature's geometry as GDAL gets it: points in degrees, longitude first; a line's parts cut
// at the antimeridian as the tool's GeoJSON draws them, where the layer asks for it.
#include <memory>
#include <vector>

#include "gdal/GDAL_Api.h"
#include "model/MODEL_Antimeridian.h"
#include "model/MODEL_File.h"

namespace gdal {

class Shape_t : public model::GeometrySink_t {
public:
    struct Xy_t {
        double x;  // longitude in degrees
        double y;  // latitude in degrees
    };

    explicit Shape_t(bool cut_at_antimeridian) : cut_(cut_at_antimeridian) {}

    void Point(const model::Point_t& p) override;
    void EndPart() override;

    const std::vector<std::vector<Xy_t>>& Parts() const { return parts_; }
    bool Empty() const { return parts_.empty(); }

    // The geometry of the given type (wkbPoint, wkbLineString, wkbMultiLineString); null when
    // there are no points.
    std::unique_ptr<OGRGeometry> Make(OGRwkbGeometryType type) const;

private:
    void Add(const model::Point_t& p);

    bool cut_;
    model::AntimeridianCut_t cutter_;
    std::vector<Xy_t> part_;
    std::vector<std::vector<Xy_t>> parts_;
};

}  // namespace gdal
