#pragma once
// Tells the registered listeners, in ascending order of their addresses, about each change.
// A delivery may not start while another one runs (base::Assert_t); listeners added or removed
// during a delivery join or leave when it ends.
#include <cstdint>
#include <set>

#include "trove/TROVE_ChangeKind.h"
#include "trove/TROVE_Listener.h"

namespace trove {

class Broadcaster_t {
public:
    Broadcaster_t() = default;
    Broadcaster_t(const Broadcaster_t&) = delete;
    Broadcaster_t& operator=(const Broadcaster_t&) = delete;
    virtual ~Broadcaster_t() = default;

    virtual void NotifyMapInserted(const Map_t& map);
    virtual void NotifyMapErased(const Map_t& map);
    virtual void NotifySlot3();
    virtual void NotifySlot7(std::uint32_t value);

    void NotifyRoute0Dropped();
    void NotifyRoute0Erased();
    void NotifyRoute0Set(const Route0Entry_t& entry);
    void NotifyRouteErased(const RouteId_t& id);
    void NotifyRouteInserted(const RouteId_t& id, const Route_t& route);
    void NotifyTrackErased(const TrackId_t& id);
    void NotifyTrackInserted(const TrackId_t& id, const Track_t& track);
    void NotifyWaypointErased(const WaypointId_t& id);
    void NotifyWaypointInserted(const WaypointId_t& id, const Waypoint_t& waypoint);
    void NotifyVolumeChanged(const Volume_t& volume);
    void NotifyChangesBegin();
    void NotifyChangesEnd(const ChangedKinds_t& kinds);

    // Not owned. During a delivery the change waits for the delivery's end.
    void Add(Listener_t* listener);
    void Remove(Listener_t* listener);

    // While disabled nothing is delivered.
    void Enable(bool enabled) { enabled_ = enabled; }
    bool IsEnabled() const { return enabled_; }
    bool IsBusy() const { return busy_; }
    const std::set<Listener_t*>& Listeners() const { return listeners_; }

private:
    class Delivery_t;
    template <class... Params, class... Args>
    void Deliver(void (Listener_t::*slot)(Params...), const Args&... args);

    bool busy_ = false;
    std::set<Listener_t*> listeners_;
    std::set<Listener_t*> pending_additions_;
    std::set<Listener_t*> pending_removals_;
    bool enabled_ = true;
};

}  // namespace trove
