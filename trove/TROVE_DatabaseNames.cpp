// The naming operations of the database: unique names for clashing keys and automatic route
// names.
#include <algorithm>
#include <cstdio>
#include <string>

#include "base/BASE_Exception.h"
#include "base/BASE_Locale.h"
#include "base/BASE_MBString.h"
#include "base/BASE_StringResource.h"
#include "trove/TROVE_Database.h"

namespace trove {

namespace {

constexpr std::uint32_t kRouteNameText = 5089;
constexpr std::uint32_t kRouteFromToText = 5090;

std::string ThreeDigits(std::uint32_t number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03lu", static_cast<unsigned long>(number));
    return digits;
}

bool SameRouteKey(const RouteId_t& a, const RouteId_t& b) {
    return !(a < b) && !(b < a);
}

}  // namespace

void Database_t::MakeUniqueRouteName(RouteId_t& id) {
    const std::string base = id.name.text;
    do {
        id.name.text = base + ' ' + std::to_string(route_name_counter_++);
        id.generated_name = 0;
    } while (routes.Holds(id));
}

void Database_t::MakeUniqueTrackName(TrackId_t& id) {
    const std::string base = id.text;
    do {
        id.text = base + ' ' + ThreeDigits(track_name_counter_++);
    } while (tracks.Holds(id));
}

void Database_t::MakeUniqueWaypointName(WaypointId_t& id) {
    const std::string base = id.name.text.empty() ? std::string()
                                                  : base::CharSubstring(id.name.text, 0, max_name_length_ - 3,
                                                                        base::SystemLocale());
    do {
        id.name.text = base + ThreeDigits(waypoint_name_counter_++);
    } while (waypoints.Holds(id));
}

RouteId_t Database_t::DefaultRouteName(const Route_t& route, const RouteId_t* current) const {
    std::string text;
    if (route.route_points.empty()) {
        text = base::StringResource_t(kRouteNameText, TROVIX_SOURCE, __LINE__).text;
    } else {
        text = base::StringResource_t(kRouteFromToText, TROVIX_SOURCE, __LINE__)
                   .Format({route.route_points.front().waypoint.name.text,
                            route.route_points.back().waypoint.name.text},
                           TROVIX_SOURCE, __LINE__);
    }
    RouteId_t id(trove::Name_t(text), 1);
    std::uint32_t* known = growing_ && current == nullptr ? &route_numbers_[text] : nullptr;
    std::uint32_t number = known ? *known : 0;
    if (number != 0) id.name.text = text + ' ' + std::to_string(number);
    while (routes.Holds(id) && !(current != nullptr && SameRouteKey(id, *current))) {
        id.name.text = text + ' ' + std::to_string(++number);
    }
    if (known) *known = number;
    return id;
}

void UniqueWaypointName(WaypointId_t& id, const std::vector<Database_t*>& databases) {
    BASE_ASSERT(!databases.empty());
    for (const Database_t* database : databases) BASE_ASSERT(database != nullptr);
    if (id.name.text.empty()) {
        databases.front()->MakeUniqueWaypointName(id);
        return;
    }
    std::uint32_t length = databases.front()->MaxNameLength();
    for (const Database_t* database : databases) length = std::min(length, database->MaxNameLength());
    const std::string name = id.name.text;
    std::string suffix;
    std::uint32_t counter = 1;
    for (;;) {
        const std::size_t count = length > suffix.size() ? length - suffix.size() : 0;
        id.name.text = base::CharSubstring(name, 0, count, base::SystemLocale()) + suffix;
        const bool held = std::any_of(databases.begin(), databases.end(), [&id](const Database_t* database) {
            return database->waypoints.Holds(id);
        });
        if (!held) return;
        suffix = std::to_string(counter++);
    }
}

}  // namespace trove
