#include "model/MODEL_Extent.h"

#include <algorithm>

namespace model {

namespace {

// A longitude into -2^31 to 2^31 - 1. Nearly every longitude is there already: the division
// is left to the few that are not.
std::int64_t Wrapped(std::int64_t longitude) {
    if (longitude >= -kHalfTurn && longitude < kHalfTurn) return longitude;
    return ((longitude + kHalfTurn) % kTurn + kTurn) % kTurn - kHalfTurn;
}

// How far east from `from` to `to` (both wrapped), 0 to 2^32 - 1.
std::int64_t EastOf(std::int64_t from, std::int64_t to) {
    const std::int64_t east = to - from;
    return east < 0 ? east + kTurn : east;
}

}  // namespace

void Extent_t::AddLatitude(std::int32_t latitude) {
    south_ = std::min(south_, latitude);
    north_ = std::max(north_, latitude);
}

void Extent_t::AddLongitude(std::int64_t longitude) {
    min_longitude_ = std::min(min_longitude_, longitude);
    max_longitude_ = std::max(max_longitude_, longitude);
}

void Extent_t::AddPoint(const Point_t& p) {
    AddLatitude(p.latitude);
    AddLongitude(p.longitude);
    AddArc(Wrapped(p.longitude), 0);
}

void Extent_t::AddLinePoint(const Point_t& p) {
    AddLatitude(p.latitude);
    AddLongitude(p.longitude);
    if (!in_line_) {
        in_line_ = true;
        line_last_ = line_min_ = line_max_ = p.longitude;
        return;
    }
    // line_last_ is unwrapped: the step is measured from where it lies on the circle.
    std::int64_t step = p.longitude - Wrapped(line_last_);
    if (step > kHalfTurn) step -= kTurn;
    if (step < -kHalfTurn) step += kTurn;
    line_last_ += step;
    line_min_ = std::min(line_min_, line_last_);
    line_max_ = std::max(line_max_, line_last_);
}

void Extent_t::EndLine() {
    if (!in_line_) return;
    in_line_ = false;
    AddArc(Wrapped(line_min_), std::min(line_max_ - line_min_, kTurn));
}

void Extent_t::Add(const Extent_t& other) {
    if (other.Empty()) return;
    AddLatitude(other.south_);
    AddLatitude(other.north_);
    AddLongitude(other.min_longitude_);
    AddLongitude(other.max_longitude_);
    if (other.has_arc_) AddArc(other.west_, other.width_);
}

void Extent_t::AddArc(std::int64_t west, std::int64_t width) {
    // Most points of a line or a table fall inside what is there: nothing changes then.
    if (has_arc_ && width == 0 && EastOf(west_, west) <= width_) return;
    if (!has_arc_) {
        has_arc_ = true;
        west_ = west;
        width_ = width;
    } else {
        // Of the arc from our west edge and the one from theirs, each wide enough for both,
        // the narrower.
        const std::int64_t from_ours = std::max(width_, EastOf(west_, west) + width);
        const std::int64_t from_theirs = std::max(width, EastOf(west, west_) + width_);
        if (from_theirs < from_ours) {
            west_ = west;
            width_ = from_theirs;
        } else {
            width_ = from_ours;
        }
    }
    if (width_ >= kTurn) {
        west_ = -kHalfTurn;
        width_ = kTurn;
    }
}

std::int64_t Extent_t::West() const {
    return west_;
}

std::int64_t Extent_t::East() const {
    const std::int64_t east = west_ + width_;
    return east > kHalfTurn ? east - kTurn : east;
}

}  // namespace model
