#include "tools/html/TOOL_Mercator.h"

#include <algorithm>
#include <cmath>

namespace tool {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegreesPerSemicircle = 180.0 / 2147483648.0;
// Web Mercator stops here, where the map becomes square.
constexpr double kMaxLatitude = 85.0511287798;
// The least extent shown, in degrees: a single waypoint still gets some surroundings.
constexpr double kMinExtent = 0.01;

double Merc(double latitude_degrees) {
    const double phi = std::clamp(latitude_degrees, -kMaxLatitude, kMaxLatitude) * kPi / 180.0;
    return std::log(std::tan(kPi / 4 + phi / 2));
}

}  // namespace

void LongitudeArc_t::Find(std::int32_t& west, std::uint32_t& span) const {
    // The widest step from one used bin's highest value to the next used bin's lowest (round
    // the circle) is the gap the data leaves; the arc starts after it.
    std::size_t first = kBins, last = 0, before = 0, after = 0;
    std::uint32_t widest = 0;
    for (std::size_t bin = 0; bin < kBins; ++bin) {
        if (!used_[bin]) continue;
        if (first == kBins) {
            first = bin;
        } else if (static_cast<std::uint32_t>(low_[bin] - high_[last]) >= widest) {
            widest = low_[bin] - high_[last];
            before = last;
            after = bin;
        }
        last = bin;
    }
    if (first == last) {
        west = static_cast<std::int32_t>(low_[first]);
        span = high_[first] - low_[first];
        return;
    }
    if (static_cast<std::uint32_t>(low_[first] - high_[last]) >= widest) {
        before = last;
        after = first;
    }
    west = static_cast<std::int32_t>(low_[after]);
    span = high_[before] - low_[after];
}

double ToDegrees(std::int32_t semicircles) {
    return semicircles * kDegreesPerSemicircle;
}

Mercator_t::Mercator_t(const MapArea_t& area, double max_width, double max_height, double margin) {
    double west = area.west, east = area.east;
    double south = std::max(area.south, -kMaxLatitude), north = std::min(area.north, kMaxLatitude);
    const double pad_x = std::max((east - west) * 0.04, kMinExtent / 2);
    const double pad_y = std::max((north - south) * 0.04, kMinExtent / 2);
    west -= pad_x;
    east += pad_x;
    south = std::max(south - pad_y, -kMaxLatitude);
    north = std::min(north + pad_y, kMaxLatitude);
    if (east - west > 360) {
        const double middle = (east + west) / 2;
        west = middle - 180;
        east = middle + 180;
    }
    // West back into [-180, 180), east keeping the width.
    const double shift = std::floor((west + 180) / 360) * 360;
    west -= shift;
    east -= shift;
    shown_ = MapArea_t{west, east, south, north};
    const double middle = (west + east) / 2;
    middle_degrees_ = middle;
    middle_ = static_cast<std::int32_t>(
        std::lround((middle >= 180 ? middle - 360 : middle) / kDegreesPerSemicircle));

    // Pixels per radian of the projection; x and y share it, so the map is true to shape.
    north_m_ = Merc(north);
    const double span_x = (east - west) * kPi / 180;
    const double span_y = north_m_ - Merc(south);
    const double inner_w = max_width - 2 * margin, inner_h = max_height - 2 * margin;
    const double per_radian = std::min(inner_w / span_x, span_y > 0 ? inner_h / span_y : inner_w / span_x);
    scale_ = per_radian * kPi / 180;
    width_ = std::ceil(span_x * per_radian + 2 * margin);
    height_ = std::ceil(span_y * per_radian + 2 * margin);
    left_ = (width_ - span_x * per_radian) / 2;
    top_ = (height_ - span_y * per_radian) / 2;
}

double WrapLongitude(double degrees) {
    return degrees - std::floor((degrees + 180) / 360) * 360;
}

double Mercator_t::MetresPerPixel() const {
    const double middle = (shown_.north + shown_.south) / 2 * kPi / 180;
    return 2 * kPi * 6378137.0 / 360 * std::cos(middle) / scale_;
}

double Mercator_t::Unwrap(std::int32_t longitude) const {
    const std::int32_t offset = static_cast<std::int32_t>(static_cast<std::uint32_t>(longitude) -
                                                          static_cast<std::uint32_t>(middle_));
    return middle_degrees_ + offset * kDegreesPerSemicircle;
}

double Mercator_t::Y(double latitude_degrees) const {
    return top_ + (north_m_ - Merc(latitude_degrees)) * scale_ * 180 / kPi;
}

double Mercator_t::LatitudeAt(double y) const {
    const double m = north_m_ - (y - top_) / (scale_ * 180 / kPi);
    return std::atan(std::sinh(m)) * 180 / kPi / kDegreesPerSemicircle;
}

}  // namespace tool
