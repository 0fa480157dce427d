#pragma once
// Lines and boxes at the antimeridian for formats that draw straight in longitude (GeoJSON,
// RFC 7946 3.1.9 and 5.2): a step between two points more than 180 degrees apart goes the short
// way, across +-180, so the line is cut there; a box across it has its west edge east of its
// east edge. Longitudes are semicircles held in 64 bits, so that +180 (2^31) can be said.
#include <cstdint>

#include "base/BASE_Optional.h"
#include "geo/GEO_Position.h"

namespace tool {

constexpr std::int64_t kHalfTurn = std::int64_t(1) << 31;  // 180 degrees in semicircles
constexpr std::int64_t kTurn = std::int64_t(1) << 32;

struct LinePoint_t {
    std::int32_t latitude = 0;
    std::int64_t longitude = 0;  // -2^31 to 2^31
    base::Optional_t<double> altitude;
    base::Optional_t<std::int64_t> time;
};

LinePoint_t MakeLinePoint(const geo::Position_t& p, const base::Optional_t<std::int32_t>& time = {});

// Follows a line point by point.
class AntimeridianCut_t {
public:
    // True when the step from the point before p crosses the antimeridian; leave is then the
    // crossing as the part behind ends there, enter the same place as the next part opens.
    bool Next(const LinePoint_t& p, LinePoint_t& leave, LinePoint_t& enter);

private:
    bool started_ = false;
    LinePoint_t last_;
};

// each(point) and, where the line is cut, cut() between the crossing's two points.
// points(f) calls f(const LinePoint_t&) for every point of the line.
template <class Points, class Each, class Cut>
void WalkCutLine(Points&& points, Each&& each, Cut&& cut) {
    AntimeridianCut_t cutter;
    LinePoint_t leave, enter;
    points([&](const LinePoint_t& p) {
        if (cutter.Next(p, leave, enter)) {
            each(leave);
            cut();
            each(enter);
        }
        each(p);
    });
}

// The smallest latitude range and (nearly smallest) longitude arc holding what is added.
class Extent_t {
public:
    void AddPoint(const LinePoint_t& p);
    // The points of one line in turn, each step taken the short way.
    void AddLinePoint(const LinePoint_t& p);
    // Ends the line begun by AddLinePoint.
    void EndLine();
    // Every point and line of other.
    void Add(const Extent_t& other);

    bool Empty() const { return south_ > north_; }
    std::int32_t South() const { return south_; }
    std::int32_t North() const { return north_; }
    // -2^31 up to 2^31; West() > East() when the box crosses the antimeridian.
    std::int64_t West() const;
    std::int64_t East() const;

private:
    void AddArc(std::int64_t west, std::int64_t width);
    void AddLatitude(std::int32_t latitude);

    std::int32_t south_ = INT32_MAX;
    std::int32_t north_ = INT32_MIN;
    bool has_arc_ = false;
    std::int64_t west_ = 0;   // -2^31 to 2^31 - 1
    std::int64_t width_ = 0;  // 0 to 2^32 (the whole circle)
    // The line being added: its longitudes unwrapped, steps taken the short way.
    bool in_line_ = false;
    std::int64_t line_last_ = 0;
    std::int64_t line_min_ = 0;
    std::int64_t line_max_ = 0;
};

}  // namespace tool
