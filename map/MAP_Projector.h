#pragma once
// Turns geographic polylines into screen polylines; the map view that shows a drawing
// supplies it.
#include <list>
#include <vector>

#include "geo/GEO_Box.h"
#include "geo/GEO_Position.h"

namespace map {

struct ScreenPoint_t {
    double x = 0.0;
    double y = 0.0;
};

using ScreenPolyline_t = std::vector<ScreenPoint_t>;

class Projector_t {
public:
    virtual ~Projector_t() = default;
    // Appends to `lines` the screen polylines of `points` (whose box is `bounds`); the
    // projector may cut a line into several or leave out what is not visible.
    virtual void Project(std::vector<geo::Position_t> points, const geo::Box_t& bounds,
                         std::list<ScreenPolyline_t>& lines) const = 0;
};

}  // namespace map
