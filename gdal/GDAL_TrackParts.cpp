#include "gdal/GDAL_TrackParts.h"

#include <algorithm>

#include "model/MODEL_Antimeridian.h"

namespace gdal {

const std::vector<std::size_t>& TrackParts_t::Starts(std::size_t track) {
    if (starts_.empty()) starts_.resize(file_.Count(model::LayerId_t::Tracks));
    std::optional<std::vector<std::size_t>>& starts = starts_.at(track);
    if (!starts) {
        starts.emplace();
        model::AntimeridianCut_t cutter;
        model::Point_t leave, enter;
        std::size_t number = 0;
        model::ForEachTrackPoint(file_.TrackAt(track).body, [&](const trove::TrackPoint_t& p) {
            if (cutter.Next(model::MakePoint(p.position, p.time), leave, enter)) starts->push_back(number);
            ++number;
        });
    }
    return *starts;
}

TrackParts_t::Place_t TrackParts_t::Of(std::size_t track, std::size_t number) {
    const std::vector<std::size_t>& starts = Starts(track);
    const auto after = std::upper_bound(starts.begin(), starts.end(), number);
    const std::size_t part = static_cast<std::size_t>(after - starts.begin());
    return Place_t{part, part == 0 ? number : number - starts[part - 1]};
}

}  // namespace gdal
