#pragma once
// Lines at the antimeridian for outputs that draw straight in longitude (GeoJSON, RFC 7946
// 3.1.9): a step between two points more than 180 degrees apart goes the short way, across
// +-180, so the line is cut there into parts.
#include "model/MODEL_Point.h"

namespace model {

// Follows a line point by point.
class AntimeridianCut_t {
public:
    // True when the step from the point before p crosses the antimeridian; leave is then the
    // crossing as the part behind ends there, enter the same place as the next part opens.
    bool Next(const Point_t& p, Point_t& leave, Point_t& enter);

private:
    bool started_ = false;
    Point_t last_;
};

// each(point) and, where the line is cut, cut() between the crossing's two points.
// points(f) calls f(const Point_t&) for every point of the line.
template <class Points, class Each, class Cut>
void WalkCutLine(Points&& points, Each&& each, Cut&& cut) {
    AntimeridianCut_t cutter;
    Point_t leave, enter;
    points([&](const Point_t& p) {
        if (cutter.Next(p, leave, enter)) {
            each(leave);
            cut();
            each(enter);
        }
        each(p);
    });
}

}  // namespace model
