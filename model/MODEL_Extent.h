#pragma once
// The extent of points and lines: the smallest latitude range and the (nearly smallest)
// longitude arc holding them, lines taken the short way at each step, so that an extent across
// the antimeridian has its west edge east of its east edge; beside it the plain box of the
// smallest and largest longitude, for outputs whose boxes cannot cross (GPX).
#include <cstdint>

#include "model/MODEL_Point.h"

namespace model {

class Extent_t {
public:
    void AddPoint(const Point_t& p);
    // The points of one line in turn, each step taken the short way.
    void AddLinePoint(const Point_t& p);
    // Ends the line begun by AddLinePoint.
    void EndLine();
    // Every point and line of other.
    void Add(const Extent_t& other);

    bool Empty() const { return south_ > north_; }
    std::int32_t South() const { return south_; }
    std::int32_t North() const { return north_; }
    // -2^31 up to 2^31; West() > East() when the extent crosses the antimeridian.
    std::int64_t West() const;
    std::int64_t East() const;
    // The smallest and largest longitude added, as numbers.
    std::int64_t MinLongitude() const { return min_longitude_; }
    std::int64_t MaxLongitude() const { return max_longitude_; }

private:
    void AddArc(std::int64_t west, std::int64_t width);
    void AddLatitude(std::int32_t latitude);
    void AddLongitude(std::int64_t longitude);

    std::int32_t south_ = INT32_MAX;
    std::int32_t north_ = INT32_MIN;
    std::int64_t min_longitude_ = INT64_MAX;
    std::int64_t max_longitude_ = INT64_MIN;
    bool has_arc_ = false;
    std::int64_t west_ = 0;   // -2^31 to 2^31 - 1
    std::int64_t width_ = 0;  // 0 to 2^32 (the whole circle)
    // The line being added: its longitudes unwrapped, steps taken the short way.
    bool in_line_ = false;
    std::int64_t line_last_ = 0;
    std::int64_t line_min_ = 0;
    std::int64_t line_max_ = 0;
};

}  // namespace model
