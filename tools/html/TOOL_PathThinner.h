#pragma once
// SVG path data of a line of positions, thinned for drawing: a point within about a pixel of
// the last one written is held back (only its place is compared, in semicircles, so most
// points of a long track cost two comparisons and no projection), and the last one held back
// is written when the line ends.
#include <cstdint>

#include "geo/GEO_Position.h"
#include "tools/html/TOOL_Mercator.h"
#include "tools/formats/TOOL_Xml.h"

namespace tool {

class PathThinner_t {
public:
    // decimals: of the pixels written (more for a line drawn for a zoomed map).
    PathThinner_t(XmlOut_t& xml, const Mercator_t& mercator, double tolerance_pixels, int decimals = 1);

    // Starts a new subpath.
    void Break() {
        Finish();
        have_ = false;
    }
    // keep: the point is written unless it falls on the last one written (a route's points).
    void Add(const geo::Position_t& p, bool keep = false) {
        if (have_ && !keep && p.latitude >= south_ && p.latitude <= north_ && Near(p.longitude)) {
            held_ = p;
            holding_ = true;
            return;
        }
        Write(p, keep);
    }
    // Writes the point held back, if any.
    void Finish() {
        if (holding_) Write(held_, false);
    }
    // Points written so far.
    std::uint64_t Written() const { return written_; }

private:
    bool Near(std::int32_t longitude) const {
        const std::int64_t d = static_cast<std::int32_t>(static_cast<std::uint32_t>(longitude) -
                                                         static_cast<std::uint32_t>(longitude_));
        return (d < 0 ? -d : d) <= longitude_tolerance_;
    }
    void Write(const geo::Position_t& p, bool keep);

    XmlOut_t& xml_;
    const Mercator_t& mercator_;
    double tolerance_;
    int decimals_;
    std::int64_t longitude_tolerance_;  // semicircles
    bool have_ = false, holding_ = false, line_ = false;
    geo::Position_t held_;
    std::int32_t longitude_ = 0;
    double south_ = 0, north_ = 0;  // semicircles
    double x_ = 0, y_ = 0;
    std::uint64_t written_ = 0;
};

}  // namespace tool
