#pragma once
// Track filters: what a track does with a point offered to it. The default filter passes
// every point straight into the track.
#include <array>
#include <cstdint>
#include <memory>

#include "trove/TROVE_TrackPoint.h"

namespace trove {

class Track_t;

class TrackFilterIntf_t {
public:
    virtual ~TrackFilterIntf_t() = default;
    virtual bool Filter(Track_t& track, const TrackPoint_t& point) = 0;
    virtual std::unique_ptr<TrackFilterIntf_t> Clone() const = 0;

protected:
    TrackFilterIntf_t() = default;
    TrackFilterIntf_t(const TrackFilterIntf_t&) = default;
    TrackFilterIntf_t& operator=(const TrackFilterIntf_t&) = default;
};

class TrackFilter_t : public TrackFilterIntf_t {
public:
    using Parameters_t = std::array<std::int32_t, 7>;

    explicit TrackFilter_t(const Parameters_t& filter_parameters) : parameters(filter_parameters) {}

    Parameters_t parameters;
};

class NullFilter_t : public TrackFilter_t {
public:
    NullFilter_t() : TrackFilter_t({1, 0, 0, 0, 0, 0, 0}) {}
    explicit NullFilter_t(const Parameters_t& filter_parameters) : TrackFilter_t(filter_parameters) {}

    // Appends the point to the track; returns false.
    bool Filter(Track_t& track, const TrackPoint_t& point) override;
    std::unique_ptr<TrackFilterIntf_t> Clone() const override;
};

}  // namespace trove
