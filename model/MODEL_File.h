#pragma once
// The model of a loaded data file, the one thing every output reads: the database as loaded,
// its header and its code page, explicitly; five layers of features with one schema each; the
// geometry of each feature.
//
//   model::File_t file(932);                       // the code page of the file's texts
//   if (!file.CodePageAvailable()) ...;
//   file.LoadBytes(bytes);                         // or LoadPath(path); see Result(), Notes()
//   for (model::LayerId_t layer : model::kLayers) {
//       const model::Schema_t& schema = model::SchemaOf(layer);   // names, types, meanings
//       for (std::size_t i = 0; i < file.Count(layer); ++i) {
//           model::Value_t v = file.Value(layer, i, 0);          // a field of feature i
//           file.Geometry(layer, i, sink);                       // its points, part by part
//       }
//   }
//   model::Utf8_t utf8(file.CodePage());           // texts as UTF-8 (MODEL_Text.h)
//
// The writers walk the typed layers instead (ForEachWaypoint, ForEachTrackPoint, ...), which
// read the database in place. Random access by index builds an index of the layer on first use
// (pointers, not copies); a file is not to be read by two threads at once.
//
// The code page is the process's selection (the tables order names under it) for as long as
// the file lives; one file at a time per code page, as the add-in has it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "geo/GEO_Position.h"
#include "model/MODEL_CodePageScope.h"
#include "model/MODEL_Features.h"
#include "model/MODEL_Layers.h"
#include "model/MODEL_Point.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_DocInfo.h"
#include "trove/TROVE_Load.h"
#include "trove/TROVE_LoadNote.h"

namespace model {

// Where a feature's geometry goes: its points in order, EndPart() after each part.
class GeometrySink_t {
public:
    virtual ~GeometrySink_t() = default;
    virtual void Point(const Point_t& p) = 0;
    virtual void EndPart() {}
};

class File_t {
public:
    // Selects code_page for the life of the file; an empty database with the default header.
    explicit File_t(unsigned code_page);
    ~File_t();
    File_t(const File_t&) = delete;
    File_t& operator=(const File_t&) = delete;

    // False when the code page has no table here: nothing can be loaded then.
    bool CodePageAvailable() const { return code_page_scope_.Ok(); }

    // The load as the import does it (trove::LoadFile, trove::LoadBytes) into this file's own
    // database and header; the notes of what was dropped are kept. Exceptions other than
    // trove::BadStream_t propagate. One load per file.
    const trove::LoadResult_t& LoadPath(const std::string& path);
    const trove::LoadResult_t& LoadBytes(std::string_view bytes);
    // The same over any stream of a file's bytes (one that can be read only once).
    const trove::LoadResult_t& LoadStream(bin::istream& in);

    unsigned CodePage() const { return code_page_; }
    const trove::DocInfo_t& Header() const { return header_; }
    const trove::Database_t& Database() const { return db_; }
    trove::Database_t& Database() { return db_; }
    const trove::LoadResult_t& Result() const { return result_; }
    const trove::LoadNotes_t& Notes() const { return notes_; }

    // Features per layer, without a walk of the points.
    std::size_t Count(LayerId_t layer) const;

    // Features by index, in the layer's stable order: waypoints, routes and tracks in table
    // order, route and track points by route or track, then along it. Index < Count(layer).
    Waypoint_t WaypointAt(std::size_t index) const;
    Route_t RouteAt(std::size_t index) const;
    RoutePoint_t RoutePointAt(std::size_t index) const;
    Track_t TrackAt(std::size_t index) const;
    TrackPoint_t TrackPointAt(std::size_t index) const;

    // The value of field (an index into SchemaOf(layer)) of the feature at index.
    Value_t Value(LayerId_t layer, std::size_t index, std::size_t field) const;
    // The feature's geometry: a point layer's one point (none for a route point whose waypoint
    // is missing), a line layer's line as one part.
    void Geometry(LayerId_t layer, std::size_t index, GeometrySink_t& sink) const;

    // The walks the writers take, in layer order.
    // each(const Waypoint_t&). A big table's nodes lie all over the heap: each is fetched a
    // few waypoints before it is visited, so the writing seldom waits for memory.
    template <class Each>
    void ForEachWaypoint(Each&& each) const;
    // each(const RoutePoint_t&) for the points of the route at index route.
    template <class Each>
    void ForEachRoutePoint(std::size_t route, const Route_t& r, Each&& each) const;
    // each(const geo::Position_t&, bool route_point) along the route as stored: each route
    // point's waypoint (left out where missing), then the link points stored after it.
    template <class Each>
    void ForEachRoutePosition(const Route_t& route, Each&& each) const;
    // each(const geo::Position_t&) along the route's line: the same with a point where the
    // one before it lies left out.
    template <class Each>
    void ForEachRouteLinePosition(const Route_t& route, Each&& each) const;

    // The waypoint a route point names; null when the file lacks it.
    const trove::Waypoint_t* FindWaypoint(const trove::RouteWaypoint_t& point) const;

private:
    // The file at path, or else the stream in, or else bytes.
    const trove::LoadResult_t& Load(const std::string* path, bin::istream* in, std::string_view bytes);
    void Counted();
    void IndexWaypoints() const;
    void IndexRoutePoints() const;
    void IndexTrackPoints() const;

    unsigned code_page_;
    // First of the members but the code page, so that it goes last: the tables were ordered
    // under this code page, and every lookup after the load needs it too.
    CodePageScope_t code_page_scope_;
    trove::DocInfo_t header_;
    trove::Database_t db_;
    trove::LoadResult_t result_;
    trove::LoadNotes_t notes_;

    std::size_t route_point_count_ = 0;
    std::size_t track_point_count_ = 0;
    // Built on first random access.
    mutable std::vector<const trove::WaypointTable_t::value_type*> waypoint_index_;
    mutable std::vector<const trove::RouteTable_t::value_type*> route_index_;
    mutable std::vector<const trove::TrackTable_t::value_type*> track_index_;
    struct RoutePointAt_t {
        std::size_t route;
        std::size_t number;
        const trove::RouteWaypoint_t* point;
    };
    mutable std::vector<RoutePointAt_t> route_point_index_;
    // Per track: the index of its first point in the layer; per segment of each track, its
    // first point's number in the track.
    struct SegmentAt_t {
        std::size_t first;  // the segment's first point of its own, as a number in the track
        std::size_t skip;   // 1 for a later segment: its first point is the one before
        const trove::TrackSegment_t* segment;
    };
    mutable std::vector<std::size_t> track_first_;
    mutable std::vector<std::vector<SegmentAt_t>> track_segments_;
};

// each(const trove::TrackPoint_t&) for every point of the track once: every later segment opens
// with a copy of the previous one's last point, which is left out.
template <class Each>
void ForEachTrackPoint(const trove::Track_t& track, Each&& each);

// each(const trove::TrackSegment_t&, std::size_t first): the segments of the track, first the
// index in the segment's points where its own points start (0 or 1).
template <class Each>
void ForEachTrackSegment(const trove::Track_t& track, Each&& each);

// Points in the track once (ForEachTrackPoint's count), from the segments' sizes.
std::size_t TrackPointCount(const trove::Track_t& track);

}  // namespace model

#include "model/MODEL_FileWalks.h"
