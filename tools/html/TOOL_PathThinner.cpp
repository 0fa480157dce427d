#include "tools/html/TOOL_PathThinner.h"

#include <cmath>

#include "tools/html/TOOL_HtmlFormat.h"

namespace tool {

PathThinner_t::PathThinner_t(XmlOut_t& xml, const Mercator_t& mercator, double tolerance_pixels, int decimals)
    : xml_(xml),
      mercator_(mercator),
      tolerance_(tolerance_pixels),
      decimals_(decimals),
      longitude_tolerance_(
          static_cast<std::int64_t>(tolerance_pixels / mercator.Scale() * 2147483648.0 / 180.0)) {}

void PathThinner_t::Write(const geo::Position_t& p, bool keep) {
    holding_ = false;
    const double x = mercator_.XOf(p.longitude), y = mercator_.YOf(p.latitude);
    if (have_ && keep && std::fabs(x - x_) < 0.05 && std::fabs(y - y_) < 0.05) return;
    char text[40];
    char* at = text;
    if (!have_) {
        *at++ = 'M';
        line_ = false;
    } else if (!line_) {
        *at++ = 'L';
        line_ = true;
    } else {
        *at++ = ' ';
    }
    at = PutPixel(at, x, decimals_);
    *at++ = ' ';
    at = PutPixel(at, y, decimals_);
    xml_.Raw(std::string_view(text, static_cast<std::size_t>(at - text)));
    have_ = true;
    ++written_;
    x_ = x;
    y_ = y;
    longitude_ = p.longitude;
    south_ = mercator_.LatitudeAt(y + tolerance_);
    north_ = mercator_.LatitudeAt(y - tolerance_);
}

}  // namespace tool
