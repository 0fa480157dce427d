#include "gdal/GDAL_Shape.h"

#include "model/MODEL_Number.h"

namespace gdal {

void Shape_t::Add(const model::Point_t& p) {
    part_.push_back(Xy_t{model::DegreesOf(p.longitude), model::DegreesOf(p.latitude)});
}

void Shape_t::Point(const model::Point_t& p) {
    model::Point_t leave, enter;
    if (cut_ && cutter_.Next(p, leave, enter)) {
        Add(leave);
        parts_.push_back(std::move(part_));
        part_.clear();
        Add(enter);
    }
    Add(p);
}

void Shape_t::EndPart() {
    if (!part_.empty()) parts_.push_back(std::move(part_));
    part_.clear();
    cutter_ = model::AntimeridianCut_t();
}

namespace {

std::unique_ptr<OGRLineString> Line(const std::vector<Shape_t::Xy_t>& points) {
    auto line = std::make_unique<OGRLineString>();
    line->setNumPoints(static_cast<int>(points.size()), FALSE);
    for (std::size_t i = 0; i < points.size(); ++i)
        line->setPoint(static_cast<int>(i), points[i].x, points[i].y);
    return line;
}

}  // namespace

std::unique_ptr<OGRGeometry> Shape_t::Make(OGRwkbGeometryType type) const {
    if (parts_.empty()) return nullptr;
    switch (type) {
        case wkbPoint:
            return std::make_unique<OGRPoint>(parts_[0][0].x, parts_[0][0].y);
        case wkbLineString:
            return Line(parts_[0]);
        default: {
            auto lines = std::make_unique<OGRMultiLineString>();
            for (const auto& part : parts_) lines->addGeometryDirectly(Line(part).release());
            return lines;
        }
    }
}

}  // namespace gdal
