#pragma once
// The parts a track is drawn in: one, cut where the track crosses the antimeridian, as the
// tool's GeoJSON draws it (the file's storage segments are no parts). Track points are numbered
// along these parts.
#include <cstddef>
#include <optional>
#include <vector>

#include "model/MODEL_File.h"

namespace gdal {

class TrackParts_t {
public:
    explicit TrackParts_t(const model::File_t& file) : file_(file) {}

    struct Place_t {
        std::size_t part;   // 0 for the first part
        std::size_t point;  // 0 for the part's first point of the track's own
    };

    // Where the point numbered number along the track at index track lies.
    Place_t Of(std::size_t track, std::size_t number);

private:
    // The numbers of the points that open a part after the first, built on first use.
    const std::vector<std::size_t>& Starts(std::size_t track);

    const model::File_t& file_;
    std::vector<std::optional<std::vector<std::size_t>>> starts_;
};

}  // namespace gdal
