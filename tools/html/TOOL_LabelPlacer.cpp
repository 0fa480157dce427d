#include "tools/html/TOOL_LabelPlacer.h"

#include <algorithm>
#include <cmath>

namespace tool {

LabelPlacer_t::LabelPlacer_t(double width, double height)
    : width_(width),
      height_(height),
      columns_(static_cast<std::size_t>(std::ceil(width / kCell)) + 1),
      rows_(static_cast<std::size_t>(std::ceil(height / kCell)) + 1),
      cells_(columns_ * rows_) {}

LabelPlacer_t::Cells_t LabelPlacer_t::CellsOf(const Box_t& box) const {
    auto column = [&](double x) {
        return std::min(columns_ - 1, static_cast<std::size_t>(std::max(0.0, x) / kCell));
    };
    auto row = [&](double y) {
        return std::min(rows_ - 1, static_cast<std::size_t>(std::max(0.0, y) / kCell));
    };
    return Cells_t{column(box.x0), column(box.x1), row(box.y0), row(box.y1)};
}

bool LabelPlacer_t::Free(const Box_t& box) const {
    if (box.x0 < 0 || box.y0 < 0 || box.x1 > width_ || box.y1 > height_) return false;
    const Cells_t cells = CellsOf(box);
    for (std::size_t r = cells.row0; r <= cells.row1; ++r) {
        for (std::size_t c = cells.column0; c <= cells.column1; ++c) {
            const std::vector<Box_t>& boxes = cells_[r * columns_ + c];
            if (boxes.size() >= kCrowded) return false;
            for (const Box_t& b : boxes)
                if (b.x0 < box.x1 && box.x0 < b.x1 && b.y0 < box.y1 && box.y0 < b.y1) return false;
        }
    }
    return true;
}

void LabelPlacer_t::Add(const Box_t& box) {
    const Cells_t cells = CellsOf(box);
    for (std::size_t r = cells.row0; r <= cells.row1; ++r) {
        for (std::size_t c = cells.column0; c <= cells.column1; ++c) {
            std::vector<Box_t>& boxes = cells_[r * columns_ + c];
            if (boxes.size() < kCrowded) boxes.push_back(box);
        }
    }
}

void LabelPlacer_t::AddMarker(double x, double y, double radius) {
    Add(Box_t{x - radius, y - radius, x + radius, y + radius});
}

LabelPlacer_t::Box_t LabelPlacer_t::BoxAt(int place, double x, double y, double radius, double width,
                                          double height, LabelSpot_t& spot) {
    const double gap = radius + 2;
    const double descent = height * 0.25;  // below the baseline
    // Right, left, above, below, then the four corners.
    struct Candidate_t {
        double ax, ay;  // the anchor, from the marker
        const char* anchor;
    };
    const Candidate_t candidates[kPlaces] = {
        {gap, height / 2 - descent, "start"},
        {-gap, height / 2 - descent, "end"},
        {0, -gap - descent, "middle"},
        {0, gap + height - descent, "middle"},
        {gap * 0.7, -gap * 0.7 - descent, "start"},
        {gap * 0.7, gap * 0.7 + height - descent, "start"},
        {-gap * 0.7, -gap * 0.7 - descent, "end"},
        {-gap * 0.7, gap * 0.7 + height - descent, "end"},
    };
    const Candidate_t& c = candidates[place];
    const double ax = x + c.ax, baseline = y + c.ay;
    const double x0 = c.anchor[0] == 's' ? ax : c.anchor[0] == 'e' ? ax - width : ax - width / 2;
    spot.x = ax;
    spot.y = baseline;
    spot.anchor = c.anchor;
    spot.place = place;
    return Box_t{x0, baseline + descent - height, x0 + width, baseline + descent};
}

bool LabelPlacer_t::Place(double x, double y, double radius, double width, double height, LabelSpot_t& spot) {
    for (int place = 0; place < kPlaces; ++place) {
        const Box_t box = BoxAt(place, x, y, radius, width, height, spot);
        if (!Free(box)) continue;
        Add(box);
        return true;
    }
    return false;
}

void LabelPlacer_t::Keep(double x, double y, double radius, double width, double height,
                         const LabelSpot_t& spot) {
    LabelSpot_t ignored;
    Add(BoxAt(spot.place, x, y, radius, width, height, ignored));
}

}  // namespace tool
