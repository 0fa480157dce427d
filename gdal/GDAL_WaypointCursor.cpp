#include "gdal/GDAL_WaypointCursor.h"

namespace gdal {

namespace {

constexpr int kAhead = 8;

}  // namespace

model::Waypoint_t WaypointCursor_t::At(std::size_t index) {
    const trove::WaypointTable_t& table = file_.Database().waypoints;
    if (index == 0) {
        next_ = ahead_ = table.begin();
        next_index_ = 0;
        for (int i = 0; i < kAhead && ahead_ != table.end(); ++i) ++ahead_;
    }
    if (index != next_index_ || next_ == table.end()) return file_.WaypointAt(index);
    if (ahead_ != table.end()) {
        model::walk_detail::PrefetchBytes(&*ahead_);
        model::walk_detail::PrefetchTexts(ahead_->second);
        ++ahead_;
    }
    const auto& entry = *next_++;
    ++next_index_;
    return model::Waypoint_t{entry.first, entry.second};
}

}  // namespace gdal
