#pragma once
// An area on the earth: a latitude band, a longitude arc running eastward from west to east
// (it may cross the 180-degree meridian) and an optional altitude range.
#include <cstdint>

#include "base/BASE_Optional.h"
#include "geo/GEO_Position.h"

namespace geo {

// The eastward arc from one longitude to another: their difference modulo 2^32.
inline std::uint32_t LongitudeArc(std::int32_t from, std::int32_t to) {
    return static_cast<std::uint32_t>(to) - static_cast<std::uint32_t>(from);
}

class Box_t {
public:
    // An empty box covers nothing.
    Box_t() = default;
    // Not normalised; the latitudes are checked as for a position.
    Box_t(std::int32_t north, std::int32_t south, std::int32_t east, std::int32_t west,
          const base::Optional_t<double>& max_altitude = base::Optional_t<double>(),
          const base::Optional_t<double>& min_altitude = base::Optional_t<double>());
    // The box spanned by two positions, normalised.
    Box_t(const Position_t& first, const Position_t& second);

    bool Empty() const noexcept { return empty_; }

    // Each raises base::OutOfRange_t on an empty box.
    std::int32_t North() const;
    std::int32_t South() const;
    std::int32_t East() const;
    std::int32_t West() const;
    const base::Optional_t<double>& MaxAltitude() const;
    const base::Optional_t<double>& MinAltitude() const;

    // Raise base::OutOfRange_t for a latitude beyond the poles.
    void SetNorth(std::int32_t latitude);
    void SetSouth(std::int32_t latitude);

    // The two corners as stored: (north, east, max altitude) and (south, west, min altitude).
    const Position_t& FirstCorner() const noexcept { return first_; }
    const Position_t& SecondCorner() const noexcept { return second_; }

    bool ContainsLongitude(std::int32_t longitude) const;
    bool Overlaps(const Box_t& other) const;
    // east - west modulo 2^32.
    std::uint32_t LongitudeSpan() const;
    // max - min when both altitudes are present.
    base::Optional_t<double> AltitudeSpan() const;

    // North above south, the shorter arc between the two longitudes, both altitudes or none.
    void Normalise();

    static Box_t Union(const Box_t& a, const Box_t& b);
    // Both the same as *this = Union(*this, box), the second for box = Box_t(a, b), but done
    // in place (and the second without making the box): tracks extend boxes twice a point.
    // A track's box mostly holds its segment's already, which is seen inline.
    void Extend(const Box_t& other) {
        if (!Holds(other)) Join(other);
    }
    void Extend(const Position_t& a, const Position_t& b);

    friend bool operator==(const Box_t& a, const Box_t& b) {
        if (a.empty_ || b.empty_) return a.empty_ == b.empty_;
        return a.first_ == b.first_ && a.second_ == b.second_;
    }
    friend bool operator!=(const Box_t& a, const Box_t& b) { return !(a == b); }

private:
    // Whether joining the arc from other_west to other_east to the arc from west to east leaves
    // the latter as it is: both of other's ends on it, and other not also over both of its ends
    // with ends of its own (the two together go all the way round).
    static bool ArcKeeps(std::int32_t west, std::int32_t east, std::int32_t other_west,
                         std::int32_t other_east) {
        const std::uint32_t span = LongitudeArc(west, east);
        if (LongitudeArc(west, other_east) > span || LongitudeArc(west, other_west) > span) return false;
        const std::uint32_t other_span = LongitudeArc(other_west, other_east);
        return (other_west == west && other_east == east) || LongitudeArc(other_west, west) > other_span ||
               LongitudeArc(other_west, east) > other_span;
    }
    // Whether Union(*this, other) is *this, member for member (false may also mean: not known
    // at a glance).
    bool Holds(const Box_t& other) const;
    // Union raises for latitudes beyond the poles (a box spanned by unchecked positions).
    bool HasValidLatitudes() const {
        return ValidLatitude(first_.latitude) && ValidLatitude(second_.latitude);
    }
    void Join(const Box_t& other);
    // Union(*this, b) in place, for a non-empty box and a non-empty b with these edges
    // (altitudes: whether b has both, and then its max and min). False, with nothing changed,
    // when the union would have a latitude beyond the poles: Union raises for that.
    bool JoinEdges(std::int32_t north, std::int32_t south, std::int32_t east, std::int32_t west,
                   bool altitudes, double max, double min);

    bool empty_ = true;
    Position_t first_;   // north, east, max altitude
    Position_t second_;  // south, west, min altitude
};

inline bool Box_t::Holds(const Box_t& other) const {
    if (other.empty_) return !empty_;
    if (empty_ || other.first_.latitude > first_.latitude || other.second_.latitude < second_.latitude ||
        !HasValidLatitudes()) {
        return false;
    }
    if (!ArcKeeps(second_.longitude, first_.longitude, other.second_.longitude, other.first_.longitude))
        return false;
    // std::max and std::min keep their first argument on ties and against NaN.
    const bool others = other.first_.altitude.Has() && other.second_.altitude.Has();
    if (first_.altitude.Has() && second_.altitude.Has()) {
        return !others || (!(*first_.altitude < *other.first_.altitude) &&
                           !(*other.second_.altitude < *second_.altitude));
    }
    return !first_.altitude.Has() && !second_.altitude.Has() && !others;
}

}  // namespace geo
