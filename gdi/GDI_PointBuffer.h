#pragma once
// Windows only: a screen polyline as the integer POINTs that Polyline takes.
#include <windows.h>

#include <climits>
#include <cmath>
#include <vector>

#include "map/MAP_Projector.h"

namespace gdi {

class SmartPointBuffer_t {
public:
    // Each coordinate rounded to the nearest integer, halves away from zero; values beyond
    // the integer range are held at its ends.
    explicit SmartPointBuffer_t(const map::ScreenPolyline_t& line) {
        points_.reserve(line.size());
        for (const map::ScreenPoint_t& p : line) points_.push_back(POINT{Round(p.x), Round(p.y)});
    }

    const POINT* Points() const noexcept { return points_.data(); }
    int Count() const noexcept { return static_cast<int>(points_.size()); }

private:
    static LONG Round(double v) {
        if (!(v > double(LONG_MIN))) return LONG_MIN;  // NaN as well
        if (!(v < double(LONG_MAX))) return LONG_MAX;
        return static_cast<LONG>(std::lround(v));
    }

    std::vector<POINT> points_;
};

}  // namespace gdi
