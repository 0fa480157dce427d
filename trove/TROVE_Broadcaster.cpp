#include "trove/TROVE_Broadcaster.h"

#include "base/BASE_Exception.h"

namespace trove {

// Marks the broadcaster busy for one delivery; the end also comes when a listener throws, so
// that a failed delivery does not block every later one.
class Broadcaster_t::Delivery_t {
public:
    explicit Delivery_t(Broadcaster_t& owner) : owner_(owner) {
        if (owner_.busy_) throw base::Assert_t("TROVE_Broadcaster", __LINE__);
        owner_.busy_ = true;
        owner_.pending_additions_.clear();
        owner_.pending_removals_.clear();
    }
    Delivery_t(const Delivery_t&) = delete;
    Delivery_t& operator=(const Delivery_t&) = delete;
    ~Delivery_t() {
        owner_.busy_ = false;
        owner_.listeners_.insert(owner_.pending_additions_.begin(), owner_.pending_additions_.end());
        for (Listener_t* listener : owner_.pending_removals_) owner_.listeners_.erase(listener);
    }

private:
    Broadcaster_t& owner_;
};

template <class... Params, class... Args>
void Broadcaster_t::Deliver(void (Listener_t::*slot)(Params...), const Args&... args) {
    if (!enabled_) return;
    Delivery_t delivery(*this);
    for (Listener_t* listener : listeners_) (listener->*slot)(args...);
}

void Broadcaster_t::NotifyMapInserted(const Map_t& map) {
    Deliver(&Listener_t::OnMapInserted, map);
}
void Broadcaster_t::NotifyMapErased(const Map_t& map) {
    Deliver(&Listener_t::OnMapErased, map);
}
void Broadcaster_t::NotifySlot3() {
    Deliver(&Listener_t::OnSlot3);
}
void Broadcaster_t::NotifySlot7(std::uint32_t value) {
    Deliver(&Listener_t::OnSlot7, value);
}
void Broadcaster_t::NotifyRoute0Dropped() {
    Deliver(&Listener_t::OnRoute0Dropped);
}
void Broadcaster_t::NotifyRoute0Erased() {
    Deliver(&Listener_t::OnRoute0Erased);
}
void Broadcaster_t::NotifyRoute0Set(const Route0Entry_t& entry) {
    Deliver(&Listener_t::OnRoute0Set, entry);
}
void Broadcaster_t::NotifyRouteErased(const RouteId_t& id) {
    Deliver(&Listener_t::OnRouteErased, id);
}

void Broadcaster_t::NotifyRouteInserted(const RouteId_t& id, const Route_t& route) {
    Deliver(&Listener_t::OnRouteInserted, id, route);
}

void Broadcaster_t::NotifyTrackErased(const TrackId_t& id) {
    Deliver(&Listener_t::OnTrackErased, id);
}

void Broadcaster_t::NotifyTrackInserted(const TrackId_t& id, const Track_t& track) {
    Deliver(&Listener_t::OnTrackInserted, id, track);
}

void Broadcaster_t::NotifyWaypointErased(const WaypointId_t& id) {
    Deliver(&Listener_t::OnWaypointErased, id);
}

void Broadcaster_t::NotifyWaypointInserted(const WaypointId_t& id, const Waypoint_t& waypoint) {
    Deliver(&Listener_t::OnWaypointInserted, id, waypoint);
}

void Broadcaster_t::NotifyVolumeChanged(const Volume_t& volume) {
    Deliver(&Listener_t::OnVolumeChanged, volume);
}
void Broadcaster_t::NotifyChangesBegin() {
    Deliver(&Listener_t::OnChangesBegin);
}
void Broadcaster_t::NotifyChangesEnd(const ChangedKinds_t& kinds) {
    Deliver(&Listener_t::OnChangesEnd, kinds);
}

void Broadcaster_t::Add(Listener_t* listener) {
    BASE_ASSERT(listener != nullptr);
    if (busy_) {
        pending_removals_.erase(listener);
        pending_additions_.insert(listener);
    } else {
        listeners_.insert(listener);
    }
}

void Broadcaster_t::Remove(Listener_t* listener) {
    if (busy_) {
        pending_additions_.erase(listener);
        pending_removals_.insert(listener);
    } else {
        listeners_.erase(listener);
    }
}

}  // namespace trove
