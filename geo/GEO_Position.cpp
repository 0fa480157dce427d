#include "geo/GEO_Position.h"

#include "base/BASE_Exception.h"

namespace geo {

void Position_t::RaiseBeyondPole() {
    throw base::OutOfRange_t("GEO_Position", 63);
}

}  // namespace geo
