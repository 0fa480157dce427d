#include "geo/GEO_Vector.h"

#include <cmath>

#include "geo/GEO_Trig.h"

namespace geo {

namespace {

constexpr double kFlattening = 0.0033528106647474805;
// Below this sin(sigma) the flattening correction is left out.
constexpr double kCorrectionThreshold = 0.00290435536;
// One millimetre on the equatorial sphere, in radians: closer than this has no direction.
constexpr double kSameSpot = 1.5678559428873979e-10;
constexpr double kDegreesPerRadian = 57.29577951308239;

using Unit_t = UnitVector_t;

double Dot(const Unit_t& a, const Unit_t& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

double CrossLength(const Unit_t& a, const Unit_t& b) {
    const double x = a.y * b.z - a.z * b.y;
    const double y = a.z * b.x - a.x * b.z;
    const double z = a.x * b.y - a.y * b.x;
    return std::sqrt(x * x + y * y + z * z);
}

double DistanceOf(const Unit_t& a, const Unit_t& b, double cross) {
    const double sigma = Atan2(cross, Dot(a, b));
    double correction = 0.0;
    // sin(sigma) <= sigma: a short leg (nearly every leg of a track) needs no sine to know
    // that it gets no correction.
    if (sigma > kCorrectionThreshold) {
        const double sin_sigma = Sin(sigma);
        if (sin_sigma > kCorrectionThreshold) {
            const double cos_sigma = Cos(sigma);
            const double p = (a.z + b.z) * (a.z + b.z) / (1.0 + cos_sigma);
            const double q = (a.z - b.z) * (a.z - b.z) / (1.0 - cos_sigma);
            correction = kFlattening / 4.0 * (3.0 * sin_sigma * (p - q) - sigma * (p + q));
        }
    }
    return (sigma + correction) * kEquatorRadius;
}

double BearingOf(const Unit_t& a, const Unit_t& b, double cross) {
    if (cross <= kSameSpot) return 0.0;
    const double under_root = 1.0 - a.z * a.z;
    const double horizontal = under_root < 0.0 ? 0.0 : std::sqrt(under_root);
    Unit_t east{1.0, 0.0, 0.0};
    Unit_t north{0.0, 0.0, 0.0};
    if (horizontal < kSameSpot) {
        // At a pole every direction is south; take the x axis as east.
        north = {-a.z * east.y, a.z * east.x, a.z};
    } else {
        east = {-a.y / horizontal, a.x / horizontal, 0.0};
        north = {-a.z * east.y, a.z * east.x, horizontal};
    }
    const double e = Dot(b, east) / cross;
    const double n = Dot(b, north) / cross;
    double bearing = std::fmod(Atan2(e, n) * kDegreesPerRadian, 360.0);
    if (bearing < 0.0) bearing += 360.0;
    // A hair west of north (rounding noise on a meridian) would round up to 360 itself.
    if (bearing >= 360.0) bearing = 0.0;
    return bearing;
}

}  // namespace

UnitVector_t ToUnitVector(const Position_t& p) {
    const double phi = p.latitude / kSemicirclesPerRadian;
    const double lambda = p.longitude / kSemicirclesPerRadian;
    return {Cos(phi) * Cos(lambda), Cos(phi) * Sin(lambda), Sin(phi)};
}

Vector_t::Vector_t(const Position_t& from, const Position_t& to) : from_(from) {
    const Unit_t a = ToUnitVector(from);
    const Unit_t b = ToUnitVector(to);
    const double cross = CrossLength(a, b);
    distance_ = DistanceOf(a, b, cross);
    bearing_ = BearingOf(a, b, cross);
}

double Distance(const Position_t& from, const Position_t& to) {
    return Distance(ToUnitVector(from), ToUnitVector(to));
}

double Distance(const UnitVector_t& from, const UnitVector_t& to) {
    return DistanceOf(from, to, CrossLength(from, to));
}

}  // namespace geo
