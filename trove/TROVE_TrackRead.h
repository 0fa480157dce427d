#pragma once
// The track body as a T record holds it after the track name.
#include "trove/TROVE_Track.h"
#include "trove/TROVE_TrackPoint.h"
#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_SpanReader.h"

namespace trove {

// Position, optional time, optional real; target takes the point only when all arrived.
// The four time bytes are checked as a UTC time even when the presence byte says absent: a
// negative value raises base::OutOfRange_t (BASE_Time 167). A latitude beyond the poles
// raises base::OutOfRange_t.
void ReadTrackPoint(bin::istream& in, TrackPoint_t& target);
void ReadTrackPoint(bin::SpanReader_t& in, TrackPoint_t& target);

// track_byte, track_enum (0 to 16), a count and that many points, appended in file order.
// track must be a default track; after a failure part-way it is a default track again (the
// stream tells). The count is only trusted as far as the bytes go.
void ReadTrackBody(bin::istream& in, Track_t& track);
void ReadTrackBody(bin::SpanReader_t& in, Track_t& track);

}  // namespace trove
