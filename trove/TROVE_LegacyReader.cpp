#include "trove/TROVE_LegacyReader.h"

#include <string>
#include <utility>

#include "trove/TROVE_Exception.h"
#include "trove/TROVE_Route0Read.h"
#include "trove/TROVE_RouteRead.h"
#include "trove/TROVE_TrackRead.h"
#include "trove/TROVE_VolumeRead.h"
#include "trove/TROVE_WaypointRead.h"
#include "trove/bin/BIN_Record.h"
#include "trove/jnl/JNL_Journal.h"

namespace trove {

namespace {

// Letter and payload length before every payload.
constexpr std::uint64_t kFramingBytes = 3;

struct Noter_t {
    LoadNotes_t* notes;
    std::uint64_t record = 0;
    std::uint64_t offset = 0;

    void Note(DropKind_t kind, const bin::oldrecord_t& rec, const std::string& name = std::string()) const {
        if (notes) notes->Add(LoadNote_t{record, offset, rec.type, kind, rec.Size(), name});
    }
};

// Reads one record into db; true when its letter is known.
bool ReadLegacyRecord(Database_t& db, bin::oldrecord_t& rec, std::uint16_t data_version,
                      const Noter_t& noter) {
    bin::SpanReader_t in = bin::PayloadReader(rec);
    switch (rec.type) {
        case 'W': {
            WaypointId_t key;
            Waypoint_t body;
            key.Read(in, data_version);
            ReadWaypointBody(in, body, data_version);
            if (in.fail()) throw BadStream_t("TROVE_Database", 468);
            db.InsertWaypoint(key, std::move(body));
            return true;
        }
        case 'R': {
            // Not tested: a damaged route fails the route checks of the insertion.
            RouteId_t key;
            Route_t route;
            key.Read(in);
            ReadRouteBody(in, route, data_version);
            db.InsertRoute(key, std::move(route));
            return true;
        }
        case 'T': {
            // Not tested: a damaged track is filed with a default body.
            TrackId_t key;
            Track_t track;
            key.Read(in);
            ReadTrackBody(in, track);
            if (in.fail()) noter.Note(DropKind_t::TrackPoints, rec, key.text);
            db.InsertTrack(key, std::move(track));
            return true;
        }
        case 'L': {
            Map_t map;
            map.Read(in);
            if (in.fail()) throw BadStream_t("TROVE_Database", 522);
            db.InsertMap(map);
            return true;
        }
        case '0': {
            Route0Entry_t entry;
            ReadRoute0Entry(in, entry);
            if (in.fail()) throw BadStream_t("TROVE_Database", 507);
            db.SetRoute0(entry);
            return true;
        }
        case 'V': {
            Volume_t volume;
            ReadVolume(in, volume);
            if (in.fail()) throw BadStream_t("TROVE_Database", 537);
            db.SetVolume(volume);
            return true;
        }
        default:
            noter.Note(DropKind_t::UnknownRecord, rec);
            return false;
    }
}

}  // namespace

void ReadLegacyRecords(Database_t& db, bin::istream& file, std::uint16_t data_version, LoadNotes_t* notes) {
    const Database_t::Growing_t growing(db);
    bool seen = false;
    Noter_t noter{notes};
    for (;;) {
        bin::oldrecord_t rec(0);
        ++noter.record;
        // Only a file that still has bytes here ends inside a record.
        const bool at_end = notes && std::char_traits<char>::eq_int_type(file.rdbuf()->sgetc(),
                                                                         std::char_traits<char>::eof());
        bin::ExtractRecord(file, rec);
        if (file.fail()) {
            if (!at_end && !file.bad()) noter.Note(DropKind_t::TruncatedRecord, rec);
            break;
        }
        try {
            if (ReadLegacyRecord(db, rec, data_version, noter)) seen = true;
        } catch (...) {
            if (notes) notes->SetFault(LoadFault_t{noter.record, noter.offset, rec.type});
            throw;
        }
        noter.offset += kFramingBytes + rec.Size();
    }
    if (file.bad() || !seen) throw BadStream_t("TROVE_Database", 550);
    if (jnl::Journal_t* journal = db.Journal()) journal->Clear();
}

}  // namespace trove
