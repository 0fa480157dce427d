#include "trove/TROVE_Broadcaster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "base/BASE_Exception.h"
#include "support/SUPPORT_Gps.h"
#include "trove/TROVE_Route0.h"
#include "trove/TROVE_Volume.h"

namespace {

using support::RecordingListener_t;

// A listener that runs a chosen action when a change set begins.
class HookListener_t : public trove::Listener_t {
public:
    HookListener_t(std::vector<const trove::Listener_t*>& order) : order_(order) {}
    void OnChangesBegin() override {
        order_.push_back(this);
        if (hook) hook();
    }
    std::function<void()> hook;

private:
    std::vector<const trove::Listener_t*>& order_;
};

TEST(Broadcaster, WithoutListenersDeliversNothingAndStaysIdle) {
    trove::Broadcaster_t broadcaster;
    broadcaster.NotifyChangesBegin();
    broadcaster.NotifySlot7(3);
    EXPECT_FALSE(broadcaster.IsBusy());
    EXPECT_TRUE(broadcaster.IsEnabled());
}

TEST(Broadcaster, EachDeliveryReachesItsSlotWithItsArguments) {
    std::vector<std::string> log;
    RecordingListener_t listener(log);
    trove::Broadcaster_t broadcaster;
    broadcaster.Add(&listener);

    trove::Route0Entry_t entry;
    entry.route = support::RteId("R");
    trove::Volume_t volume;
    volume.volume_text = "V";
    trove::ChangedKinds_t kinds;
    kinds.set(trove::kTrackKind);

    broadcaster.NotifyChangesBegin();
    broadcaster.NotifyMapInserted(support::MapOf(1, 2, "M"));
    broadcaster.NotifyMapErased(support::MapOf(1, 2, "M"));
    broadcaster.NotifySlot3();
    broadcaster.NotifySlot7(42);
    broadcaster.NotifyRoute0Set(entry);
    broadcaster.NotifyRoute0Erased();
    broadcaster.NotifyRoute0Dropped();
    broadcaster.NotifyRouteInserted(support::RteId("R"), trove::Route_t());
    broadcaster.NotifyRouteErased(support::RteId("R"));
    broadcaster.NotifyTrackInserted(support::TrkId("T"), trove::Track_t());
    broadcaster.NotifyTrackErased(support::TrkId("T"));
    broadcaster.NotifyWaypointInserted(support::WptId("W"), trove::Waypoint_t());
    broadcaster.NotifyWaypointErased(support::WptId("W"));
    broadcaster.NotifyVolumeChanged(volume);
    broadcaster.NotifyChangesEnd(kinds);

    const std::vector<std::string> expected = {
        "begin",  "map+ M", "map- M", "slot3",  "slot7 42", "rt0+ R", "rt0-",  "rt0 dropped",
        "rte+ R", "rte- R", "trk+ T", "trk- T", "wpt+ W",   "wpt- W", "vol V", "end 000100"};
    EXPECT_EQ(log, expected);
}

TEST(Broadcaster, DeliversInAscendingListenerAddress) {
    std::vector<const trove::Listener_t*> order;
    std::vector<HookListener_t> listeners(5, HookListener_t(order));
    trove::Broadcaster_t broadcaster;
    for (auto it = listeners.rbegin(); it != listeners.rend(); ++it) broadcaster.Add(&*it);

    broadcaster.NotifyChangesBegin();

    ASSERT_EQ(order.size(), 5u);
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end(), std::less<const trove::Listener_t*>()));
}

TEST(Broadcaster, DisabledDeliversNothing) {
    std::vector<std::string> log;
    RecordingListener_t listener(log);
    trove::Broadcaster_t broadcaster;
    broadcaster.Add(&listener);
    broadcaster.Enable(false);
    broadcaster.NotifyChangesBegin();
    broadcaster.NotifyMapInserted(support::MapOf(1, 1, "M"));
    EXPECT_TRUE(log.empty());
    broadcaster.Enable(true);
    broadcaster.NotifyChangesBegin();
    EXPECT_EQ(log.size(), 1u);
}

TEST(Broadcaster, ReentrantDeliveryRaisesAndTheOuterDeliveryStillEnds) {
    std::vector<const trove::Listener_t*> order;
    HookListener_t listener(order);
    trove::Broadcaster_t broadcaster;
    broadcaster.Add(&listener);
    listener.hook = [&] { broadcaster.NotifySlot3(); };

    try {
        broadcaster.NotifyChangesBegin();
        FAIL() << "no exception";
    } catch (const base::Assert_t& e) {
        EXPECT_STREQ(e.File(), "TROVE_Broadcaster");
    }
    EXPECT_FALSE(broadcaster.IsBusy());

    // A broadcaster that failed once keeps working.
    listener.hook = nullptr;
    broadcaster.NotifyChangesBegin();
    EXPECT_EQ(order.size(), 2u);
}

TEST(Broadcaster, RegistrationDuringADeliveryTakesEffectAfterIt) {
    std::vector<const trove::Listener_t*> order;
    std::vector<HookListener_t> listeners(3, HookListener_t(order));
    HookListener_t* low = &listeners[0];
    HookListener_t* middle = &listeners[1];
    HookListener_t* high = &listeners[2];
    trove::Broadcaster_t broadcaster;
    broadcaster.Add(low);
    broadcaster.Add(high);
    // The first listener called adds the middle one and removes the last one.
    low->hook = [&] {
        broadcaster.Add(middle);
        broadcaster.Remove(high);
    };

    broadcaster.NotifyChangesBegin();
    EXPECT_EQ(order, (std::vector<const trove::Listener_t*>{low, high}));

    low->hook = nullptr;
    order.clear();
    broadcaster.NotifyChangesBegin();
    EXPECT_EQ(order, (std::vector<const trove::Listener_t*>{low, middle}));
}

}  // namespace
