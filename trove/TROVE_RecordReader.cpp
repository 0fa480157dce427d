#include "trove/TROVE_RecordReader.h"

#include <iterator>
#include <tuple>

#include "base/BASE_Exception.h"
#include "base/BASE_MBString.h"
#include "trove/TROVE_ChangeKind.h"
#include "trove/TROVE_Exception.h"
#include "trove/TROVE_Route0Read.h"
#include "trove/TROVE_RouteRead.h"
#include "trove/TROVE_TrackRead.h"
#include "trove/TROVE_VolumeRead.h"
#include "trove/TROVE_WaypointRead.h"

namespace trove {

namespace {

// A default record in a node of its own, to be read into and then handed to table:
// filing a record this way never copies it.
template <class Table, class... RecordArgs>
typename Table::node_type NewNode(const Table& table, RecordArgs... record_args) {
    Table scratch(table.get_allocator());
    scratch.emplace(std::piecewise_construct, std::tuple<>(), std::make_tuple(record_args...));
    return scratch.extract(scratch.begin());
}

// Payload length and letter before every payload.
constexpr std::uint64_t kFramingBytes = 5;

}  // namespace

RenameList_t ReadRecords(Database_t& db, bin::istream& file, std::uint16_t data_version, LoadNotes_t* notes) {
    const Database_t::Growing_t growing(db);
    return RecordReader_t(db, data_version, notes).Run(file);
}

RecordReader_t::RecordReader_t(Database_t& db, std::uint16_t data_version, LoadNotes_t* notes)
    : db_(db), data_version_(data_version), notes_(notes) {}

void RecordReader_t::Note(DropKind_t kind, const bin::record_t& rec, const std::string& name) {
    notes_->Add(LoadNote_t{record_number_, record_offset_, rec.type, kind, rec.Size(), name});
}

RenameList_t RecordReader_t::Run(bin::istream& file) {
    // One record object serves the whole file: emptied before every extraction, it holds that
    // record's payload alone, as a new one would, without a new stream's set-up per record.
    bin::record_t rec(0);
    if (notes_) record_offset_ = static_cast<std::uint64_t>(file.tellg());
    try {
        for (;;) {
            rec.rdbuf()->Clear();
            rec.clear();
            rec.type = 0;
            ++record_number_;
            // Only a file that still has bytes here ends inside a record.
            const bool at_end = notes_ && std::char_traits<char>::eq_int_type(file.rdbuf()->sgetc(),
                                                                              std::char_traits<char>::eof());
            bin::ExtractRecord(file, rec);
            // A record cut short by the end of the file is never looked at.
            if (file.fail()) {
                if (notes_ && !at_end && !file.bad()) Note(DropKind_t::TruncatedRecord, rec);
                break;
            }
            // Waypoints wait in the batch until another kind of record comes: a route looks
            // them up, and every other kind is simply read after them.
            if (rec.type != 'W') MergeWaypoints();
            try {
                Dispatch(rec);
            } catch (...) {
                if (notes_) notes_->SetFault(LoadFault_t{record_number_, record_offset_, rec.type});
                throw;
            }
            record_offset_ += kFramingBytes + rec.Size();
        }
        MergeWaypoints();
    } catch (...) {
        // The waypoints read before the failure are filed first, and a fault among them
        // is the one to report.
        MergeWaypoints();
        throw;
    }
    EndOfFile(file);
    return RenameList_t(renamed_.begin(), renamed_.end());
}

void RecordReader_t::Dispatch(bin::record_t& rec) {
    switch (rec.type) {
        case 'W':
            ReadWaypoint(rec);
            break;
        case 'R':
            ReadRoute(rec);
            break;
        case 'T':
            ReadTrack(rec);
            break;
        case 'L':
            ReadMap(rec);
            break;
        case '0':
            ReadRoute0(rec);
            break;
        case 'V':
            ReadVolume(rec);
            break;
        default:  // unknown letters, D and A included, are skipped whole
            if (notes_) Note(DropKind_t::UnknownRecord, rec);
            break;
    }
}

// --- waypoints

void RecordReader_t::ReadWaypoint(bin::record_t& rec) {
    bin::SpanReader_t in = bin::PayloadReader(rec);
    WaypointTable_t::node_type node = NewNode(db_.waypoints);
    node.key().Read(in, data_version_, &db_.Arena());
    ReadWaypointBodyInPlace(in, node.mapped(), data_version_, &db_.Arena());
    if (in.fail()) throw BadStream_t("TROVE_Database", 124);
    seen_ = true;
    batch_.Add(std::move(node));
    if (batch_.Size() >= kMaxBatch) MergeWaypoints();
}

void RecordReader_t::MergeWaypoints() {
    if (!batch_.Empty()) batch_.Merge(db_, pending_waypoints_);
}

void RecordReader_t::ResolvePending() {
    // Once per load: the rename list a route was matched against must not change any more.
    if (!renamed_.empty()) throw base::Assert_t("TROVE_Database", 1126);
    while (!pending_waypoints_.empty()) {
        auto entry = pending_waypoints_.begin();
        WaypointId_t renamed = entry->first;
        if (!IsValidMultibyte(renamed.name.text)) renamed.name.text = base::ValidPrefix(renamed.name.text);
        db_.MakeUniqueWaypointName(renamed);
        db_.changed.set(kWaypointKind);
        if (!db_.waypoints.emplace(renamed, std::move(entry->second)).second) {
            throw BadStream_t("TROVE_Database", 1149);
        }
        renamed_.emplace(entry->first, renamed);
        pending_waypoints_.erase(entry);
    }
}

// --- routes

void RecordReader_t::ReadRoute(bin::record_t& rec) {
    // A damaged record keeps the default, empty route and fails the route checks below.
    bin::SpanReader_t in = bin::PayloadReader(rec);
    RouteTable_t::node_type node = NewNode(db_.routes);
    node.key().Read(in);
    ReadRouteBody(in, node.mapped(), data_version_);
    seen_ = true;
    if (!IsValidMultibyte(node.key().name.text)) {
        pending_routes_.push_back(std::move(node));
        return;
    }
    InsertRoute(std::move(node));
}

void RecordReader_t::InsertRoute(RouteTable_t::node_type node) {
    if (!pending_waypoints_.empty()) ResolvePending();
    if (!renamed_.empty()) {
        for (RouteWaypoint_t& point : node.mapped().route_points) {
            const auto renamed = renamed_.find(point.waypoint);
            if (renamed != renamed_.end()) point.waypoint = renamed->second;
        }
    }
    try {
        db_.ValidateRoute(node.key(), node.mapped());
    } catch (const KeyExists_t&) {
        throw BadStream_t("TROVE_Database", 1094);
    } catch (const InvalidRoute_t&) {
        throw BadStream_t("TROVE_Database", 1098);
    } catch (const KeyNotFound_t&) {
        throw BadStream_t("TROVE_Database", 1102);
    } catch (const base::InvalidMBCharacter_t&) {
        // Only a route point can still carry a broken name here, and no waypoint has one.
        throw BadStream_t("TROVE_Database", 1102);
    }
    db_.changed.set(kRouteKind);
    if (!db_.routes.insert(std::move(node)).inserted) throw BadStream_t("TROVE_Database", 1112);
}

// --- tracks

void RecordReader_t::ReadTrack(bin::record_t& rec) {
    // A damaged record still files a track: the name read (or none) with a default body.
    bin::SpanReader_t in = bin::PayloadReader(rec);
    TrackTable_t::node_type node = NewNode(db_.tracks, &db_.Arena());
    node.key().Read(in);
    ReadTrackBody(in, node.mapped());
    if (notes_ && in.fail()) Note(DropKind_t::TrackPoints, rec, node.key().text);
    seen_ = true;
    if (!IsValidMultibyte(node.key().text)) {
        pending_tracks_.push_back(std::move(node));
        return;
    }
    db_.changed.set(kTrackKind);
    if (!db_.tracks.insert(std::move(node)).inserted) throw BadStream_t("TROVE_Database", 175);
}

// --- maps, route-0 entry, volume

void RecordReader_t::ReadMap(bin::record_t& rec) {
    bin::SpanReader_t in = bin::PayloadReader(rec);
    Map_t map;
    map.Read(in);
    if (in.fail()) throw BadStream_t("TROVE_Database", 210);
    db_.changed.set(kMapKind);
    seen_ = true;
    if (!db_.maps.insert(std::move(map)).second) throw BadStream_t("TROVE_Database", 221);
}

void RecordReader_t::ReadRoute0(bin::record_t& rec) {
    bin::SpanReader_t in = bin::PayloadReader(rec);
    Route0Entry_t entry;
    ReadRoute0Entry(in, entry);
    if (in.fail()) throw BadStream_t("TROVE_Database", 188);
    db_.changed.set(kRoute0Kind);
    seen_ = true;
    // At most one entry, and only for a route read before it. No route has a broken name, and
    // looking one up would raise instead of answering.
    if (!db_.route0.empty() || !IsValidMultibyte(entry.route.name.text) || !db_.routes.Holds(entry.route)) {
        throw BadStream_t("TROVE_Database", 196);
    }
    db_.route0.push_back(entry);
}

void RecordReader_t::ReadVolume(bin::record_t& rec) {
    bin::SpanReader_t in = bin::PayloadReader(rec);
    Volume_t volume;
    trove::ReadVolume(in, volume);
    if (in.fail()) throw BadStream_t("TROVE_Database", 233);
    seen_ = true;
    // A later V record overwrites an earlier one; no kind is marked for it.
    db_.Volume() = volume;
}

// --- end of file

void RecordReader_t::EndOfFile(bin::istream& file) {
    for (RouteTable_t::node_type& node : pending_routes_) {
        RouteId_t& key = node.key();
        key.name.text = base::ValidPrefix(key.name.text);
        if (db_.routes.Holds(key)) db_.MakeUniqueRouteName(key);
        InsertRoute(std::move(node));
    }
    pending_routes_.clear();

    for (TrackTable_t::node_type& node : pending_tracks_) {
        TrackId_t& key = node.key();
        key.text = base::ValidPrefix(key.text);
        if (db_.tracks.Holds(key)) db_.MakeUniqueTrackName(key);
        db_.changed.set(kTrackKind);
        if (!db_.tracks.insert(std::move(node)).inserted) throw BadStream_t("TROVE_Database", 281);
    }
    pending_tracks_.clear();

    if (!pending_waypoints_.empty()) ResolvePending();

    Volume_t& volume = db_.Volume();
    if (volume.volume_flag != 0) volume.volume_text = VolumeText(db_.maps);

    if (file.bad() || !seen_) throw BadStream_t("TROVE_Database", 297);
}

}  // namespace trove
