#include "geo/GEO_Box.h"

#include <algorithm>
#include <utility>

namespace geo {

namespace {

// Whether the arc running eastward from west to east holds the longitude (its ends included).
bool Covers(std::int32_t west, std::int32_t east, std::int32_t longitude) {
    return LongitudeArc(west, longitude) < LongitudeArc(east, longitude) || longitude == east;
}

// The arc a union of the arcs a and b spans.
void JoinArcs(std::int32_t aw, std::int32_t ae, std::int32_t bw, std::int32_t be, std::int32_t& west,
              std::int32_t& east) {
    const bool a_has_be = Covers(aw, ae, be);
    const bool a_has_bw = Covers(aw, ae, bw);
    const bool b_has_ae = Covers(bw, be, ae);
    const bool b_has_aw = Covers(bw, be, aw);
    if (a_has_be && a_has_bw && b_has_ae && b_has_aw) {
        if (aw == ae && ae == bw && bw == be) {
            east = west = aw;
        } else if (aw == bw && ae == be) {
            east = ae;
            west = aw;
        } else {
            // Each covers the other's ends but they differ: together they go all the way round.
            east = 0x7FFFFFFF;
            west = static_cast<std::int32_t>(0x80000000u);
        }
    } else if (a_has_be || a_has_bw || b_has_ae || b_has_aw) {
        // Overlapping.
        const std::uint32_t span = LongitudeArc(aw, ae);
        west = LongitudeArc(bw, ae) > span ? bw : aw;
        east = LongitudeArc(aw, be) > span ? be : ae;
    } else if (LongitudeArc(ae, bw) < LongitudeArc(be, aw)) {
        // Disjoint: bridge the smaller gap.
        west = aw;
        east = be;
    } else {
        west = bw;
        east = ae;
    }
}

}  // namespace

Box_t::Box_t(std::int32_t north, std::int32_t south, std::int32_t east, std::int32_t west,
             const base::Optional_t<double>& max_altitude, const base::Optional_t<double>& min_altitude)
    : empty_(false), first_(north, east, max_altitude), second_(south, west, min_altitude) {}

Box_t::Box_t(const Position_t& first, const Position_t& second)
    : empty_(false), first_(first), second_(second) {
    Normalise();
}

std::int32_t Box_t::North() const {
    if (empty_) throw base::OutOfRange_t("GEO_Box", 170);
    return first_.latitude;
}

std::int32_t Box_t::South() const {
    if (empty_) throw base::OutOfRange_t("GEO_Box", 184);
    return second_.latitude;
}

std::int32_t Box_t::East() const {
    if (empty_) throw base::OutOfRange_t("GEO_Box", 226);
    return first_.longitude;
}

std::int32_t Box_t::West() const {
    if (empty_) throw base::OutOfRange_t("GEO_Box", 240);
    return second_.longitude;
}

const base::Optional_t<double>& Box_t::MaxAltitude() const {
    if (empty_) throw base::OutOfRange_t("GEO_Box", 254);
    return first_.altitude;
}

const base::Optional_t<double>& Box_t::MinAltitude() const {
    if (empty_) throw base::OutOfRange_t("GEO_Box", 268);
    return second_.altitude;
}

void Box_t::SetNorth(std::int32_t latitude) {
    if (!ValidLatitude(latitude)) throw base::OutOfRange_t("GEO_Position", 130);
    first_.latitude = latitude;
}

void Box_t::SetSouth(std::int32_t latitude) {
    if (!ValidLatitude(latitude)) throw base::OutOfRange_t("GEO_Position", 130);
    second_.latitude = latitude;
}

bool Box_t::ContainsLongitude(std::int32_t longitude) const {
    if (empty_) return false;
    return LongitudeArc(West(), longitude) < LongitudeArc(East(), longitude) || longitude == East();
}

bool Box_t::Overlaps(const Box_t& other) const {
    if (empty_ || other.empty_) return false;
    return ContainsLongitude(other.East()) || ContainsLongitude(other.West()) ||
           other.ContainsLongitude(East()) || other.ContainsLongitude(West());
}

std::uint32_t Box_t::LongitudeSpan() const {
    const std::int32_t west = West();  // an empty box reports the west edge
    return LongitudeArc(west, first_.longitude);
}

base::Optional_t<double> Box_t::AltitudeSpan() const {
    const base::Optional_t<double>& low = MinAltitude();
    if (!first_.altitude.Has() || !low.Has()) return base::Optional_t<double>();
    return *first_.altitude - *low;
}

void Box_t::Normalise() {
    if (empty_) return;
    if (first_.latitude < second_.latitude) std::swap(first_.latitude, second_.latitude);
    // Keep the shorter of the two arcs; on a tie (half the circle) leave the ends as they are.
    if (LongitudeArc(first_.longitude, second_.longitude) <
        LongitudeArc(second_.longitude, first_.longitude)) {
        std::swap(first_.longitude, second_.longitude);
    }
    if (first_.altitude.Has() != second_.altitude.Has()) {
        first_.altitude.Reset();
        second_.altitude.Reset();
    } else if (first_.altitude.Has() && *first_.altitude < *second_.altitude) {
        std::swap(first_.altitude, second_.altitude);
    }
}

Box_t Box_t::Union(const Box_t& a, const Box_t& b) {
    if (a.empty_) return b;
    if (b.empty_) return a;

    // Track statistics take two unions per point: both boxes are known not empty here, so
    // the corners are read directly instead of through the checked accessors.
    const std::int32_t north = std::max(a.first_.latitude, b.first_.latitude);
    const std::int32_t south = std::min(a.second_.latitude, b.second_.latitude);

    std::int32_t east = 0;
    std::int32_t west = 0;
    JoinArcs(a.second_.longitude, a.first_.longitude, b.second_.longitude, b.first_.longitude, west, east);

    const base::Optional_t<double>& a_max = a.first_.altitude;
    const base::Optional_t<double>& a_min = a.second_.altitude;
    const base::Optional_t<double>& b_max = b.first_.altitude;
    const base::Optional_t<double>& b_min = b.second_.altitude;
    const bool a_altitudes = a_max.Has() && a_min.Has();
    const bool b_altitudes = b_max.Has() && b_min.Has();
    if (a_altitudes && b_altitudes) {
        return Box_t(north, south, east, west, std::max(*a_max, *b_max), std::min(*a_min, *b_min));
    }
    if (a_altitudes) return Box_t(north, south, east, west, a_max, a_min);
    if (b_altitudes) return Box_t(north, south, east, west, b_max, b_min);
    return Box_t(north, south, east, west);
}

bool Box_t::JoinEdges(std::int32_t north, std::int32_t south, std::int32_t east, std::int32_t west,
                      bool altitudes, double max, double min) {
    const std::int32_t new_north = std::max(first_.latitude, north);
    const std::int32_t new_south = std::min(second_.latitude, south);
    if (!ValidLatitude(new_north) || !ValidLatitude(new_south)) return false;
    first_.latitude = new_north;
    second_.latitude = new_south;
    // Mostly b's ends both lie on this arc, which then stays.
    const std::int32_t own_west = second_.longitude;
    const std::int32_t own_east = first_.longitude;
    if (!ArcKeeps(own_west, own_east, west, east))
        JoinArcs(own_west, own_east, west, east, second_.longitude, first_.longitude);

    base::Optional_t<double>& own_max = first_.altitude;
    base::Optional_t<double>& own_min = second_.altitude;
    if (own_max.Has() && own_min.Has()) {
        if (altitudes) {
            own_max = std::max(*own_max, max);
            own_min = std::min(*own_min, min);
        }
    } else if (altitudes) {
        own_max = max;
        own_min = min;
    } else {
        own_max.Reset();
        own_min.Reset();
    }
    return true;
}

void Box_t::Join(const Box_t& other) {
    if (empty_ || other.empty_) {
        if (empty_) *this = other;
        return;
    }
    const bool altitudes = other.first_.altitude.Has() && other.second_.altitude.Has();
    if (!JoinEdges(other.first_.latitude, other.second_.latitude, other.first_.longitude,
                   other.second_.longitude, altitudes, altitudes ? *other.first_.altitude : 0.0,
                   altitudes ? *other.second_.altitude : 0.0)) {
        *this = Union(*this, other);
    }
}

void Box_t::Extend(const Position_t& a, const Position_t& b) {
    if (empty_) {
        *this = Box_t(a, b);
        return;
    }
    // The edges Box_t(a, b) gets from Normalise.
    const bool swap = LongitudeArc(a.longitude, b.longitude) < LongitudeArc(b.longitude, a.longitude);
    const bool altitudes = a.altitude.Has() && b.altitude.Has();
    double max = 0.0;
    double min = 0.0;
    if (altitudes) {
        const bool rise = *a.altitude < *b.altitude;
        max = rise ? *b.altitude : *a.altitude;
        min = rise ? *a.altitude : *b.altitude;
    }
    if (!JoinEdges(std::max(a.latitude, b.latitude), std::min(a.latitude, b.latitude),
                   swap ? b.longitude : a.longitude, swap ? a.longitude : b.longitude, altitudes, max, min)) {
        *this = Union(*this, Box_t(a, b));
    }
}

}  // namespace geo
