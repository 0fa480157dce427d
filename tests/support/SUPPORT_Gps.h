#pragma once
// Small builders of database keys and records, and a listener that writes down what it hears.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "trove/TROVE_Database.h"
#include "trove/TROVE_Listener.h"

namespace support {

inline trove::WaypointId_t WptId(const std::string& name, std::int32_t id_class = 0) {
    trove::WaypointId_t id;
    id.name = trove::Name_t(name);
    id.id_class = id_class;
    return id;
}

inline trove::Waypoint_t Wpt(const std::string& text_1 = std::string()) {
    trove::Waypoint_t waypoint;
    waypoint.text_1 = text_1;
    return waypoint;
}

inline trove::RouteId_t RteId(const std::string& name, std::uint8_t generated = 0) {
    return trove::RouteId_t(trove::Name_t(name), generated);
}

// A route through the given waypoint keys, in order.
inline trove::Route_t Rte(std::initializer_list<trove::WaypointId_t> points) {
    trove::Route_t route;
    for (const trove::WaypointId_t& id : points) {
        trove::RouteWaypoint_t point;
        point.waypoint = id;
        route.route_points.push_back(point);
    }
    return route;
}

inline trove::TrackId_t TrkId(const std::string& name) {
    return trove::TrackId_t(trove::Name_t(name));
}

inline trove::Map_t MapOf(std::uint32_t map_value, std::uint32_t map_number, const std::string& name) {
    trove::Map_t map;
    map.map_value = map_value;
    map.map_number = map_number;
    map.name = name;
    return map;
}

// Writes one line per notification, e.g. "begin", "wpt+ A", "end 000011".
class RecordingListener_t : public trove::Listener_t {
public:
    explicit RecordingListener_t(std::vector<std::string>& log) : log_(log) {}

    void OnMapInserted(const trove::Map_t& map) override { log_.push_back("map+ " + map.name); }
    void OnMapErased(const trove::Map_t& map) override { log_.push_back("map- " + map.name); }
    void OnSlot3() override { log_.push_back("slot3"); }
    void OnRoute0Dropped() override { log_.push_back("rt0 dropped"); }
    void OnRoute0Erased() override { log_.push_back("rt0-"); }
    void OnRoute0Set(const trove::Route0Entry_t& entry) override {
        log_.push_back("rt0+ " + entry.route.name.text);
    }
    void OnSlot7(std::uint32_t value) override { log_.push_back("slot7 " + std::to_string(value)); }
    void OnRouteErased(const trove::RouteId_t& id) override { log_.push_back("rte- " + id.name.text); }
    void OnRouteInserted(const trove::RouteId_t& id, const trove::Route_t&) override {
        log_.push_back("rte+ " + id.name.text);
    }
    void OnTrackErased(const trove::TrackId_t& id) override { log_.push_back("trk- " + id.text); }
    void OnTrackInserted(const trove::TrackId_t& id, const trove::Track_t&) override {
        log_.push_back("trk+ " + id.text);
    }
    void OnWaypointErased(const trove::WaypointId_t& id) override { log_.push_back("wpt- " + id.name.text); }
    void OnWaypointInserted(const trove::WaypointId_t& id, const trove::Waypoint_t&) override {
        log_.push_back("wpt+ " + id.name.text);
    }
    void OnVolumeChanged(const trove::Volume_t& volume) override {
        log_.push_back("vol " + volume.volume_text);
    }
    void OnChangesBegin() override { log_.push_back("begin"); }
    void OnChangesEnd(const trove::ChangedKinds_t& kinds) override {
        log_.push_back("end " + kinds.to_string());
    }

private:
    std::vector<std::string>& log_;
};

}  // namespace support
