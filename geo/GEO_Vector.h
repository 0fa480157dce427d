#pragma once
// The geodesic relation from one position to another: distance in metres on the
// reference ellipsoid (sphere plus a first-order flattening correction) and initial bearing.
#include "geo/GEO_Position.h"

namespace geo {

// Semicircles per radian (2^31 / pi), as the stored constant.
constexpr double kSemicirclesPerRadian = 683565275.5764323;
constexpr double kEquatorRadius = 6378137.0;

class Vector_t {
public:
    // Altitudes play no part.
    Vector_t(const Position_t& from, const Position_t& to);

    const Position_t& From() const noexcept { return from_; }
    double Distance() const noexcept { return distance_; }  // metres
    double Bearing() const noexcept { return bearing_; }    // degrees clockwise from north, [0, 360)

private:
    Position_t from_;
    double distance_ = 0.0;
    double bearing_ = 0.0;
};

// The distance alone, for callers that need no bearing.
double Distance(const Position_t& from, const Position_t& to);

// A position as a unit vector from the earth's centre. Paths that measure leg after leg
// keep the vector of their last point instead of converting it again (the trigonometry
// dominates the cost of a leg); the distance is the same either way.
struct UnitVector_t {
    double x, y, z;
};
UnitVector_t ToUnitVector(const Position_t& p);
double Distance(const UnitVector_t& from, const UnitVector_t& to);

}  // namespace geo
