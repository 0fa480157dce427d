#pragma once
// Web Mercator for the map of a data file: the smallest longitude arc holding the data (it may
// run across the 180-degree meridian) and the projection of that area onto a page, north up.
// Longitudes are unwrapped around the arc's middle, so such an area is drawn as one piece.
#include <array>
#include <cstddef>
#include <cstdint>

namespace tool {

// The smallest eastward arc holding every longitude added: the circle less the widest gap
// between the longitudes. Gaps are measured between exact values; only a gap inside one bin
// (a 4096th of the circle) goes unseen, which matters only for data all round the world.
class LongitudeArc_t {
public:
    void Add(std::int32_t longitude) {
        const std::uint32_t u = static_cast<std::uint32_t>(longitude);
        const std::size_t bin = u >> kShift;
        if (!used_[bin]) {
            used_[bin] = true;
            low_[bin] = high_[bin] = u;
            any_ = true;
        } else if (u < low_[bin]) {
            low_[bin] = u;
        } else if (u > high_[bin]) {
            high_[bin] = u;
        }
    }
    bool Empty() const { return !any_; }
    // The arc's west end and its eastward span, in semicircles; only when not empty.
    void Find(std::int32_t& west, std::uint32_t& span) const;

private:
    static constexpr int kShift = 20;
    static constexpr std::size_t kBins = std::size_t(1) << (32 - kShift);
    std::array<bool, kBins> used_{};
    std::array<std::uint32_t, kBins> low_{};
    std::array<std::uint32_t, kBins> high_{};
    bool any_ = false;
};

// Degrees from semicircles.
double ToDegrees(std::int32_t semicircles);
// An unwrapped longitude back into [-180, 180).
double WrapLongitude(double degrees);

// The area of the map, in degrees: west may be below -180 and east above 180 (unwrapped).
struct MapArea_t {
    double west, east, south, north;
};

// The projection of an area onto at most max_width x max_height pixels (margin included),
// the area padded a little and kept at least a few hundred metres wide.
class Mercator_t {
public:
    Mercator_t(const MapArea_t& area, double max_width, double max_height, double margin);

    // The page's size in pixels.
    double Width() const { return width_; }
    double Height() const { return height_; }
    // The area shown, padding included (west in [-180, 180)).
    const MapArea_t& Shown() const { return shown_; }
    // Pixels per degree of longitude.
    double Scale() const { return scale_; }
    // Metres on the ground per pixel, at the middle latitude of the map.
    double MetresPerPixel() const;

    // A longitude in semicircles unwrapped around the middle of the area, in degrees.
    double Unwrap(std::int32_t longitude) const;
    // Pixels from degrees (the longitude unwrapped), and from semicircles.
    double X(double unwrapped_degrees) const { return (unwrapped_degrees - shown_.west) * scale_ + left_; }
    double Y(double latitude_degrees) const;
    double XOf(std::int32_t longitude) const { return X(Unwrap(longitude)); }
    double YOf(std::int32_t latitude) const { return Y(ToDegrees(latitude)); }
    // The latitude in semicircles at pixel row y (for tests of nearness without projecting).
    double LatitudeAt(double y) const;

private:
    MapArea_t shown_;
    std::int32_t middle_;  // semicircles
    double middle_degrees_;
    double scale_, left_, top_, north_m_, width_, height_;
};

}  // namespace tool
