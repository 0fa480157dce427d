#pragma once
// The key of a track: a key that is also the track's name.
#include <string>

#include "trove/TROVE_Key.h"
#include "trove/TROVE_Name.h"

namespace trove {

class TrackId_t : public Key_t, public Name_t {
public:
    TrackId_t() = default;
    // The text is taken as it is.
    explicit TrackId_t(const Name_t& track_name) : Name_t(track_name) {}
    TrackId_t(const TrackId_t&) = default;
    TrackId_t& operator=(const TrackId_t&) = default;

    std::string Describe() const override;  // "Track: <name>"
};

// The table order: by name alone.
bool operator<(const TrackId_t& a, const TrackId_t& b);

}  // namespace trove
