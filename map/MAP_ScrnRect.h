#pragma once
// A rectangle on the screen, in reals, as a drawing remembers where it was last shown.
#include <cstdint>

#include "base/BASE_Exception.h"

namespace map {

class ScrnRect_t {
public:
    ScrnRect_t() = default;
    // Raises base::Assert_t unless left <= right and top <= bottom.
    ScrnRect_t(int left_edge, int top_edge, int right_edge, int bottom_edge)
        : left(left_edge), top(top_edge), right(right_edge), bottom(bottom_edge) {
        if (!(left <= right)) throw base::Assert_t("MAP_ScrnRect", __LINE__);
        if (!(top <= bottom)) throw base::Assert_t("MAP_ScrnRect", __LINE__);
    }

    std::int32_t value = 0;
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

}  // namespace map
